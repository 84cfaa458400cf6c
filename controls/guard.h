#pragma once
// The one door through which the toolkit enters the window logic. A user edit, a click or a
// timer tick runs its handler chain here; an error ends the chain, its message is shown, and
// the window stays usable. Labels written before the error keep their new texts.

#include <QString>
#include <functional>
#include <optional>

class TEdit;

class TGuard {
public:
    using Reporter = std::function<void(const QString& message)>;

    // The application-wide error report (a message box in the program). Without one, messages
    // go to standard error.
    static void setReporter(Reporter reporter);

    // Runs the handler; returns false when it raised an error, which has then been reported.
    static bool run(const std::function<void()>& handler) noexcept;

    // Runs a save of the program's end. A window closes whatever the save gave, and a file that
    // cannot be written would otherwise raise a box for every window that ends: each message is
    // reported once a run of the program.
    static bool runAtEnd(const std::function<void()>& handler) noexcept;

    // Runs the handler of a keystroke in `field`. An error marks the field with its message
    // (TEdit::error) instead of being reported: a message box would take the keys typed next,
    // and a partly typed number is no fault. Success clears the mark.
    static bool runTyped(TEdit& field, const std::function<void()>& handler) noexcept;
};

// The guard of a handler that runs again and again on its own, such as a timer's tick. A
// failure that came every second would bury the desktop under message boxes, so a message is
// reported once and not again while the runs keep failing with it, here or in any other
// repeating handler; each run is still tried, and one that succeeds re-arms the report.
class TRepeatGuard {
public:
    TRepeatGuard() = default;
    TRepeatGuard(const TRepeatGuard&) = delete;
    TRepeatGuard& operator=(const TRepeatGuard&) = delete;
    ~TRepeatGuard();

    // Returns false when the handler raised an error, reported or not.
    bool run(const std::function<void()>& handler) noexcept;

private:
    void forget() noexcept;

    std::optional<QString> FRepeating;  // the message this handler's runs keep failing with
};
