#pragma once
// Planetary positions from VSOP87 series: a generic evaluator and the earth's series.

#include "astro/instantrange.h"
#include "astro/types.h"

namespace astro {

// One periodic term A cos(B + C tau): amplitude A (the series' unit times 10^8), phase B (rad),
// frequency C (rad per Julian millennium). A term past the end of a table is all zero.
struct TVSOPTerm {
    double A;
    double B;
    double C;
};

// Sums the series of one body at one instant. A concrete class supplies the body's tables
// through the three term slots; an evaluator lives only as long as one position is wanted.
class TVSOP {
public:
    // A term slot: term `index` (from 0) of the series for the power `power` (0..5) of tau.
    using TTermSlot = TVSOPTerm (TVSOP::*)(int index, int power) const;

    virtual ~TVSOP() = default;

    virtual TVSOPTerm LongitudeTerm(int index, int power) const = 0;
    virtual TVSOPTerm LatitudeTerm(int index, int power) const = 0;
    virtual TVSOPTerm RadiusTerm(int index, int power) const = 0;

    // The instant (TDateTime, dynamical time) every evaluation refers to.
    // Failure: E_OutOfAlgorithmRange outside FirstAlgorithmInstant..LastAlgorithmInstant.
    void SetDate(TDateTime t) { FDate = CheckedInstant(t); }
    TDateTime Date() const { return FDate; }

    // Julian millennia from J2000.0 to the instant.
    double Tau() const;

    // Returns the sum of one coordinate's series at the instant: for each power n of tau, the
    // terms A cos(B + C tau) up to the first that is exactly 0, combined by Horner's rule and
    // scaled by 10^-8. Reference: Bretagnon & Francou, A&A 202 (1988) 309.
    double Evaluate(TTermSlot slot) const;

    // Heliocentric ecliptic longitude (rad), latitude (rad) and radius vector (AU), referred to
    // the mean ecliptic and equinox of date. By default Evaluate on the matching slot; a
    // class with contiguous tables may sum them faster, to the same result.
    virtual double Longitude() const { return Evaluate(&TVSOP::LongitudeTerm); }
    virtual double Latitude() const { return Evaluate(&TVSOP::LatitudeTerm); }
    virtual double Radius() const { return Evaluate(&TVSOP::RadiusTerm); }

    // Converts a heliocentric longitude L and latitude B (rad, VSOP87 dynamical frame) to the
    // FK5 frame, in place. Reference: Meeus, Astronomical Algorithms, 2nd ed., eq. 32.3.
    void ToFK5(double& L, double& B) const;

private:
    TDateTime FDate = 0.0;
};

// The complete VSOP87D series of the earth (2,425 terms): heliocentric ecliptic spherical
// coordinates referred to the mean ecliptic and equinox of date.
// Checked: the table rows against the published file, the fast sums against Evaluate.
class TVSOPEarth : public TVSOP {
public:
    TVSOPTerm LongitudeTerm(int index, int power) const override;
    TVSOPTerm LatitudeTerm(int index, int power) const override;
    TVSOPTerm RadiusTerm(int index, int power) const override;

    double Longitude() const override;
    double Latitude() const override;
    double Radius() const override;
};

}  // namespace astro
