#include "astro/sun.h"

#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/instantrange.h"
#include "astro/transforms.h"

namespace astro {

TSkyPosition SunPosition(TDateTime t)
{
    const THeliocentricPosition earth = EarthHeliocentric<TVSOPEarth>(t);
    const double theta = earth.Longitude + 180.0;
    double beta = -earth.Latitude;
    const double T = (DateTimeToJulian(t) - J2000JD) / DaysPerJulianMillennium * 10.0;

    // A second conversion to FK5, made on the geocentric angles on top of the one inside
    // EarthHeliocentric; both belong to the result.
    const double shiftedLambda = theta + T * (-1.397 - 0.00031 * T);
    double lambda = theta - 0.09033 / ArcsecondsPerDegree;
    beta += (0.03916 / ArcsecondsPerDegree) * (CosDeg(shiftedLambda) - SinDeg(shiftedLambda));
    lambda -= (20.4898 / ArcsecondsPerDegree) / earth.Radius;  // aberration

    TSkyPosition pos;
    pos.Longitude = Normalize360(lambda);
    pos.Latitude = beta;
    pos.Distance = earth.Radius * AU_KM;
    EclipticToEquatorial(pos, t);
    return pos;
}

THorizontalPosition SunHorizontal(TDateTime t, double L, double phi)
{
    CheckedLongitude(L);
    CheckedLatitude(phi);
    TSkyPosition pos = SunPosition(t);
    EquatorialToHorizontal(pos, t, L, phi);
    return {pos.Elevation, pos.Azimuth};
}

}  // namespace astro
