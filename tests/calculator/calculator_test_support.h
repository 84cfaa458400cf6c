#pragma once
// What the calculator's test files share: a window at a fixed date and the check of a user error.

#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "controls/errors.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>

// A calculator window before FormCreate, at 2026-12-07 00:00 local time, UTC+1.
class CalculatorForm : public testing::Test {
protected:
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
};

// Fails unless `action` raises an EUserError whose message is exactly `message`.
inline void expectUserError(const std::function<void()>& action, const QString& message)
{
    try {
        action();
        ADD_FAILURE() << "no error, expected " << message.toStdString();
    } catch (const EUserError& error) {
        EXPECT_EQ(error.message(), message);
    }
}
