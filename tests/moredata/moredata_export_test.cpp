#include "cli/lightcommand.h"
#include "controls/errors.h"
#include "moredata/lightexport.h"
#include "tests/locale_switch.h"
#include "tests/locations/testfiles.h"
#include "tests/moredata/moredata_test_support.h"
#include "tests/test_printers.h"

#include <QDir>
#include <QFile>

namespace {

// Berlin and Sydney with their zones, as the location editor stores them.
TLocationList Places()
{
    TLocation berlin = Place("Berlin", 52.52, -13.405, 34);
    berlin.TimeZone = QStringLiteral("Europe/Berlin");
    TLocation sydney = Place("Sydney", -33.8688, -151.2093);
    sydney.TimeZone = QStringLiteral("Australia/Sydney");
    return {berlin, sydney};
}

class LightExport : public MoreDataWindow {
protected:
    // The window on Berlin, its dialogs answering with `answer` and the file `target`.
    Tfrm_more& createWithDialogs(int index = 0)
    {
        store(Places(), index);
        Tfrm_more& w = create();
        w.onChooseLightExport = [this](TLightExportChoice& choice) {
            offered = choice;
            ++choicesAsked;
            if (answer)
                choice = *answer;
            return answer.has_value();
        };
        w.onChooseLightFile = [this](const QString& name, TLightFileFormat format) {
            proposed = name;
            proposedFormat = format;
            return target;
        };
        return w;
    }

