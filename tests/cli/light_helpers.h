#pragma once
// Runs `--light` as the command line would and reads its CSV back, for the tests of tests/cli.

#include "cli/lightcommand.h"
#include "cli/lightcsv.h"
#include "controls/clock.h"

#include <QDateTime>
#include <QStringList>
#include <gtest/gtest.h>

// One CSV row, by column.
struct TCsvRow {
    QString Date, Event, LocalTime, UtcTime, Azimuth, Note, Illuminated;
};

// Splits a CSV line into its fields; quoted fields may hold commas and doubled quotes.
inline QStringList CsvFields(const QString& line)
{
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted && c == u'"' && i + 1 < line.size() && line.at(i + 1) == u'"') {
            fields.last() += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            fields << QString();
        } else {
            fields.last() += c;
        }
    }
    return fields;
}

// The rows after the header; a line of the wrong width fails the test.
inline QList<TCsvRow> CsvRows(const QString& output)
{
    QStringList lines = output.split(u'\n');
    EXPECT_EQ(lines.takeFirst(), LightCsvHeader());
    EXPECT_TRUE(lines.takeLast().isEmpty()) << "ends with a line break";
    QList<TCsvRow> rows;
    for (const QString& line : lines) {
        const QStringList f = CsvFields(line);
        EXPECT_EQ(f.size(), 7) << qPrintable(line);
        if (f.size() == 7)
            rows.append({f[0], f[1], f[2], f[3], f[4], f[5], f[6]});
    }
    return rows;
}

// A row of `rows`, which must outlive the pointer: rows of a temporary list are refused.
const TCsvRow* RowOf(QList<TCsvRow>&& rows, const char* event) = delete;
inline const TCsvRow* RowOf(const QList<TCsvRow>& rows, const char* event)
{
    for (const TCsvRow& row : rows) {
        if (row.Event == QLatin1String(event))
            return &row;
    }
    ADD_FAILURE() << "no row " << event;
    return nullptr;
}

// A fixed "now" for the runs that leave out --date: 2027-06-21 10:00 UTC.
inline const TFixedClock& MidsummerClock()
{
    static const TFixedClock clock(46559 + 10.0 / 24, 0);
    return clock;
}

inline TLightAnswer RunLight(const QString& place, const QString& date, const QString& format = "csv",
                             const QString& days = QString(), const QString& zone = QString(),
                             const QString& settings = QString())
{
    TLightRequest request;
    request.Place = place;
    request.Date = date;
    request.Format = format;
    request.Days = days;
    request.Zone = zone;
    request.SettingsFile = settings;
    return RunLightCommand(request, MidsummerClock());
}

// Minutes after local midnight of an ISO 8601 local time ("2027-06-21T04:43:12+02:00").
inline double LocalMinutes(const QString& isoTime)
{
    const QTime time = QTime::fromString(isoTime.mid(11, 8), QStringLiteral("HH:mm:ss"));
    return time.isValid() ? time.msecsSinceStartOfDay() / 60000.0 : -1;
}
