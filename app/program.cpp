#include "app/program.h"

#include "almanac/placestore.h"
#include "app/appicon.h"
#include "app/commandline.h"
#include "app/quitsignal.h"
#include "app/singleinstance.h"
#include "calculator/calculatorwindowview.h"
#include "calculator/frmmain.h"
#include "cli/commandlinetext.h"
#include "cli/findcommand.h"
#include "cli/lightcommand.h"
#include "cli/nightcommand.h"
#include "controls/clock.h"
#include "controls/guard.h"
#include "controls/modalview.h"
#include "controls/viewondemand.h"
#include "locations/frmlocations.h"
#include "locations/frmlocationsview.h"
#include "locations/settingsfile.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/frmutcview.h"
#include "moonwindow/mainform.h"
#include "moonwindow/moonwindowview.h"
#include "moredata/frmmore.h"
#include "moredata/frmmoreview.h"
#include "places/placetable.h"
#include "planner/frmplanner.h"
#include "planner/frmplannerview.h"
#include "texts/appinfo.h"
#include "texts/translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// Without a display the toolkit would abort with a cryptic message; say what to do instead.
bool graphicalSessionAvailable()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

// Prints what the command line asked for, or why it was refused; returns the exit code.
int Answer(const TCommandLine& line)
{
    std::FILE* stream = line.action == TCommandLine::caReject ? stderr : stdout;
    std::fputs(line.message.toLocal8Bit().constData(), stream);
    return line.exitCode();
}

// The light of a place, printed without a display.
int PrintLight(const TCommandLine& line)
{
    TLightRequest request = line.light;
    request.SettingsFile = SettingsFileName(line.settingsFile);
    const TSystemClock clock;
    const TLightAnswer answer = RunLightCommand(request, clock);
    std::fputs(answer.Output.toUtf8().constData(), stdout);
    std::fputs(answer.Error.toUtf8().constData(), stderr);
    return answer.ExitCode;
}

// The night of a place, printed without a display, as the light is.
int PrintNight(const TCommandLine& line)
{
    TNightRequest request = line.night;
    request.Days.SettingsFile = SettingsFileName(line.settingsFile);
    const TSystemClock clock;
    const TLightAnswer answer = RunNightCommand(request, clock);
    std::fputs(answer.Output.toUtf8().constData(), stdout);
    std::fputs(answer.Error.toUtf8().constData(), stderr);
    return answer.ExitCode;
}

// The places of a name, printed without a display.
int PrintPlaces(const TCommandLine& line)
{
    const TFindAnswer answer = RunFindCommand(line.findText, line.findLimit, TPlaceTable::BuiltIn());
    std::fputs(answer.Output.toUtf8().constData(), stdout);
    std::fputs(answer.Error.toUtf8().constData(), stderr);
    return answer.ExitCode;
}

QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

// The first argument that does not pass through the local encoding unchanged, or nothing.
QString UnreadableArgument(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (const QString problem = ArgumentProblem(argv[i]); !problem.isEmpty())
            return problem;
    return {};
}

