#include "cli/findcommand.h"

#include "cli/commandlinetext.h"
#include "places/mapcoordinates.h"
#include "places/placetable.h"

namespace {

constexpr int UsualLimit = 10;

TFindAnswer Refusal(int exitCode, const QString& reason) { return {exitCode, {}, reason + u'\n'}; }

// Degrees to four decimals (about 10 m), with a point whatever the locale.
QString Degrees(double value) { return QString::number(value, 'f', 4); }

}  // namespace

TFindAnswer RunFindCommand(const QString& text, const QString& limit, const TPlaceTable& table)
{
    int most = UsualLimit;
    if (!limit.isNull()) {
        bool whole = false;
        most = limit.trimmed().toInt(&whole);
        if (!whole || most < 1 || most > MostFoundPlaces)
            return Refusal(2, CommandLine::tr("The option --limit takes a whole number from 1 to %1, not '%2'.")
                                  .arg(MostFoundPlaces)
                                  .arg(limit));
    }
    if (text.trimmed().isEmpty())
        return Refusal(2, CommandLine::tr("The option --find needs the name of a place."));
    TFindAnswer answer;
    for (int index : table.Find(text, most)) {
        const TPlace place = table.at(index);
        const QStringList fields = {place.Name,
                                    place.Region,
                                    place.CountryCode,
                                    Degrees(place.Latitude),
                                    Degrees(EastPositiveLongitude(place.Longitude)),
                                    place.TimeZone,
                                    QString::number(place.Population)};
        answer.Output += fields.join(u'\t') + u'\n';
    }
    if (answer.Output.isEmpty())
        return Refusal(1, CommandLine::tr("No place of the table matches '%1'.").arg(text.trimmed()));
    return answer;
}
