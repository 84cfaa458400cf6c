#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/dialogs.h"
#include "tray/trayicon.h"
#include "tray/trayiconimagelist.h"

namespace {

// Records what the component asks of the notification area.
class FakeTray : public TTrayPlatform {
public:
    struct Command {
        char kind;  // 'a'dd, 'm'odify, 'd'elete
        TNotifyIconData data;
    };

    bool available = true;
    std::vector<Command> commands;
    int postedResets = 0;
    int foregrounds = 0;
    QPoint cursor{640, 1010};

    bool isAvailable() const override { return available; }
    bool add(const TNotifyIconData& data) override { return record('a', data); }
    bool modify(const TNotifyIconData& data) override { return record('m', data); }
    bool remove(const TNotifyIconData& data) override { return record('d', data); }
    void postResetToolTip() override { ++postedResets; }
    QPoint cursorPos() const override { return cursor; }
    Qt::KeyboardModifiers keyboardModifiers() const override { return Qt::ShiftModifier; }
    void bringToForeground() override { ++foregrounds; }

    void deliverPostedReset() { deliverResetToolTip(); }
    void click(TTrayMouseMessage message) { deliverMouseMessage(message); }

    QString kinds() const
    {
        QString result;
        for (const Command& c : commands)
            result += QChar::fromLatin1(c.kind);
        return result;
    }

private:
    bool record(char kind, const TNotifyIconData& data)
    {
        commands.push_back({kind, data});
        return available;
    }
};

TIcon SolidIcon(QRgb color)
{
    TIcon icon(16, 16, QImage::Format_ARGB32);
    icon.fill(color);
    return icon;
}

struct TrayIconTest : testing::Test {
    FakeTray platform;
    std::unique_ptr<TTrayIcon> tray = std::make_unique<TTrayIcon>();