    // What `shutterly --light` prints for the stored place `name` from `date` on, at the clock.
    QByteArray commandLine(const char* name, const char* date, int days, TLightFileFormat format) const
    {
        TLightRequest request;
        request.Place = QString::fromUtf8(name);
        request.Date = QString::fromLatin1(date);
        request.Days = QString::number(days);
        request.Format = format == TLightFileFormat::Csv ? QStringLiteral("csv") : QStringLiteral("ics");
        request.SettingsFile = settingsFile();
        const TLightAnswer answer = RunLightCommand(request, clock);
        EXPECT_EQ(answer.ExitCode, 0) << qPrintable(answer.Error);
        return answer.Output.toUtf8();
    }

    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    std::optional<TLightExportChoice> answer;
    QString target;
    TLightExportChoice offered;
    int choicesAsked = 0;
    QString proposed;
    std::optional<TLightFileFormat> proposedFormat;
};

// The export writes what the command line prints for the same place and days: the shown day
// onwards, on the place's clock, the calendar made at the clock's instant.
struct TExportCase {
    const char* name;
    int place;              // index of Places()
    const char* pickedDay;  // null: the window follows the clock (2024-03-20)
    const char* firstDate;  // of the file
    int days;
    TLightFileFormat format;
};

const TExportCase ExportCases[] = {
    {"TodayAsCsv", 0, nullptr, "2024-03-20", 1, TLightFileFormat::Csv},
    {"PickedWeekAsCalendar", 0, "2024-12-21", "2024-12-21", 7, TLightFileFormat::Ics},
    {"SouthernSummerTimeEndsAsCsv", 1, "2024-04-05", "2024-04-05", 3, TLightFileFormat::Csv},
    {"WholeLeapYearAsCalendar", 1, "2024-01-01", "2024-01-01", 366, TLightFileFormat::Ics},
};

class LightExportCases : public LightExport, public testing::WithParamInterface<TExportCase> {};

TEST_P(LightExportCases, WritesWhatTheCommandLinePrintsForThePlaceAndTheDays)
{
    const TExportCase& c = GetParam();
    Tfrm_more& w = createWithDialogs(c.place);
    if (c.pickedDay)
        w.dtp_day.setDate(QDate::fromString(QString::fromLatin1(c.pickedDay), Qt::ISODate));
    answer = TLightExportChoice{c.days, c.format};
    target = path("light.out");
    w.btn_export.click();

    ASSERT_EQ(proposedFormat, c.format);
    EXPECT_TRUE(proposed.endsWith(QStringLiteral(" %1.%2").arg(c.firstDate, LightFileSuffix(c.format))))
        << qPrintable(proposed);
    const QByteArray written = readBytes(target);
    const char* name = c.place == 0 ? "Berlin" : "Sydney";
    EXPECT_EQ(written, commandLine(name, c.firstDate, c.days, c.format));
    if (c.format == TLightFileFormat::Csv) {
        const QList<QByteArray> lines = written.split('\n');
        EXPECT_EQ(lines.size(), 1 + 14 * c.days + 1);
        EXPECT_TRUE(lines.value(1).startsWith(QByteArray(c.firstDate) + ",astronomical_dawn,"));
    } else {
        EXPECT_GE(written.count("BEGIN:VEVENT"), 4 * c.days);
        EXPECT_TRUE(written.contains("DTSTAMP:20240320T120000Z\r\n"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LightExportCases, testing::ValuesIn(ExportCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LightExport, RefusesACountOfDaysBeyondOneTo366BeforeAskingForTheFile)
{
    Tfrm_more& w = createWithDialogs();
    target = path("refused.ics");
    for (const int days : {0, -1, 367, 100000}) {
        answer = TLightExportChoice{days, TLightFileFormat::Ics};
        try {
            w.btn_export.click();
            ADD_FAILURE() << days << " days were taken";
        } catch (const EUserError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("The light is exported for 1 to 366 days, not %1.").arg(days));
        }
        EXPECT_FALSE(proposedFormat.has_value()) << "no file was asked for";
        EXPECT_THROW(w.ExportLight(*answer, target), EUserError);
    }
    EXPECT_FALSE(QFile::exists(target));
    for (const int days : {1, 366}) {
        EXPECT_NO_THROW(w.ExportLight({days, TLightFileFormat::Csv}, target)) << days;
        EXPECT_EQ(readBytes(target).count('\n'), 1 + 14 * days);
    }
}

TEST_F(LightExport, RefusesTheDaysBeforeTheGregorianCalendarTheFilesWrite)
{
    Tfrm_more& w = createWithDialogs();
    target = path("refused.csv");
    w.dtp_day.setDate(QDate(1582, 12, 31));
    try {
        w.ExportLight({1, TLightFileFormat::Csv}, target);
        ADD_FAILURE() << "1582 was exported";
    } catch (const EUserError& error) {
        EXPECT_EQ(error.message(), "Only the days of the years 1583 to 9999 can be exported.");
    }
    EXPECT_FALSE(QFile::exists(target));
    w.dtp_day.setDate(QDate(1583, 1, 1));
    EXPECT_NO_THROW(w.ExportLight({1, TLightFileFormat::Csv}, target));
    w.dtp_day.setDate(QDate(9998, 12, 31));
    EXPECT_NO_THROW(w.ExportLight({366, TLightFileFormat::Csv}, target));
    EXPECT_TRUE(readBytes(target).endsWith("\n")) << "the last day, 9999-12-31, is whole";
    EXPECT_TRUE(readBytes(target).contains("\n9999-12-31,moonset,"));
}

TEST_F(LightExport, ACancelWritesNothingAndTheNextExportStartsFromTheLastChoice)
{
    Tfrm_more& w = createWithDialogs();
    target = path("cancelled.ics");
    answer.reset();
    w.btn_export.click();
    EXPECT_FALSE(proposedFormat.has_value());
    EXPECT_EQ(offered, TLightExportChoice{});

    answer = TLightExportChoice{30, TLightFileFormat::Csv};
    target.clear();  // the file dialog cancelled
    w.btn_export.click();
    EXPECT_EQ(proposedFormat, TLightFileFormat::Csv);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).filter("cancelled").isEmpty());

    answer.reset();
    w.btn_export.click();
    EXPECT_EQ(offered, (TLightExportChoice{30, TLightFileFormat::Csv}));
    EXPECT_EQ(choicesAsked, 3);
}

TEST_F(LightExport, AFailedWriteSaysSoAndLeavesWhatWasThere)
{
    Tfrm_more& w = createWithDialogs();
    answer = TLightExportChoice{7, TLightFileFormat::Ics};
    const QString missingFolder = path("no such folder/light.ics");
    const QString folderItself = path("a folder");
    ASSERT_TRUE(QDir(folder.path()).mkdir("a folder"));
    writeBytes(path("a folder/kept.txt"), "kept");
    for (const QString& file : {missingFolder, folderItself}) {
        target = file;
        try {
            w.btn_export.click();
            ADD_FAILURE() << qPrintable(file) << " was written";
        } catch (const EUserError& error) {
            EXPECT_EQ(error.message(), "Unable to write to " + file);
        }
    }
    EXPECT_FALSE(QFile::exists(missingFolder));
    EXPECT_EQ(readBytes(path("a folder/kept.txt")), "kept");
    // Nothing of the attempts is left beside the files.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"shutterly.ini"}));
}

TEST_F(LightExport, ReplacesAnOlderFileWhole)
{
    Tfrm_more& w = createWithDialogs();
    target = path("light.csv");
    writeBytes(target, QByteArray(1 << 20, 'x'));
    w.ExportLight({1, TLightFileFormat::Csv}, target);
    EXPECT_EQ(readBytes(target), commandLine("Berlin", "2024-03-20", 1, TLightFileFormat::Csv));
}

TEST_F(LightExport, IsOnlyOfferedWithAPlace)
{
    Tfrm_more& w = create();
    EXPECT_FALSE(w.btn_export.enabled());
    EXPECT_THROW(w.ExportLight({1, TLightFileFormat::Ics}, path("none.ics")), EUserError);
    EXPECT_FALSE(QFile::exists(path("none.ics")));
    store(Places());
    w.ReloadLocations();
    EXPECT_TRUE(w.btn_export.enabled());
}

struct TNameCase {
    const char* locale;
    const char* place;
    TLightFileFormat format;
    const char* name;
};

const TNameCase NameCases[] = {
    {"C.UTF-8", "Berlin", TLightFileFormat::Ics, "Berlin light 2026-12-10.ics"},
    {"C.UTF-8", "Studio/North\\Wall", TLightFileFormat::Csv, "Studio-North-Wall light 2026-12-10.csv"},
    {"C.UTF-8", "  Two\tlines\n ", TLightFileFormat::Ics, "Two-lines light 2026-12-10.ics"},
    {"C.UTF-8", "%2%", TLightFileFormat::Ics, "%2% light 2026-12-10.ics"},
    {"de_DE.UTF-8", "München", TLightFileFormat::Ics, "München Licht 2026-12-10.ics"},
    {"th_TH.UTF-8", "กรุงเทพ", TLightFileFormat::Csv, "แสง กรุงเทพ 2026-12-10.csv"},
};

TEST(LightExportFileName, NamesThePlaceTheDayAndTheFormatInTheUsersLanguage)
{
    for (const TNameCase& c : NameCases) {
        const TLocaleSwitch language(c.locale);
        EXPECT_EQ(LightExportFileName(QString::fromUtf8(c.place), QDate(2026, 12, 10), c.format),
                  QString::fromUtf8(c.name))
            << c.locale << " " << c.place;
    }
}

TEST_F(LightExport, CaptionsTheButtonInTheUsersLanguage)
{
    const struct {
        const char* locale;
        const char* caption;
    } captions[] = {{"C.UTF-8", "Export..."}, {"de_DE.UTF-8", "Exportieren..."}, {"th_TH.UTF-8", "ส่งออก..."}};
    Tfrm_more& w = create();
    for (const auto& c : captions) {
        const TLocaleSwitch language(c.locale);
        w.LocalizeAndArrange();
        EXPECT_EQ(w.btn_export.caption(), QString::fromUtf8(c.caption)) << c.locale;
    }
}

}  // namespace
