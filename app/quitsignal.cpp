#include "app/quitsignal.h"

#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The write end of the pipe the handler wakes the event loop through: a signal handler may
// only write to a file descriptor.
int WakeUp = -1;

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(WakeUp, &byte, 1);
}

constexpr int ReadyTries = 40;
constexpr int ReadyStepMilliseconds = 50;

// A signal during the making of the windows waits for them, up to two seconds; a start that
// hangs longer (a message box nobody answers) ends as it would have without this.
void endWhenReady(const std::function<void()>& quit, int triesLeft)
{
    if (quit) {
        quit();
        return;
    }
    if (triesLeft == 0) {
        std::signal(SIGTERM, SIG_DFL);
        std::raise(SIGTERM);
        return;
    }
    QTimer::singleShot(ReadyStepMilliseconds, [&quit, triesLeft] { endWhenReady(quit, triesLeft - 1); });
}

}  // namespace

void QuitOnTerminationSignals(const std::function<void()>& quit)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    WakeUp = ends[1];
    auto* notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [&quit, readEnd = ends[0]] {
        char bytes[16];
        while (::read(readEnd, bytes, sizeof bytes) > 0) {
        }
        endWhenReady(quit, ReadyTries);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}
