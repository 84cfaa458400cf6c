#pragma once
// The one door through which the toolkit enters the window logic. A user edit, a click or a
// timer tick runs its handler chain here; an error ends the chain, its message is shown, and
// the window stays usable. Labels written before the error keep their new texts.

#include <QString>
#include <functional>

class TGuard {
public:
    using Reporter = std::function<void(const QString& message)>;

    // The application-wide error report (a message box in the program). Without one, messages
    // go to standard error.
    static void setReporter(Reporter reporter);

    // Runs the handler; returns false when it raised an error, which has then been reported.
    static bool run(const std::function<void()>& handler) noexcept;
};
