#include "controls/guard.h"

#include "controls/errors.h"

#include <cstdio>
#include <exception>

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

}  // namespace

void TGuard::setReporter(Reporter newReporter) { reporter() = std::move(newReporter); }

bool TGuard::run(const std::function<void()>& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const std::bad_alloc&) {
        report(QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        report(QString::fromUtf8(error.what()));
    } catch (...) {
        report(QStringLiteral("Unexpected error"));
    }
    return false;
}
