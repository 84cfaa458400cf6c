#include "astro/galacticcentre.h"

#include "astro/apparentplace.h"

namespace astro {

TEquatorialPlace GalacticCentrePosition(TDateTime t) { return ApparentPlace(GalacticCentreJ2000, t); }

}  // namespace astro
