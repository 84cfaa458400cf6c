#include "app/commandline.h"

#include "cli/commandlinetext.h"
#include "locations/inifile.h"
#include "texts/appinfo.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString ProgramName = QStringLiteral("Shutterly");

TCommandLine Rejection(const QString& reason)
{
    return {TCommandLine::caReject, {}, reason + CommandLine::tr("\nTry 'shutterly --help' for the options.\n")};
}

// The usage line names the program as it was called, which the parser only knows with an
// application object.
QString HelpText(const QCommandLineParser& parser, const QString& program)
{
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QFileInfo(program).fileName());
    return text;
}

// A file-system refusal is one line: the options were right, the file is not.
TCommandLine FileRejection(const QString& reason)
{
    TCommandLine line{TCommandLine::caReject, {}, reason + u'\n'};
    line.answerAtOnce = true;
    return line;
}

// Why `path` cannot serve as the settings file, or nothing when it can. Only a regular file
// (or none yet) is read: a pipe would block the start and a device would be read without end.
QString SettingsFileProblem(const QString& path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return CommandLine::tr("The settings file '%1' is a folder.").arg(path);
    if (!file.dir().exists())
        return CommandLine::tr("The folder of the settings file '%1' does not exist.").arg(path);
    switch (SettingsFileKind(path)) {
    case TSettingsFileKind::NotRegular:
        return CommandLine::tr("The settings file '%1' is not a regular file.").arg(path);
    case TSettingsFileKind::TooLarge:
        return CommandLine::tr("The settings file '%1' is larger than 64 MB, too large for a settings file.").arg(path);
    default: return {};
    }
}

}  // namespace

TCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash (-platform, -style): read such a word as one
    // option, so that an unknown one is named as typed rather than letter by letter.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        CommandLine::tr("Calculator and almanac for photographers: depth of field, exposure, "
                        "studio lighting, sun and moon."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     CommandLine::tr("Shows the program's version and exits."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        CommandLine::tr("Keeps the settings (moon options and locations) in <file> instead of "
                        "the usual shutterly.ini."),
        CommandLine::tr("file"));
    const QCommandLineOption light(
        QStringLiteral("light"), CommandLine::tr("Prints the light of the place's local day(s) (dawns, blue and golden "
                                                 "hours, sunrise, sunset, dusks, moonrise, moonset) and exits."));
    const QCommandLineOption night(
        QStringLiteral("night"),
        CommandLine::tr("Prints the night of the place's local date(s), from noon to noon: the dark sky (sun below "
                        "-18 degrees, moon down) and when the Milky Way's core stands high in it, and exits."));
    const QCommandLineOption moonLitBelow(
        QStringLiteral("moon-lit-below"),
        CommandLine::tr("With --night: a moon lit less than n per cent of its disc counts as down; default off."),
        CommandLine::tr("n"));
    const QCommandLineOption coreAltitude(
        QStringLiteral("core-altitude"),
        CommandLine::tr("With --night: the altitude in degrees the Milky Way's core must reach, 0 to 90; default 10."),
        CommandLine::tr("deg"));
    const QCommandLineOption place(
        QStringLiteral("place"),
        CommandLine::tr("With --light or --night: LAT,LON in decimal degrees, north and east positive "
                        "(52.52,13.405), a stored location's name or a town (Tromso)."),
        CommandLine::tr("place"));
    const QCommandLineOption date(
        QStringLiteral("date"),
        CommandLine::tr("With --light or --night: the place's local date YYYY-MM-DD; default today there."),
        CommandLine::tr("date"));
    const QCommandLineOption days(
        QStringLiteral("days"),
        CommandLine::tr("With --light or --night: how many days from the date, 1 to 366; default 1."),
        CommandLine::tr("n"));
    const QCommandLineOption zone(
        QStringLiteral("zone"),
        CommandLine::tr("With --light or --night: the IANA time zone of the times (Europe/Berlin); "
                        "default the place's own, else that of the nearest town."),
        CommandLine::tr("zone"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    CommandLine::tr("With --light: text (default, in your language), csv (one row "
                                                    "per event: date,event,local_time,utc_time,azimuth,note,"
                                                    "illuminated) or ics (an iCalendar file of the golden and blue "
                                                    "hours, sunrise, sunset, moonrise and moonset). With --night: "
                                                    "text or csv (date,event,local_time,utc_time,azimuth,altitude,"
                                                    "note)."),
                                    CommandLine::tr("format"));
    const QCommandLineOption find(QStringLiteral("find"),
                                  CommandLine::tr("Prints the places of the built-in table whose name or a word of it "
                                                  "starts with TEXT, one per line (name, region, country, latitude, "
                                                  "longitude east +, zone, population, parted by tabs), and exits."),
                                  CommandLine::tr("text"));
    const QCommandLineOption limit(QStringLiteral("limit"),
                                   CommandLine::tr("With --find: how many places at most, 1 to 1000; default 10."),
                                   CommandLine::tr("n"));
    parser.addOptions({help, version, settings, light, night, moonLitBelow, coreAltitude, place, date, days, zone,
                       format, find, limit});

    if (!parser.parse(arguments))
        return Rejection(parser.errorText());
    if (parser.isSet(help))
        return {TCommandLine::caShowHelp, {}, HelpText(parser, arguments.value(0))};
    if (parser.isSet(version))
        return {TCommandLine::caShowVersion,
                {},
                ProgramName + QLatin1Char(' ') + QLatin1String(ApplicationVersion) + QLatin1Char('\n')};
    // The parser takes the word after an option as its value whatever it is; an option there
    // means the value was left out (a negative latitude has one dash only).
    const QCommandLineOption* const lightOptions[] = {&place, &date, &days, &zone, &format};
    const QCommandLineOption* const nightOptions[] = {&moonLitBelow, &coreAltitude};
    const QCommandLineOption* const valuedOptions[] = {&place, &date,  &days,         &zone,        &format,
                                                       &find,  &limit, &moonLitBelow, &coreAltitude};
    for (const QCommandLineOption* option : valuedOptions) {
        for (const QString& value : parser.values(*option)) {
            if (value.startsWith(QStringLiteral("--")))
                return Rejection(CommandLine::tr("Missing value after '--%1'.").arg(option->names().constFirst()));
        }
    }
    if (!parser.positionalArguments().isEmpty())
        return Rejection(CommandLine::tr("Unexpected argument '%1': Shutterly opens no files.")
                             .arg(parser.positionalArguments().constFirst()));

    TCommandLine line;
    if (parser.isSet(find) || parser.isSet(limit)) {
        if (!parser.isSet(find))
            return Rejection(CommandLine::tr("The option --limit belongs to --find."));
        if (parser.isSet(light))
            return Rejection(CommandLine::tr("The options --find and --light cannot be given together."));
        if (parser.isSet(night))
            return Rejection(CommandLine::tr("The options --find and --night cannot be given together."));
        for (const QCommandLineOption* option : {&find, &limit}) {
            if (parser.values(*option).size() > 1)
                return Rejection(
                    CommandLine::tr("The option --%1 is given more than once.").arg(option->names().constFirst()));
        }
        line.action = TCommandLine::caFind;
        line.findText = parser.value(find);
        line.findLimit = parser.isSet(limit) ? parser.value(limit) : QString();
        return line;
    }
    if (parser.isSet(settings)) {
        const QString value = parser.value(settings);
        if (value.isEmpty())
            return Rejection(CommandLine::tr("The option --settings needs the name of a file."));
        line.settingsFile = QDir::cleanPath(QFileInfo(value).absoluteFilePath());
        const QString problem = SettingsFileProblem(line.settingsFile);
        if (!problem.isEmpty())
            return FileRejection(problem);
    }

    if (parser.isSet(light) && parser.isSet(night))
        return Rejection(CommandLine::tr("The options --light and --night cannot be given together."));
    if (!parser.isSet(night)) {
        for (const QCommandLineOption* option : nightOptions) {
            if (parser.isSet(*option))
                return Rejection(
                    CommandLine::tr("The option --%1 belongs to --night.").arg(option->names().constFirst()));
        }
    }
    if (!parser.isSet(light) && !parser.isSet(night)) {
        for (const QCommandLineOption* option : lightOptions) {
            if (parser.isSet(*option))
                return Rejection(CommandLine::tr("The option --%1 belongs to --light or --night.")
                                     .arg(option->names().constFirst()));
        }
        return line;
    }
    for (const QCommandLineOption* option : lightOptions) {
        if (parser.values(*option).size() > 1)
            return Rejection(
                CommandLine::tr("The option --%1 is given more than once.").arg(option->names().constFirst()));
    }
    for (const QCommandLineOption* option : nightOptions) {
        if (parser.values(*option).size() > 1)
            return Rejection(
                CommandLine::tr("The option --%1 is given more than once.").arg(option->names().constFirst()));
    }
    const bool isNight = parser.isSet(night);
    if (!parser.isSet(place))
        return Rejection(CommandLine::tr("The option --%1 needs --place.").arg(isNight ? "night" : "light"));
    line.action = isNight ? TCommandLine::caNight : TCommandLine::caLight;
    // An option left out stays a null text, which tells it from one given empty.
    const auto valueOf = [&parser](const QCommandLineOption& option) {
        if (!parser.isSet(option))
            return QString();
        const QString value = parser.value(option);
        return value.isNull() ? QStringLiteral("") : value;
    };
    line.light.Place = valueOf(place);
    line.light.Date = valueOf(date);
    line.light.Days = valueOf(days);
    line.light.Zone = valueOf(zone);
    line.light.Format = valueOf(format);
    if (isNight) {
        line.night.Days = line.light;
        line.night.MoonLitBelow = valueOf(moonLitBelow);
        line.night.CoreAltitude = valueOf(coreAltitude);
    }
    return line;
}

QString ArgumentProblem(const QByteArray& argument)
{
    if (QFile::encodeName(QFile::decodeName(argument)) == argument)
        return {};
    return CommandLine::tr("The argument '%1' is not valid text in this system's encoding, so Shutterly "
                           "cannot tell which file it names.")
        .arg(QFile::decodeName(argument));
}
