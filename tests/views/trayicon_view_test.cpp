#include <gtest/gtest.h>

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include "tray/trayicon.h"
#include "tray/trayiconview.h"

namespace {

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
