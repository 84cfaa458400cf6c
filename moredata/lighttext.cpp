#include "moredata/lighttext.h"

#include "controls/numbers.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

namespace {

using astro::TLightEvent;

constexpr int CompassPoints = 16;
constexpr double CompassSector = 360.0 / CompassPoints;
constexpr int FirstCompassId = 42157;

const QString Field = QStringLiteral("%1%");

QString NeverBelow(double altitude) { return ReplaceAll(Field, FloatToStr(altitude), LocalString(42144)); }
QString NeverAbove(double altitude) { return ReplaceAll(Field, FloatToStr(altitude), LocalString(42145)); }

// One crossing: its instant, or why there is none.
QString InstantText(const TLightEvent& event, const QString& above, const QString& below, const QString& otherDay,
                    const TPlaceZone& zone)
{
    switch (event.Kind) {
    case astro::lkOccurs: return ClockTimeText(event.Time, zone);
    case astro::lkAboveAllDay: return above;
    case astro::lkBelowAllDay: return below;
    default: return otherDay;
    }
}

QString TwilightText(const TLightEvent& event, double altitude, const TPlaceZone& zone)
{
    return InstantText(event, NeverBelow(altitude), NeverAbove(altitude), LocalString(42147), zone);
}

// A band of altitudes from low to high, which the sun passes upwards in the morning and
// downwards in the evening. A span whose one end falls on no crossing runs on into the other
// half of the day.
struct TBand {
    const TLightEvent& Low;
    double LowAltitude;
    const TLightEvent& High;
    double HighAltitude;
};

QString SpanText(const TBand& band, bool morning, const TPlaceZone& zone)
{
    const TLightEvent& first = morning ? band.Low : band.High;
    const TLightEvent& last = morning ? band.High : band.Low;
    const bool starts = first.Kind == astro::lkOccurs;
    const bool ends = last.Kind == astro::lkOccurs;
    if (starts && ends)
        return ClockTimeText(first.Time, zone) + QStringLiteral(" – ") + ClockTimeText(last.Time, zone);
    if (starts)
        return ReplaceAll(Field, ClockTimeText(first.Time, zone), LocalString(42154));
    if (ends)
        return ReplaceAll(Field, ClockTimeText(last.Time, zone), LocalString(42155));
    if (band.High.Kind == astro::lkAboveAllDay)
        return NeverBelow(band.HighAltitude);
    if (band.Low.Kind == astro::lkBelowAllDay)
        return NeverAbove(band.LowAltitude);
    if (band.Low.Kind == astro::lkAboveAllDay && band.High.Kind == astro::lkBelowAllDay)
        return LocalString(42146);
    return LocalString(42147);
}

}  // namespace

QString CompassPoint(int azimuth)
{
    const int degrees = (azimuth % 360 + 360) % 360;
    const int point = int((degrees + CompassSector / 2) / CompassSector) % CompassPoints;
    return LocalString(FirstCompassId + point);
}

QString DirectionText(double azimuth)
{
    const int degrees = (static_cast<int>(RoundTo(azimuth)) % 360 + 360) % 360;
    return QString::number(degrees) + QChar(0x00B0) + u' ' + CompassPoint(degrees);
}

TSunLightTexts SunLightTexts(const astro::TSunLight& side, bool morning, const TPlaceZone& zone)
{
    const TBand blue{side.Civil, astro::CivilTwilightAltitude, side.BlueGolden, astro::BlueHourLightAltitude};
    const TBand golden{side.BlueGolden, astro::BlueHourLightAltitude, side.Golden, astro::GoldenHourHighAltitude};
    TSunLightTexts texts;
    texts.Astronomical = InstantText(side.Astronomical, LocalString(42143),
                                     NeverAbove(astro::AstronomicalTwilightAltitude), LocalString(42147), zone);
    texts.Nautical = TwilightText(side.Nautical, astro::NauticalTwilightAltitude, zone);
    texts.Civil = TwilightText(side.Civil, astro::CivilTwilightAltitude, zone);
    texts.BlueHour = SpanText(blue, morning, zone);
    texts.GoldenHour = SpanText(golden, morning, zone);
    texts.Horizon =
        InstantText(side.Horizon, LocalString(42141), LocalString(42142), LocalString(morning ? 42148 : 42149), zone);
    if (side.Horizon.Kind == astro::lkOccurs)
        texts.Horizon += QStringLiteral(", ") + DirectionText(side.HorizonAzimuth);
    return texts;
}

QString MoonLightText(const astro::TMoonLight& moon, bool rise, const TPlaceZone& zone)
{
    QString text =
        InstantText(moon.Horizon, LocalString(42152), LocalString(42153), LocalString(rise ? 42150 : 42151), zone);
    if (moon.Horizon.Kind == astro::lkOccurs)
        text += QStringLiteral(", ") + DirectionText(moon.Azimuth) + QStringLiteral(", ") +
                ReplaceAll(Field, FloatToStr(RoundTo(moon.IlluminatedFraction * 100)), LocalString(42156));
    return text;
}
