#include "app/commandline.h"
#include "texts/appinfo.h"

#include "locations/inifile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QStringList Arguments(const QStringList& options)
{
    return QStringList{QStringLiteral("/usr/bin/shutterly")} + options;
}

struct TAnswerCase {
    const char* name;
    QStringList options;
    TCommandLine::TAction action;
    int exitCode;
    const char* messageHolds;  // a piece of the printed text
    bool fileProblem = false;  // said in one line, without pointing to the help
};

const TAnswerCase AnswerCases[] = {
    {"Help", {"--help"}, TCommandLine::caShowHelp, 0, "Usage: shutterly [options]"},
    {"ShortHelp", {"-h"}, TCommandLine::caShowHelp, 0, "--settings <file>"},
    {"Version", {"--version"}, TCommandLine::caShowVersion, 0, "Shutterly "},
    {"ShortVersion", {"-v"}, TCommandLine::caShowVersion, 0, "Shutterly "},
    {"HelpBeforeSettings", {"--help", "--settings", "/nowhere/x.ini"}, TCommandLine::caShowHelp, 0, "Usage"},
    {"UnknownLong", {"--bogus"}, TCommandLine::caReject, 2, "Unknown option 'bogus'"},
    {"UnknownShortWord", {"-platform"}, TCommandLine::caReject, 2, "Unknown option 'platform'"},
    {"UnknownBesideHelp", {"--help", "--bogus"}, TCommandLine::caReject, 2, "'bogus'"},
    {"SettingsWithoutValue", {"--settings"}, TCommandLine::caReject, 2, "Missing value after '--settings'"},
    {"SettingsEmpty", {"--settings="}, TCommandLine::caReject, 2, "needs the name of a file"},
    {"FileArgument", {"photo.jpg"}, TCommandLine::caReject, 2, "Unexpected argument 'photo.jpg'"},
    {"SettingsInMissingFolder",
     {"--settings", "/nowhere/at/all/x.ini"},
     TCommandLine::caReject,
     2,
     "folder of the settings file '/nowhere/at/all/x.ini' does not exist",
     true},
    {"SettingsIsAFolder", {"--settings", "/"}, TCommandLine::caReject, 2, "'/' is a folder", true},
    {"SettingsIsADevice", {"--settings", "/dev/zero"}, TCommandLine::caReject, 2, "is not a regular file", true},

    {"HelpListsTheLight", {"--help"}, TCommandLine::caShowHelp, 0, "--light"},
    {"HelpListsThePlace", {"--help"}, TCommandLine::caShowHelp, 0, "--place <place>"},
    {"HelpListsTheFormats", {"--help"}, TCommandLine::caShowHelp, 0, "text (default, in your language), csv"},
    {"HelpBeforeLight", {"--light", "--help"}, TCommandLine::caShowHelp, 0, "--zone <zone>"},
    {"LightWithoutPlace", {"--light", "--days", "3"}, TCommandLine::caReject, 2, "--light needs --place"},
    {"PlaceWithoutLight", {"--place", "52.52,13.405"}, TCommandLine::caReject, 2, "--place belongs to --light"},
    {"FormatWithoutLight", {"--format", "csv"}, TCommandLine::caReject, 2, "--format belongs to --light"},
    {"PlaceAtTheEnd", {"--light", "--place"}, TCommandLine::caReject, 2, "Missing value after '--place'"},
    {"DateBeforeAnOption",
     {"--light", "--place", "Berlin", "--date", "--days", "2"},
     TCommandLine::caReject,
     2,
     "Missing value after '--date'"},
    {"ZoneTwice",
     {"--light", "--place", "Berlin", "--zone", "UTC", "--zone", "Europe/Berlin"},
     TCommandLine::caReject,
     2,
     "--zone is given more than once"},
    {"LightWithAFile", {"--light", "--place", "Berlin", "x.csv"}, TCommandLine::caReject, 2, "'x.csv'"},
    {"LimitWithoutFind", {"--limit", "3"}, TCommandLine::caReject, 2, "--limit belongs to --find"},
    {"FindWithLight", {"--find", "Tromso", "--light"}, TCommandLine::caReject, 2, "cannot be given together"},
    {"FindWithNight", {"--find", "Tromso", "--night"}, TCommandLine::caReject, 2, "--find and --night cannot"},
    {"NightWithLight",
     {"--night", "--light", "--place", "1,1"},
     TCommandLine::caReject,
     2,
     "--light and --night cannot"},
    {"NightWithoutPlace", {"--night", "--date", "2024-06-06"}, TCommandLine::caReject, 2, "--night needs --place"},
    {"MoonLitBelowWithoutNight", {"--moon-lit-below", "10"}, TCommandLine::caReject, 2, "belongs to --night"},
    {"CoreAltitudeWithLight",
     {"--light", "--place", "1,1", "--core-altitude", "20"},
     TCommandLine::caReject,
     2,
     "--core-altitude belongs to --night"},
    {"CoreAltitudeTwice",
     {"--night", "--place", "1,1", "--core-altitude", "20", "--core-altitude=30"},
     TCommandLine::caReject,
     2,
     "--core-altitude is given more than once"},
    {"MoonLitBelowWithoutValue",
     {"--night", "--place", "1,1", "--moon-lit-below"},
     TCommandLine::caReject,
     2,
     "Missing value after '--moon-lit-below'"},
    {"HelpListsTheNight", {"--help"}, TCommandLine::caShowHelp, 0, "--core-altitude <deg>"},
    {"FindTwice", {"--find", "a", "--find", "b"}, TCommandLine::caReject, 2, "--find is given more than once"},
    {"FindBeforeAnOption", {"--find", "--limit", "3"}, TCommandLine::caReject, 2, "Missing value after '--find'"},
    {"HelpListsTheFind", {"--help"}, TCommandLine::caShowHelp, 0, "--find <text>"},
};

