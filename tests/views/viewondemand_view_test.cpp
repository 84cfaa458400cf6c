// A window's view made at its first showing: not before, once only, and then shown, hidden and
// run modally as a view made at start-up is.

#include "controls/bindingview.h"
#include "controls/viewondemand.h"
#include "controls/window.h"

#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ViewOnDemand : public testing::Test {
protected:
    TWindow window{QStringLiteral("Planner")};
    int made = 0;
    TViewOnDemand lazy{window, [this] {
                           ++made;
                           auto dialog = std::make_unique<QDialog>();
                           Bind::window(window, dialog.get());
                           return dialog;
                       }};
};

TEST_F(ViewOnDemand, IsNotMadeBeforeTheWindowShows)
{
    window.Hide();
    window.setCaption(QStringLiteral("Planner of the night"));
    EXPECT_EQ(made, 0);
    EXPECT_EQ(lazy.view(), nullptr);
    EXPECT_EQ(window.bounds(), QRect());
}

TEST_F(ViewOnDemand, IsMadeOnceAndFollowsEveryShowing)
{
    window.setCaption(QStringLiteral("Planner of the night"));
    window.Show();
    ASSERT_NE(lazy.view(), nullptr);
    EXPECT_TRUE(lazy.view()->isVisible());
    EXPECT_EQ(lazy.view()->windowTitle(), QStringLiteral("Planner of the night"));
    window.Hide();
    EXPECT_FALSE(lazy.view()->isVisible());
    window.BringToFront();
    EXPECT_TRUE(lazy.view()->isVisible());
    EXPECT_EQ(made, 1);
}

TEST_F(ViewOnDemand, RunsTheFirstModalShowingOnTheNewView)
{
    QTimer::singleShot(0, [this] { window.setModalResult(TModalResult::OK); });
    EXPECT_EQ(window.ShowModal(), TModalResult::OK);
    ASSERT_NE(lazy.view(), nullptr);
    EXPECT_FALSE(lazy.view()->isVisible());
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(made, 1);
}

TEST(ViewOnDemandGone, LeavesNoHookBehind)
{
    TWindow window(QStringLiteral("Editor"));
    for (const bool shown : {false, true}) {
        {
            TViewOnDemand lazy(window, [&window] {
                auto dialog = std::make_unique<QDialog>();
                Bind::window(window, dialog.get());
                return dialog;
            });
            if (shown)
                window.Show();
        }
        EXPECT_FALSE(window.onVisibleChange) << "shown: " << shown;
        EXPECT_FALSE(window.onShowModal) << "shown: " << shown;
    }
}

}  // namespace
