#include "app/commandline.h"

#include "texts/appinfo.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {

const QString ProgramName = QStringLiteral("Shutterly");

TCommandLine Rejection(const QString& reason)
{
    return {TCommandLine::caReject, {}, reason + QStringLiteral("\nTry 'shutterly --help' for the options.\n")};
}

// The usage line names the program as it was called, which the parser only knows with an
// application object.
QString HelpText(const QCommandLineParser& parser, const QString& program)
{
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QFileInfo(program).fileName());
    return text;
}

// Why `path` cannot serve as the settings file, or nothing when it can.
QString SettingsFileProblem(const QString& path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return QStringLiteral("The settings file '%1' is a folder.").arg(path);
    if (!file.dir().exists())
        return QStringLiteral("The folder of the settings file '%1' does not exist.").arg(path);
    return {};
}

}  // namespace

TCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash (-platform, -style): read such a word as one
    // option, so that an unknown one is named as typed rather than letter by letter.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Calculator and almanac for photographers: depth of field, exposure, "
                       "studio lighting, sun and moon."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the program's version and exits."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Keeps the settings (moon options and locations) in <file> instead of "
                       "the usual shutterly.ini."),
        QStringLiteral("file"));
    parser.addOptions({help, version, settings});

    if (!parser.parse(arguments))
        return Rejection(parser.errorText());
    if (parser.isSet(help))
        return {TCommandLine::caShowHelp, {}, HelpText(parser, arguments.value(0))};
    if (parser.isSet(version))
        return {TCommandLine::caShowVersion,
                {},
                ProgramName + QLatin1Char(' ') + QLatin1String(ApplicationVersion) + QLatin1Char('\n')};
    if (!parser.positionalArguments().isEmpty())
        return Rejection(QStringLiteral("Unexpected argument '%1': Shutterly opens no files.")
                             .arg(parser.positionalArguments().constFirst()));

    TCommandLine line;
    if (parser.isSet(settings)) {
        const QString value = parser.value(settings);
        if (value.isEmpty())
            return Rejection(QStringLiteral("The option --settings needs the name of a file."));
        line.settingsFile = QDir::cleanPath(QFileInfo(value).absoluteFilePath());
        const QString problem = SettingsFileProblem(line.settingsFile);
        if (!problem.isEmpty())
            return Rejection(problem);
    }
    return line;
}
