#include "cli/nightcsv.h"

#include "cli/lightcsv.h"
#include "cli/lightdays.h"
#include "moredata/nighttext.h"
#include "texts/stringtable.h"

#include <cmath>

namespace {

constexpr int NotOnThisDay = 42147;

struct TRow {
    const char* Event;
    astro::TDateTime Time;
    const astro::TCoreSight* Core;  // null for the window's edges
    QString Note;
};

// One decimal; a value that rounds to zero is written without a sign.
QString Tenths(double value)
{
    const double tenths = std::round(value * 10);
    return QString::number(tenths == 0 ? 0.0 : tenths / 10, 'f', 1);
}

QString AzimuthField(double azimuth)
{
    const double tenths = std::round(std::fmod(std::fmod(azimuth, 360) + 360, 360) * 10);
    return QString::number(tenths >= 3600 ? 0.0 : tenths / 10, 'f', 1);
}

QList<TRow> Rows(const astro::TNight& night, double coreAltitude)
{
    const QString reason = NightReasonInEnglish(night, coreAltitude);
    if (night.Windows.empty())
        return {{"dark_start", NAN, nullptr, reason}};
    QList<TRow> rows;
    for (const astro::TDarkWindow& window : night.Windows) {
        rows.append({"dark_start", window.Start, nullptr, window.Core.empty() ? reason : QString()});
        for (const astro::TCoreSpan& span : window.Core) {
            rows.append({"core_visible_start", span.Start.Time, &span.Start, {}});
            rows.append({"core_highest", span.Highest.Time, &span.Highest, {}});
            rows.append({"core_visible_end", span.End.Time, &span.End, {}});
        }
        rows.append({"dark_end", window.End, nullptr, {}});
    }
    return rows;
}

}  // namespace

QString NightCsvHeader() { return QStringLiteral("date,event,local_time,utc_time,azimuth,altitude,note"); }

QStringList NightCsvRows(const TLocalNight& night, const astro::TNight* computed, double coreAltitude,
                         const TPlaceZone& zone)
{
    const QList<TRow> rows =
        computed && !night.empty()
            ? Rows(*computed, coreAltitude)
            : QList<TRow>{{"dark_start", NAN, nullptr, LocalString(NotOnThisDay, QLocale::English)}};
    const QString date = DateOfDay(night.Number).toString(Qt::ISODate);
    QStringList lines;
    for (const TRow& row : rows) {
        const QString fields[] = {date,
                                  QString::fromLatin1(row.Event),
                                  IsoLocalTime(row.Time, zone),
                                  IsoUniversalTime(row.Time),
                                  row.Core ? AzimuthField(row.Core->Azimuth) : QString(),
                                  row.Core ? Tenths(row.Core->Altitude) : QString(),
                                  row.Note};
        QStringList quoted;
        for (const QString& field : fields)
            quoted << CsvField(field);
        lines << quoted.join(u',');
    }
    return lines;
}
