#include "cli/nightcommand.h"

#include "almanac/placenight.h"
#include "cli/commandlinetext.h"
#include "cli/lightdays.h"
#include "cli/lightfile.h"
#include "cli/lightplace.h"
#include "cli/lighttable.h"
#include "cli/nightcsv.h"
#include "cli/nighttable.h"
#include "controls/clock.h"

#include <QRegularExpression>
#include <exception>
#include <optional>

namespace {

TLightAnswer Refusal(const QString& reason) { return {2, {}, reason + u'\n'}; }

// A plain decimal number from lowest to highest, written with a full stop.
std::optional<double> ReadNumber(const QString& text, double lowest, double highest)
{
    static const QRegularExpression Shape(QStringLiteral("^[0-9]{1,3}(\\.[0-9]{1,6})?$"));
    if (!Shape.match(text).hasMatch())
        return std::nullopt;
    const double value = text.toDouble();
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// The options of the computation, or the refusal of the one that cannot be read.
std::optional<QString> ReadOptions(const TNightRequest& request, astro::TNightOptions& options)
{
    if (!request.MoonLitBelow.isNull()) {
        const std::optional<double> percent = ReadNumber(request.MoonLitBelow.trimmed(), 0, 100);
        if (!percent)
            return CommandLine::tr("The option --moon-lit-below takes a percentage from 0 to 100, not '%1'.")
                .arg(request.MoonLitBelow);
        options.FaintMoonCountsAsDown = true;
        options.FaintMoonPercent = *percent;
    }
    if (!request.CoreAltitude.isNull()) {
        const std::optional<double> altitude = ReadNumber(request.CoreAltitude.trimmed(), 0, 90);
        if (!altitude)
            return CommandLine::tr("The option --core-altitude takes degrees from 0 to 90, not '%1'.")
                .arg(request.CoreAltitude);
        options.CoreAltitude = *altitude;
    }
    return std::nullopt;
}

}  // namespace

TLightAnswer RunNightCommand(const TNightRequest& request, const TClock& clock)
{
    const TLightRequest& common = request.Days;
    const QString format = common.Format.isNull() ? QStringLiteral("text") : common.Format.trimmed().toLower();
    if (format != QLatin1String("text") && format != QLatin1String("csv"))
        return Refusal(
            CommandLine::tr("Unknown format '%1' for --format with --night: use text or csv.").arg(common.Format));
    astro::TNightOptions options;
    if (const std::optional<QString> refusal = ReadOptions(request, options))
        return Refusal(*refusal);

    const TRequestedDays requested = ReadRequestedDays(common.Days, common.Date, MostLightDays);
    if (!requested.Refusal.isEmpty())
        return Refusal(requested.Refusal);
    const int days = requested.Days;
    const std::optional<QDate>& date = requested.Date;

    const TPlaceChoice place = ChoosePlace(common.Place, common.SettingsFile);
    if (!place.valid())
        return Refusal(place.Error);
    const TZoneChoice zone = ChooseZone(common.Zone, place.Place);
    if (!zone.valid())
        return Refusal(zone.Error);

    TLightAnswer answer;
    if (!zone.Warning.isEmpty())
        answer.Error = zone.Warning + u'\n';
    try {
        const double first = date ? DayNumber(*date) : zone.Zone.dayOf(clock.universalNow()).Number;
        // The last night runs into the day after its date.
        if (DateOfDay(first).addDays(days).year() > LastLightYear)
            return Refusal(
                CommandLine::tr("The nights of --date and --days run beyond the year %1.").arg(LastLightYear));
        const bool csv = format == QLatin1String("csv");
        answer.Output =
            csv ? NightCsvHeader() + u'\n'
                : LightTableHeading(place.Place.Name, place.Place.Latitude, place.Place.Longitude, zone.Zone);
        for (int i = 0; i < days; ++i) {
            const TLocalNight night = NightOfDay(zone.Zone, first + i);
            std::optional<astro::TNight> computed;
            if (!night.empty())
                computed =
                    astro::NightBetween(night.Start, night.End, place.Place.Latitude, place.Place.Longitude, options);
            const astro::TNight* shown = computed ? &*computed : nullptr;
            if (csv)
                answer.Output += NightCsvRows(night, shown, options.CoreAltitude, zone.Zone).join(u'\n') + u'\n';
            else
                answer.Output += u'\n' + NightTableNight(night, shown, options.CoreAltitude, zone.Zone);
        }
    } catch (const std::exception& error) {
        return {1,
                {},
                answer.Error +
                    CommandLine::tr("The night cannot be computed: %1\n").arg(QString::fromUtf8(error.what()))};
    }
    return answer;
}
