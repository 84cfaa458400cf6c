#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "controls/bindingview.h"
#include "controls/clock.h"
#include "controls/controllist.h"
#include "moonpicture/moon.h"
#include "moonpicture/moonview.h"
#include "moonwindow/trayicon.h"
#include "moonwindow/trayiconview.h"

namespace {

constexpr double FirstQuarter2024 = 45330.5;  // 2024-02-08 12:00, about a quarter before

// A moon declared as the windows declare theirs, so that it carries its name.
struct TMoonOwner : TControlOwner {
    explicit TMoonOwner(const TClock& clock) : Moon(clock) {}
    CONTROL(TMoon, Moon);
};

TEST(MoonPictureView, ShowsThePictureAtItsSize)
{
    TFixedClock clock(FirstQuarter2024, 0);
    TMoonOwner owner(clock);
    TMoon& moon = owner.Moon;
    QWidget window;
    TImageWidget* shown = BindMoon(moon, &window);
    EXPECT_EQ(window.findChild<TImageWidget*>(QStringLiteral("Moon")), shown);
    EXPECT_EQ(shown->size(), QSize(64, 64));

    moon.setDate(FirstQuarter2024 + 5.0);
    EXPECT_EQ(shown->grab().toImage().convertToFormat(QImage::Format_RGB32),
              moon.picture().convertToFormat(QImage::Format_RGB32));
    // The icon follows the style's large icon size.
    EXPECT_EQ(moon.icon().width(), QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize));
}

TEST(TrayIconView, BindsTheTimerAndRoutesClicks)
{
    TTrayIcon tray;
    QObject owner;
    auto* platform = new TSystemTrayPlatform(tray, &owner);
    EXPECT_EQ(owner.findChild<TSystemTrayPlatform*>(QStringLiteral("TrayIcon")), platform);
    auto* timer = platform->findChild<QTimer*>(QStringLiteral("TrayIconAnimation"));
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(tray.isAvailable(), QSystemTrayIcon::isSystemTrayAvailable());

    int doubleClicks = 0;
    tray.onDblClick = [&] { ++doubleClicks; };
    auto* icon = platform->findChild<QSystemTrayIcon*>();
    ASSERT_NE(icon, nullptr);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(doubleClicks, 1);
}

// Whether or not the desktop has a notification area, showing, changing and hiding the icon
// never fails, and the icon is gone once the component is.
TEST(TrayIconView, ShowsAndRemovesTheIconSafely)
{
    QObject owner;
    QSystemTrayIcon* icon = nullptr;
    {
        TTrayIcon tray;
        auto* platform = new TSystemTrayPlatform(tray, &owner);
        icon = platform->findChild<QSystemTrayIcon*>();
        TIcon image(32, 32, QImage::Format_ARGB32);
        image.fill(qRgba(200, 200, 200, 255));
        tray.setIcon(image);
        tray.setToolTip(QStringLiteral("42%"));
        tray.setActive(true);
        EXPECT_EQ(icon->toolTip(), QStringLiteral("42%"));
        EXPECT_FALSE(icon->icon().isNull());
        EXPECT_EQ(icon->isVisible(), QSystemTrayIcon::isSystemTrayAvailable());
    }
    EXPECT_FALSE(icon->isVisible());
}

}  // namespace
