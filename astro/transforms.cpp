#include "astro/transforms.h"

#include "astro/angles.h"
#include "astro/instantrange.h"
#include "astro/nutation.h"
#include "astro/sidereal.h"

namespace astro {

namespace {

double NutatedLongitude(double longitude, const TNutation& nutation)
{
    return Normalize360(longitude + nutation.DeltaPsi);
}

}  // namespace

double ApparentLongitude(double longitude, TDateTime t)
{
    CheckedAngle(longitude);
    return NutatedLongitude(longitude, Nutation(t));
}

void EclipticToEquatorial(TSkyPosition& pos, TDateTime t)
{
    CheckedAngle(pos.Longitude);
    CheckedAngle(pos.Latitude);
    const TNutation nutation = Nutation(t);
    const double lambda = NutatedLongitude(pos.Longitude, nutation);
    const double beta = pos.Latitude;
    const double epsilon = nutation.Epsilon;
    pos.Longitude = lambda;
    const double sinLambda = SinDeg(lambda), cosLambda = CosDeg(lambda);
    const double sinEpsilon = SinDeg(epsilon), cosEpsilon = CosDeg(epsilon);
    const double sinBeta = SinDeg(beta), cosBeta = CosDeg(beta);
    pos.RightAscension = ArcTan2Deg(sinLambda * cosEpsilon - (sinBeta / cosBeta) * sinEpsilon, cosLambda);
    pos.Declination = ArcSinDeg(sinBeta * cosEpsilon + cosBeta * sinEpsilon * sinLambda);
}

void EquatorialToHorizontal(TSkyPosition& pos, TDateTime t, double L, double phi)
{
    CheckedLongitude(L);
    CheckedLatitude(phi);
    CheckedAngle(pos.RightAscension);
    CheckedAngle(pos.Declination);
    const double hourAngle = Normalize360(SiderealTime(t) - pos.RightAscension - L);
    const double delta = pos.Declination;
    pos.Azimuth = ArcTan2Deg(SinDeg(hourAngle), CosDeg(hourAngle) * SinDeg(phi) - TanDeg(delta) * CosDeg(phi));
    pos.Elevation = ArcSinDeg(SinDeg(phi) * SinDeg(delta) + CosDeg(phi) * CosDeg(delta) * CosDeg(hourAngle));
}

}  // namespace astro
