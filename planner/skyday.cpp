#include "planner/skyday.h"

#include "astro/constants.h"
#include "astro/dayinterval.h"
#include "astro/galacticcentre.h"
#include "astro/moon_position.h"
#include "astro/phases.h"
#include "astro/sidereal.h"
#include "astro/sun.h"
#include "astro/transforms.h"

#include <algorithm>
#include <cmath>

namespace {

// The library gives azimuths from the south, positive towards the west.
double FromNorth(double azimuthFromSouth) { return std::fmod(std::fmod(azimuthFromSouth + 180, 360) + 360, 360); }

TSkyPlace HorizontalPlace(astro::TSkyPosition position, astro::TDateTime ut, double latitude, double longitude)
{
    astro::EquatorialToHorizontal(position, ut, longitude, latitude);
    return {FromNorth(position.Azimuth), position.Elevation};
}

}  // namespace

TLightPhase LightPhaseOf(double sunAltitude)
{
    if (sunAltitude < astro::AstronomicalTwilightAltitude)
        return TLightPhase::Night;
    if (sunAltitude < astro::NauticalTwilightAltitude)
        return TLightPhase::Astronomical;
    if (sunAltitude < astro::CivilTwilightAltitude)
        return TLightPhase::Nautical;
    if (sunAltitude < astro::BlueHourLightAltitude)
        return TLightPhase::BlueHour;
    if (sunAltitude < astro::GoldenHourHighAltitude)
        return TLightPhase::GoldenHour;
    return TLightPhase::Day;
}

TSkySample SkySampleAt(astro::TDateTime ut, double latitude, double longitude)
{
    TSkySample sample;
    sample.Time = ut;
    const astro::THorizontalPosition sun = astro::SunHorizontal(ut, longitude, latitude);
    sample.Sun = {FromNorth(sun.Azimuth), sun.Elevation};

    astro::TSkyPosition moon = astro::MoonPosition(ut);
    astro::TopocentricCorrection(moon, ut, latitude, longitude, 0.0);
    sample.Moon = HorizontalPlace(moon, ut, latitude, longitude);

    const astro::TEquatorialPlace core = astro::GalacticCentrePosition(ut);
    astro::TSkyPosition corePosition;
    corePosition.RightAscension = core.RightAscension;
    corePosition.Declination = core.Declination;
    sample.Core = HorizontalPlace(corePosition, ut, latitude, longitude);
    return sample;
}

const TSkySample& TSkyDay::nearest(astro::TDateTime ut) const
{
    const auto after = std::lower_bound(Samples.begin(), Samples.end(), ut,
                                        [](const TSkySample& sample, double t) { return sample.Time < t; });
    if (after == Samples.begin())
        return Samples.front();
    if (after == Samples.end())
        return Samples.back();
    const auto before = std::prev(after);
    return ut - before->Time <= after->Time - ut ? *before : *after;
}

TSkyDay ComputeSkyDay(const TLocalDay& day, double latitude, double longitude)
{
    TSkyDay sky;
    sky.Day = day;
    sky.Latitude = latitude;
    sky.Longitude = longitude;
    if (day.empty())
        return sky;
    const double step = SampleMinutes / (24.0 * 60.0);
    const int steps = static_cast<int>(std::ceil((day.End - day.Start) / step - 1e-9));
    sky.Samples.reserve(steps + 1);
    for (int i = 0; i < steps; ++i)
        sky.Samples.push_back(SkySampleAt(day.Start + i * step, latitude, longitude));
    sky.Samples.push_back(SkySampleAt(day.End, latitude, longitude));
    sky.Light = astro::DayLightBetween(day.Start, day.End, latitude, longitude);
    const double middle = (day.Start + day.End) / 2;
    sky.MoonIlluminatedFraction = astro::MoonIlluminatedFraction(middle);
    sky.MoonWaxing = astro::MoonPhaseAngle(middle) >= 0;
    return sky;
}