// Everything the program says without a window: the command line's answers, or that no
// graphical session was found. The application object carries the translators and tells the
// settings file's usual folder.
int AnswerWithoutWindows(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    InstallTranslations(app);
    if (const QString problem = UnreadableArgument(argc, argv); !problem.isEmpty()) {
        std::fputs((problem + u'\n').toLocal8Bit().constData(), stderr);
        return 2;
    }
    const TCommandLine line = ParseCommandLine(Arguments(argc, argv));
    switch (line.action) {
    case TCommandLine::caLight: return PrintLight(line);
    case TCommandLine::caNight: return PrintNight(line);
    case TCommandLine::caFind: return PrintPlaces(line);
    case TCommandLine::caStart:
        std::fputs(CommandLine::tr("Shutterly needs a graphical desktop session and none was found; to "
                                   "start it without one, run it under a virtual display: xvfb-run -a %1\n")
                       .arg(QFile::decodeName(argv[0]))
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return 1;
    default: return Answer(line);
    }
}

// Whether the command line is answered without starting the windows. A command line refused
// here may still hold the toolkit's own options (-platform, -style), which only the graphical
// application object takes out; it is answered at once only when there is no display to try.
bool AnsweredWithoutWindows(int argc, char** argv)
{
    if (!UnreadableArgument(argc, argv).isEmpty() || !graphicalSessionAvailable())
        return true;
    const TCommandLine line = ParseCommandLine(Arguments(argc, argv));
    switch (line.action) {
    case TCommandLine::caStart: return false;
    case TCommandLine::caReject: return line.answerAtOnce;
    default: return true;
    }
}

// Closing the calculator ends the program, whichever other windows are open; closing another
// window leaves it running.
template <typename View>
View OtherWindow(View view)
{
    view->setAttribute(Qt::WA_QuitOnClose, false);
    return view;
}

// Reads the command line, creates the five windows in their order and runs the event loop.
int RunWithWindows(int argc, char** argv, const std::function<void(QWidget&)>& beforeShowing)
{
    QApplication app(argc, argv);
    std::function<void()> endSession;
    QuitOnTerminationSignals(endSession);
    // The windows, and a command line refused once the toolkit took its options out, in the
    // user's language.
    InstallTranslations(app);
    const TCommandLine commandLine = ParseCommandLine(QApplication::arguments());
    if (commandLine.action != TCommandLine::caStart)
        return Answer(commandLine);
    QApplication::setApplicationName("Shutterly");
    QApplication::setApplicationVersion(ApplicationVersion);
    // Lets the desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(ApplicationId);
    TGuard::setReporter(
        [](const QString& message) { QMessageBox::critical(QApplication::activeWindow(), "Shutterly", message); });

    const QString settingsFile = SettingsFileName(commandLine.settingsFile);
    TSingleInstance instance(settingsFile);
    if (instance.anotherRuns()) {
        const QString text =
            instance.callTheRunningCopy()
                ? CommandLine::tr("Shutterly is already running with %1; its window is brought to the front.\n")
                : CommandLine::tr("Shutterly is already running with %1.\n");
        std::fputs(text.arg(settingsFile).toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (const QString problem = SettingsReadProblem(settingsFile); !problem.isEmpty())
        QMessageBox::warning(nullptr, QStringLiteral("Shutterly"), problem);
    TSystemClock clock;
    // The places every window reads and the editor and More Data change.
    TPlaceStore places(settingsFile);

    // Each window runs its creation handler as it is created; the ones after the calculator
    // stay hidden until a menu or button calls them up.
    TFrmMain calculator(clock);
    CalculatorWindowView calculatorView(calculator);
    // The moon window makes its phase picture the icon of every other window.
    calculatorView.setWindowIcon(ApplicationIcon());
    TGuard::run([&] {
        calculator.FormCreate();
        calculator.useSettingsFile(settingsFile);
    });

    TMainForm moon(calculator, clock, settingsFile);
    MoonWindowView moonView(moon);
    BindModalOver(moon, &moonView, &calculatorView);
    TGuard::run([&] { moon.FormCreate(); });

    Tfrm_more more(calculator, clock, places);
    FrmMoreView moreView(more);

    // The planner, the location editor and the UTC dialog are built when first called up.
    Tfrm_planner planner;
    TViewOnDemand plannerView(planner, [&] { return OtherWindow(std::make_unique<FrmPlannerView>(planner)); });
    more.ConnectPlanner(&planner);

    Tfrm_locations locations(places);
    TViewOnDemand locationsView(locations, [&] { return OtherWindow(std::make_unique<FrmLocationsView>(locations)); });

    Tfrm_utc utc(clock);
    TViewOnDemand utcView(utc, [&] { return OtherWindow(std::make_unique<FrmUtcView>(utc)); });

    moon.connectWindows(&more, &locations, &utc);
    calculator.connectWindows(&moon, &more, &locations);

    for (QWidget* view : std::initializer_list<QWidget*>{&moonView, &moreView})
        OtherWindow(view);
    // The calculator's Exit command hides the window; that is turned into the closing, which
    // saves the locations.
    const std::function<void(bool)> showCalculator = calculator.onVisibleChange;
    calculator.onVisibleChange = [&](bool visible) {
        if (visible)
            showCalculator(true);
        else
            calculatorView.close();
    };

    instance.onCalled([&] {
        if (moon.trayIcon().active())
            moon.tray_dblclick();
        if (calculatorView.isMinimized())
            calculatorView.showNormal();
        calculatorView.raise();
        calculatorView.activateWindow();
    });

    endSession = [&] {
        // Nobody is left to click a message box when the session ends: a failed save is
        // written where the program was started from.
        TGuard::setReporter({});
        for (QWidget* view : std::initializer_list<QWidget*>{&moonView, &moreView, plannerView.view(),
                                                             locationsView.view(), utcView.view()})
            if (view && view->isVisible())
                view->close();
        calculatorView.close();
        QApplication::quit();
    };

    if (beforeShowing)
        beforeShowing(calculatorView);
    calculator.Show();
    return app.exec();
}

}  // namespace

int RunShutterly(int argc, char** argv, const std::function<void(QWidget& calculator)>& beforeShowing)
{
    if (AnsweredWithoutWindows(argc, argv))
        return AnswerWithoutWindows(argc, argv);
    return RunWithWindows(argc, argv, beforeShowing);
}
