#include "cli/lightcommand.h"

#include "cli/commandlinetext.h"
#include "cli/lightdays.h"
#include "cli/lightfile.h"
#include "cli/lightplace.h"
#include "cli/lighttable.h"
#include "controls/clock.h"

#include <exception>
#include <optional>

namespace {

TLightAnswer Refusal(const QString& reason) { return {2, {}, reason + u'\n'}; }

}  // namespace

TLightAnswer RunLightCommand(const TLightRequest& request, const TClock& clock)
{
    const QString format = request.Format.isNull() ? QStringLiteral("text") : request.Format.trimmed().toLower();
    if (format != QLatin1String("text") && format != QLatin1String("csv") && format != QLatin1String("ics"))
        return Refusal(CommandLine::tr("Unknown format '%1' for --format: use text, csv or ics.").arg(request.Format));

    const TRequestedDays requested = ReadRequestedDays(request.Days, request.Date, MostLightDays);
    if (!requested.Refusal.isEmpty())
        return Refusal(requested.Refusal);
    const int days = requested.Days;
    const std::optional<QDate>& date = requested.Date;

    const TPlaceChoice place = ChoosePlace(request.Place, request.SettingsFile);
    if (!place.valid())
        return Refusal(place.Error);
    const TZoneChoice zone = ChooseZone(request.Zone, place.Place);
    if (!zone.valid())
        return Refusal(zone.Error);

    TLightAnswer answer;
    if (!zone.Warning.isEmpty())
        answer.Error = zone.Warning + u'\n';
    try {
        const double first = date ? DayNumber(*date) : zone.Zone.dayOf(clock.universalNow()).Number;
        if (DateOfDay(first).addDays(days - 1).year() > LastLightYear)
            return Refusal(CommandLine::tr("The days of --date and --days run beyond the year %1.").arg(LastLightYear));
        if (format == QLatin1String("text")) {
            answer.Output = LightTableHeading(place.Place.Name, place.Place.Latitude, place.Place.Longitude, zone.Zone);
            ForEachLightDay(zone.Zone, first, days, place.Place.Latitude, place.Place.Longitude,
                            [&](const TLocalDay& day, const astro::TDayLight* light) {
                                answer.Output += u'\n' + LightTableDay(day, light, zone.Zone);
                            });
        } else {
            const TLightFileFormat file =
                format == QLatin1String("csv") ? TLightFileFormat::Csv : TLightFileFormat::Ics;
            answer.Output = LightFile(file, place.Place, zone.Zone, first, days, clock.universalNow());
        }
    } catch (const std::exception& error) {
        return {1,
                {},
                answer.Error +
                    CommandLine::tr("The light cannot be computed: %1\n").arg(QString::fromUtf8(error.what()))};
    }
    return answer;
}
