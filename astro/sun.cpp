#include "astro/sun.h"

#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/instantrange.h"
#include "astro/transforms.h"

namespace astro {

namespace {

// The sun's geocentric place with aberration, before nutation.
struct TSunPlace {
    double Longitude;  // degrees, [0, 360)
    double Latitude;   // degrees
    double Radius;     // AU
};

// A second conversion to FK5, made on the geocentric angles on top of the one inside
// EarthHeliocentric; both belong to the result. The latitude's share, two sines, is only
// worked out when the latitude is wanted.
TSunPlace SunPlace(TDateTime t, bool withLatitude)
{
    const THeliocentricPosition earth = EarthHeliocentric<TVSOPEarth>(t);
    const double theta = earth.Longitude + 180.0;
    double beta = -earth.Latitude;
    double lambda = theta - 0.09033 / ArcsecondsPerDegree;
    if (withLatitude) {
        const double T = (DateTimeToJulian(t) - J2000JD) / DaysPerJulianMillennium * 10.0;
        const double shiftedLambda = theta + T * (-1.397 - 0.00031 * T);
        beta += (0.03916 / ArcsecondsPerDegree) * (CosDeg(shiftedLambda) - SinDeg(shiftedLambda));
    }
    lambda -= (20.4898 / ArcsecondsPerDegree) / earth.Radius;  // aberration
    return {Normalize360(lambda), beta, earth.Radius};
}

}  // namespace

TSkyPosition SunPosition(TDateTime t)
{
    const TSunPlace place = SunPlace(t, true);
    TSkyPosition pos;
    pos.Longitude = place.Longitude;
    pos.Latitude = place.Latitude;
    pos.Distance = place.Radius * AU_KM;
    EclipticToEquatorial(pos, t);
    return pos;
}

double SunApparentLongitude(TDateTime t) { return ApparentLongitude(SunPlace(t, false).Longitude, t); }

THorizontalPosition SunHorizontal(TDateTime t, double L, double phi)
{
    CheckedLongitude(L);
    CheckedLatitude(phi);
    TSkyPosition pos = SunPosition(t);
    EquatorialToHorizontal(pos, t, L, phi);
    return {pos.Elevation, pos.Azimuth};
}

}  // namespace astro
