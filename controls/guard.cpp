#include "controls/guard.h"

#include "controls/edit.h"
#include "controls/errors.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>
#include <map>
#include <set>

namespace {

TGuard::Reporter& reporter()
{
    static TGuard::Reporter instance;
    return instance;
}

void report(const QString& message) noexcept
{
    try {
        if (reporter())
            reporter()(message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message));
    } catch (...) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

// Runs the handler; on an error returns its message instead of raising it.
std::optional<QString> failureOf(const std::function<void()>& handler) noexcept
{
    try {
        handler();
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return QCoreApplication::translate("Messages", "Out of memory");
    } catch (const EUserError& error) {
        return error.message();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QCoreApplication::translate("Messages", "Unexpected error");
    }
}

// How many repeating handlers are failing with each message that has been reported.
std::map<QString, int>& repeatingFailures()
{
    static std::map<QString, int> instance;
    return instance;
}

// The messages the saves of the program's end have reported.
std::set<QString>& endFailures()
{
    static std::set<QString> instance;
    return instance;
}

}  // namespace

void TGuard::setReporter(Reporter newReporter) { reporter() = std::move(newReporter); }

bool TGuard::run(const std::function<void()>& handler) noexcept
{
    const std::optional<QString> failure = failureOf(handler);
    if (failure)
        report(*failure);
    return !failure;
}

bool TGuard::runAtEnd(const std::function<void()>& handler) noexcept
{
    const std::optional<QString> failure = failureOf(handler);
    if (!failure)
        return true;
    bool first = true;
    // Without the memory to remember it, the message is reported again rather than lost.
    failureOf([&] { first = endFailures().insert(*failure).second; });
    if (first)
        report(*failure);
    return false;
}

bool TGuard::runTyped(TEdit& field, const std::function<void()>& handler) noexcept
{
    const std::optional<QString> failure = failureOf(handler);
    // Marking repaints the box: a failure there is the program's own and is reported.
    if (const auto markFailure = failureOf([&] { field.setError(failure.value_or(QString())); }))
        report(*markFailure);
    return !failure;
}

TRepeatGuard::~TRepeatGuard() { forget(); }

bool TRepeatGuard::run(const std::function<void()>& handler) noexcept
{
    const std::optional<QString> failure = failureOf(handler);
    if (failure == FRepeating)
        return !failure;
    forget();
    if (!failure)
        return true;
    FRepeating = failure;
    // Counted before the report: a message box runs the event loop, and the ticks that come
    // meanwhile must already find the message reported.
    if (repeatingFailures()[*failure]++ == 0)
        report(*failure);
    return false;
}

void TRepeatGuard::forget() noexcept
{
    if (!FRepeating)
        return;
    const auto found = repeatingFailures().find(*FRepeating);
    if (found != repeatingFailures().end() && --found->second == 0)
        repeatingFailures().erase(found);
    FRepeating.reset();
}
