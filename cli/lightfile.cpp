#include "cli/lightfile.h"

#include "astro/dayinterval.h"
#include "cli/lightcsv.h"
#include "cli/lightics.h"

#include <optional>

void ForEachLightDay(const TPlaceZone& zone, double first, int days, double latitude, double longitude,
                     const std::function<void(const TLocalDay& day, const astro::TDayLight* light)>& take)
{
    for (int i = 0; i < days; ++i) {
        const TLocalDay day = zone.day(first + i);
        std::optional<astro::TDayLight> light;
        if (!day.empty())
            light = astro::DayLightBetween(day.Start, day.End, latitude, longitude);
        take(day, light ? &*light : nullptr);
    }
}

QString LightFile(TLightFileFormat format, const TChosenPlace& place, const TPlaceZone& zone, double first, int days,
                  astro::TDateTime stamp)
{
    const bool csv = format == TLightFileFormat::Csv;
    QString text = csv ? LightCsvHeader() + u'\n' : LightIcsHeader();
    ForEachLightDay(zone, first, days, place.Latitude, place.Longitude,
                    [&](const TLocalDay& day, const astro::TDayLight* light) {
                        if (csv)
                            text += LightCsvRows(day, light, zone).join(u'\n') + u'\n';
                        else
                            text += LightIcsDay(day, light, place, stamp);
                    });
    return csv ? text : text + LightIcsFooter();
}