    void SetUp() override { tray->setPlatform(&platform); }
};

TEST_F(TrayIconTest, StartsInactiveWithTheDocumentedDefaults)
{
    EXPECT_FALSE(tray->active());
    EXPECT_FALSE(tray->animate());
    EXPECT_EQ(tray->animateInterval(), 100);
    EXPECT_EQ(tray->animationTimer().interval(), 100);
    EXPECT_FALSE(tray->animationTimer().enabled());
    EXPECT_TRUE(tray->icon().isNull());
    EXPECT_TRUE(tray->toolTip().isEmpty());
    EXPECT_EQ(tray->images(), nullptr);
    EXPECT_EQ(tray->popupMenu(), nullptr);
    EXPECT_TRUE(platform.commands.empty());
}

TEST_F(TrayIconTest, SettingsWhileInactiveAreOnlyStoredAndShownByTheNextAdd)
{
    tray->setIcon(SolidIcon(qRgb(1, 2, 3)));
    tray->setToolTip(QStringLiteral("37%"));
    EXPECT_TRUE(platform.commands.empty());

    tray->setActive(true);
    ASSERT_EQ(platform.kinds(), QStringLiteral("a"));
    const TNotifyIconData& added = platform.commands[0].data;
    EXPECT_EQ(added.flags, unsigned(nifMessage | nifIcon | nifTip));
    EXPECT_EQ(added.icon, SolidIcon(qRgb(1, 2, 3)));
    EXPECT_EQ(added.tip, QStringLiteral("37%"));
    EXPECT_EQ(platform.postedResets, 0);

    tray->setToolTip(QStringLiteral("38%"));
    ASSERT_EQ(platform.kinds(), QStringLiteral("am"));
    EXPECT_EQ(platform.commands[1].data.flags, unsigned(nifIcon | nifTip));
    EXPECT_EQ(platform.commands[1].data.tip, QStringLiteral("38%"));
}

TEST_F(TrayIconTest, ActiveAddsAndRemovesOnlyOnChange)
{
    tray->setActive(false);
    tray->setActive(true);
    tray->setActive(true);
    tray->setActive(false);
    tray->setActive(false);
    EXPECT_EQ(platform.kinds(), QStringLiteral("ad"));
}

TEST_F(TrayIconTest, EmptyTooltipAtAddIsAppliedAgainLater)
{
    tray->setActive(true);
    EXPECT_EQ(platform.postedResets, 1);
    tray->setToolTip(QStringLiteral("50%"));
    platform.commands.clear();
    platform.deliverPostedReset();
    ASSERT_EQ(platform.kinds(), QStringLiteral("m"));
    EXPECT_EQ(platform.commands[0].data.tip, QStringLiteral("50%"));
}

TEST_F(TrayIconTest, TooltipKeepsItsFirst62Characters)
{
    const QString seventy = QString(60, QLatin1Char('x')) + QStringLiteral("0123456789");
    tray->setActive(true);
    tray->setToolTip(seventy);
    EXPECT_EQ(tray->toolTip(), seventy.left(62));
    EXPECT_EQ(platform.commands.back().data.tip, seventy.left(62));

    // A character outside the basic plane is kept whole or not at all.
    const QString clef = QString(61, QLatin1Char('y')) + QString::fromUcs4(U"\U0001D11E");
    tray->setToolTip(clef);
    EXPECT_EQ(tray->toolTip(), QString(61, QLatin1Char('y')));
}

TEST_F(TrayIconTest, OwnIconAssignedToItselfSendsNothing)
{
    tray->setIcon(SolidIcon(qRgb(9, 9, 9)));
    tray->setActive(true);
    platform.commands.clear();
    tray->setIcon(tray->icon());
    EXPECT_TRUE(platform.commands.empty());

    const TIcon copy = tray->icon();
    tray->setIcon(copy);
    ASSERT_EQ(platform.kinds(), QStringLiteral("m"));
    EXPECT_EQ(platform.commands[0].data.flags, unsigned(nifIcon));
}

TEST_F(TrayIconTest, AnimateIntervalTakesOnlyPositiveValues)
{
    for (int rejected : {0, -5}) {
        tray->setAnimateInterval(rejected);
        EXPECT_EQ(tray->animateInterval(), 100);
    }
    tray->setAnimateInterval(250);
    EXPECT_EQ(tray->animateInterval(), 250);
    EXPECT_EQ(tray->animationTimer().interval(), 250);
}

struct AnimationTest : TrayIconTest {
    TImageList frames;
    void SetUp() override
    {
        TrayIconTest::SetUp();
        for (QRgb color : {qRgb(10, 0, 0), qRgb(20, 0, 0), qRgb(30, 0, 0)})
            frames.add(SolidIcon(color));
        tray->setIcon(SolidIcon(qRgb(0, 0, 99)));
    }
};

TEST_F(AnimationTest, NeedsImagesAndActive)
{
    tray->setAnimate(true);  // neither
    EXPECT_FALSE(tray->animate());
    tray->setImages(&frames);
    tray->setAnimate(true);  // inactive
    EXPECT_FALSE(tray->animate());

    TImageList empty;
    tray->setImages(&empty);
    tray->setActive(true);
    tray->setAnimate(true);  // no image
    EXPECT_FALSE(tray->animate());
    EXPECT_FALSE(tray->animationTimer().enabled());
}

TEST_F(AnimationTest, CyclesThroughTheImagesAndRestoresTheIcon)
{
    tray->setImages(&frames);
    tray->setActive(true);
    tray->setAnimate(true);
    ASSERT_TRUE(tray->animationTimer().enabled());

    std::vector<QRgb> shown;
    for (int i = 0; i < 4; ++i) {
        tray->animationTimer().tick();
        shown.push_back(tray->icon().pixel(0, 0));
    }
    EXPECT_EQ(shown, (std::vector<QRgb>{qRgb(20, 0, 0), qRgb(30, 0, 0), qRgb(10, 0, 0), qRgb(20, 0, 0)}));

    tray->setAnimate(true);  // again: must not save a frame as the icon to restore
    tray->setAnimate(false);
    EXPECT_FALSE(tray->animationTimer().enabled());
    EXPECT_EQ(tray->icon().pixel(0, 0), qRgb(0, 0, 99));
    EXPECT_EQ(platform.commands.back().data.icon.pixel(0, 0), qRgb(0, 0, 99));
}

TEST_F(AnimationTest, SwitchingOffWhenNotAnimatingKeepsTheIcon)
{
    tray->setAnimate(false);
    EXPECT_EQ(tray->icon().pixel(0, 0), qRgb(0, 0, 99));
}

TEST_F(AnimationTest, ImagesGoingAwayStopTheAnimation)
{
    auto doomed = std::make_unique<TImageList>();
    doomed->add(SolidIcon(qRgb(1, 1, 1)));
    doomed->add(SolidIcon(qRgb(2, 2, 2)));
    tray->setImages(doomed.get());
    tray->setActive(true);
    tray->setAnimate(true);
    tray->animationTimer().tick();
    doomed.reset();
    EXPECT_EQ(tray->images(), nullptr);
    EXPECT_FALSE(tray->animate());
    EXPECT_EQ(tray->icon().pixel(0, 0), qRgb(0, 0, 99));
    tray->animationTimer().tick();  // a late tick finds no images and changes nothing
    EXPECT_EQ(tray->icon().pixel(0, 0), qRgb(0, 0, 99));
}

TEST_F(AnimationTest, ComponentGoingAwayLeavesTheImageListUsable)
{
    tray->setImages(&frames);
    tray.reset();
    EXPECT_EQ(frames.count(), 3);  // and its destruction must not call into the dead component
}

TEST_F(TrayIconTest, DestroyingAnActiveComponentRemovesTheIcon)
{
    tray->setActive(true);
    tray.reset();
    EXPECT_EQ(platform.kinds(), QStringLiteral("ad"));
}

TEST_F(TrayIconTest, DestroyingAnInactiveComponentSendsNothing)
{
    tray.reset();
    EXPECT_TRUE(platform.commands.empty());
}

TEST_F(TrayIconTest, MouseMessagesReachTheirEvents)
{
    int clicks = 0;
    int doubleClicks = 0;
    std::vector<QPoint> rightClicks;
    Qt::KeyboardModifiers shift;
    tray->onClick = [&] { ++clicks; };
    tray->onDblClick = [&] { ++doubleClicks; };
    tray->onRightClick = [&](Qt::MouseButton button, Qt::KeyboardModifiers s, int x, int y) {
        EXPECT_EQ(button, Qt::RightButton);
        shift = s;
        rightClicks.emplace_back(x, y);
    };
    platform.click(tmLeftButtonUp);
    platform.click(tmLeftButtonDoubleClick);
    platform.click(tmOther);
    platform.click(tmRightButtonUp);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(rightClicks, std::vector<QPoint>{QPoint(640, 1010)});
    EXPECT_EQ(shift, Qt::ShiftModifier);
    EXPECT_EQ(platform.foregrounds, 0);  // no menu to show
}

TEST_F(TrayIconTest, RightClickPopsTheMenuUpAtTheCursor)
{
    TPopupMenu menu;
    std::vector<QPoint> popups;
    menu.onPopup = [&](QPoint at) { popups.push_back(at); };
    tray->setPopupMenu(&menu);
    platform.click(tmRightButtonUp);
    EXPECT_EQ(platform.foregrounds, 1);
    EXPECT_EQ(popups, std::vector<QPoint>{QPoint(640, 1010)});
}

TEST(TrayIconWithoutNotificationArea, SaysSoAndKeepsItsState)
{
    TTrayIcon alone;
    EXPECT_FALSE(alone.isAvailable());
    alone.setActive(true);
    alone.setToolTip(QStringLiteral("12%"));
    alone.mouseMessage(tmRightButtonUp);
    EXPECT_TRUE(alone.active());

    FakeTray missing;
    missing.available = false;
    alone.setPlatform(&missing);
    EXPECT_FALSE(alone.isAvailable());
    // An active icon is offered to a platform attached later; the desktop declines it.
    EXPECT_EQ(missing.kinds(), QStringLiteral("a"));
    alone.setPlatform(nullptr);
}

TEST(TrayIconPlatform, GoingAwayDetachesFromTheComponent)
{
    TTrayIcon tray;
    {
        FakeTray platform;
        tray.setPlatform(&platform);
        EXPECT_TRUE(tray.isAvailable());
    }
    EXPECT_FALSE(tray.isAvailable());
    tray.setActive(true);  // must not reach the destroyed platform
    EXPECT_TRUE(tray.active());
}

}  // namespace
