// Shutterly: creates the calculator window and runs the event loop.

#include "calculator/formmainview.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "controls/guard.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

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

}  // namespace

int main(int argc, char** argv)
{
    if (!graphicalSessionAvailable()) {
        std::fprintf(stderr,
                     "Shutterly needs a graphical desktop session and none was found; "
                     "to start it without one, run it under a virtual display: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Shutterly");
    TGuard::setReporter([](const QString& message) {
        QMessageBox::critical(QApplication::activeWindow(), "Shutterly", message);
    });

    TSystemClock clock;
    TFrmMain calculator(clock);
    FormMainView calculatorView(calculator);
    TGuard::run([&] { calculator.FormCreate(); });
    calculator.Show();
    return app.exec();
}
