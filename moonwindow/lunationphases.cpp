#include "moonwindow/lunationphases.h"

#include "astro/phases.h"

bool TLunationPhases::Covers(astro::TDateTime ut) const
{
    return LastNew + astro::PhaseCoincidenceDays < ut && ut < NextNew - astro::PhaseCoincidenceDays;
}

TLunationPhases LunationPhasesAt(astro::TDateTime ut)
{
    using namespace astro;
    TLunationPhases phases{};
    phases.LastNew = PhaseBefore(mpNew, ut);
    phases.Lunation = LunationOf(phases.LastNew + 1);
    phases.FirstQuarter = PhaseAfter(mpFirstQuarter, phases.LastNew);
    phases.Full = PhaseAfter(mpFull, phases.LastNew);
    phases.BlueMoon = IsBlueMoonLunation(phases.Lunation);
    phases.LastQuarter = PhaseAfter(mpLastQuarter, phases.LastNew);
    phases.NextNew = PhaseAfter(mpNew, ut);
    return phases;
}