class CommandLineAnswer : public testing::TestWithParam<TAnswerCase> {};

TEST_P(CommandLineAnswer, EndsWithoutStartingAndSaysWhy)
{
    const TAnswerCase& c = GetParam();
    const TCommandLine line = ParseCommandLine(Arguments(c.options));
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.exitCode(), c.exitCode);
    EXPECT_TRUE(line.message.contains(QString::fromUtf8(c.messageHolds))) << qPrintable(line.message);
    EXPECT_TRUE(line.message.endsWith('\n'));
    if (c.fileProblem) {
        EXPECT_EQ(line.message.count('\n'), 1) << qPrintable(line.message);
    } else if (c.action == TCommandLine::caReject) {
        EXPECT_TRUE(line.message.contains("shutterly --help")) << "points to the help";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineAnswer, testing::ValuesIn(AnswerCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, VersionIsTheProjectsYearAndMonth)
{
    const TCommandLine line = ParseCommandLine(Arguments({"--version"}));
    EXPECT_EQ(line.message, QStringLiteral("Shutterly %1\n").arg(ApplicationVersion));
    EXPECT_TRUE(QRegularExpression("^\\d{4}\\.\\d{1,2}$").match(ApplicationVersion).hasMatch()) << ApplicationVersion;
}

TEST(CommandLine, WithoutOptionsStartsWithTheUsualSettingsFile)
{
    const TCommandLine line = ParseCommandLine(Arguments({}));
    EXPECT_EQ(line.action, TCommandLine::caStart);
    EXPECT_TRUE(line.settingsFile.isEmpty());
    EXPECT_TRUE(line.message.isEmpty());
}

TEST(CommandLine, LightCollectsItsOptionsAsTyped)
{
    const TCommandLine line =
        ParseCommandLine(Arguments({"--light", "--place", "-33.87,151.2", "--days=3", "--format", "csv", "--zone="}));
    ASSERT_EQ(line.action, TCommandLine::caLight) << qPrintable(line.message);
    EXPECT_EQ(line.exitCode(), 0);
    EXPECT_EQ(line.light.Place, "-33.87,151.2") << "a negative latitude is a value, not an option";
    EXPECT_EQ(line.light.Days, "3");
    EXPECT_EQ(line.light.Format, "csv");
    EXPECT_TRUE(line.light.Zone.isEmpty() && !line.light.Zone.isNull()) << "given empty, to be refused by name";
    EXPECT_TRUE(line.light.Date.isNull()) << "left out: today there";
    EXPECT_TRUE(line.settingsFile.isEmpty());
}

TEST(CommandLine, NightCollectsItsOptionsAsTyped)
{
    const TCommandLine line = ParseCommandLine(Arguments({"--night", "--place", "-35.28,149.13", "--days=3", "--format",
                                                          "csv", "--moon-lit-below", "12.5", "--core-altitude=20"}));
    ASSERT_EQ(line.action, TCommandLine::caNight) << qPrintable(line.message);
    EXPECT_EQ(line.exitCode(), 0);
    EXPECT_EQ(line.night.Days.Place, "-35.28,149.13");
    EXPECT_EQ(line.night.Days.Days, "3");
    EXPECT_EQ(line.night.Days.Format, "csv");
    EXPECT_TRUE(line.night.Days.Date.isNull() && line.night.Days.Zone.isNull());
    EXPECT_EQ(line.night.MoonLitBelow, "12.5");
    EXPECT_EQ(line.night.CoreAltitude, "20");
    const TCommandLine plain = ParseCommandLine(Arguments({"--night", "--place", "1,1"}));
    ASSERT_EQ(plain.action, TCommandLine::caNight);
    EXPECT_TRUE(plain.night.MoonLitBelow.isNull()) << "left out: the moon counts whenever up";
    EXPECT_TRUE(plain.night.CoreAltitude.isNull());
}

class CommandLineSettings : public testing::Test {
protected:
    void TearDown() override { QDir::setCurrent(FStartFolder); }

    QTemporaryDir FFolder;
    const QString FStartFolder = QDir::currentPath();
};

TEST_F(CommandLineSettings, NamesAFileThatNeedNotExistYet)
{
    const QString file = FFolder.filePath("other.ini");
    for (const QStringList& options : {QStringList{"--settings", file}, QStringList{"--settings=" + file}}) {
        const TCommandLine line = ParseCommandLine(Arguments(options));
        EXPECT_EQ(line.action, TCommandLine::caStart) << qPrintable(line.message);
        EXPECT_EQ(line.settingsFile, file);
    }
}

TEST_F(CommandLineSettings, LightKeepsTheSettingsFileItWasGiven)
{
    const QString file = FFolder.filePath("places.ini");
    const TCommandLine line = ParseCommandLine(Arguments({"--settings", file, "--light", "--place", "Studio"}));
    EXPECT_EQ(line.action, TCommandLine::caLight) << qPrintable(line.message);
    EXPECT_EQ(line.settingsFile, file);
    EXPECT_EQ(line.light.Place, "Studio");
}

// What is not a regular file, or is too large to be a settings file, is refused in one line;
// a link to a regular file is that file.
TEST_F(CommandLineSettings, OnlyARegularFileOfUsualSizeIsASettingsFile)
{
    const QString pipe = FFolder.filePath("pipe.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString large = FFolder.filePath("large.ini");
    {
        QFile file(large);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(LargestSettingsFile + 1));
    }
    const QString usual = FFolder.filePath("usual.ini");
    QFile(usual).open(QIODevice::WriteOnly);
    const QString linkToPipe = FFolder.filePath("link-to-pipe.ini");
    const QString linkToUsual = FFolder.filePath("link.ini");
    ASSERT_TRUE(QFile::link(pipe, linkToPipe));
    ASSERT_TRUE(QFile::link(usual, linkToUsual));
    const struct {
        QString file;
        const char* refusal;
    } cases[] = {{pipe, "is not a regular file"},
                 {linkToPipe, "is not a regular file"},
                 {large, "is larger than 64 MB"},
                 {usual, nullptr},
                 {linkToUsual, nullptr}};
    for (const auto& c : cases) {
        const TCommandLine line = ParseCommandLine(Arguments({"--settings", c.file}));
        if (!c.refusal) {
            EXPECT_EQ(line.action, TCommandLine::caStart) << qPrintable(line.message);
            continue;
        }
        EXPECT_EQ(line.exitCode(), 2) << qPrintable(c.file);
        EXPECT_TRUE(line.message.startsWith(QStringLiteral("The settings file '%1' %2").arg(c.file, c.refusal)))
            << qPrintable(line.message);
        EXPECT_EQ(line.message.count('\n'), 1) << qPrintable(line.message);
    }
}

TEST(CommandLine, AnArgumentThatIsNoTextInTheLocalEncodingIsNamedAsTheProblem)
{
    EXPECT_EQ(ArgumentProblem("/tmp/plain.ini"), "");
    EXPECT_EQ(ArgumentProblem(QStringLiteral("/tmp/Zürich.ini").toUtf8()), "");
    const QString problem = ArgumentProblem("/tmp/bad\xff\xfe.ini");
    EXPECT_TRUE(problem.contains("is not valid text in this system's encoding")) << qPrintable(problem);
}

TEST(CommandLine, FindKeepsItsTextAndLimitAsTyped)
{
    const TCommandLine line = ParseCommandLine(Arguments({"--find", "Frankfurt am", "--limit=3"}));
    EXPECT_EQ(line.action, TCommandLine::caFind) << qPrintable(line.message);
    EXPECT_EQ(line.findText, "Frankfurt am");
    EXPECT_EQ(line.findLimit, "3");
    EXPECT_TRUE(ParseCommandLine(Arguments({"--find", "x"})).findLimit.isNull());
}

TEST_F(CommandLineSettings, RelativeNameIsTakenFromTheFolderTheProgramStartsIn)
{
    ASSERT_TRUE(QDir().mkdir(FFolder.filePath("sub")));
    ASSERT_TRUE(QDir::setCurrent(FFolder.filePath("sub")));
    const TCommandLine line = ParseCommandLine(Arguments({"--settings", "../mine.ini"}));
    EXPECT_EQ(line.action, TCommandLine::caStart) << qPrintable(line.message);
    EXPECT_EQ(line.settingsFile, QDir(FFolder.path()).canonicalPath() + "/mine.ini");
}

}  // namespace
