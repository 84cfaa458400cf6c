#include "texts/translations.h"

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
            // The views are measured on the smallest screen the program is made for; the
            // offscreen platform's own screen is smaller than any desktop.
            if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
                qputenv("QT_QPA_PLATFORM",
                        "offscreen:configfile=" SHUTTERLY_SOURCE_DIR "/tests/views/screen_1366x768.json");
            static int argc = 1;
            static char name[] = "views_tests";
            static char* argv[] = {name, nullptr};
            FApp = std::make_unique<QApplication>(argc, argv);
            // The windows in the suite's language, as the program shows them.
            InstallTranslations(*FApp);
        }
    }
    void TearDown() override { FApp.reset(); }

private:
    std::unique_ptr<QApplication> FApp;
};

[[maybe_unused]] testing::Environment* const QApplicationEnv =
    testing::AddGlobalTestEnvironment(new QApplicationEnvironment);

}  // namespace
