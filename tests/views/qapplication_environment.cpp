#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

// The one QApplication of views_tests: every view test in this folder relies on it, so a new
// test file needs no environment of its own.

namespace {

class QApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "views_tests";
            static char* argv[] = {name, nullptr};
            FApp = std::make_unique<QApplication>(argc, argv);
        }
    }
    void TearDown() override { FApp.reset(); }

private:
    std::unique_ptr<QApplication> FApp;
};

[[maybe_unused]] testing::Environment* const QApplicationEnv =
    testing::AddGlobalTestEnvironment(new QApplicationEnvironment);

}  // namespace
