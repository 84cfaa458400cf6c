#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>
#include <QWidget>

#include "controls/bindingview.h"
#include "controls/clock.h"
#include "controls/controllist.h"
#include "moonpicture/moon.h"
#include "moonpicture/moonview.h"

namespace {

constexpr double FirstQuarter2024 = 45330.5;  // 2024-02-08 12:00, about a quarter before

// A moon declared as the windows declare theirs, so that it carries its name.
struct TMoonOwner : TControlOwner {
    explicit TMoonOwner(const TClock& clock)
        : Moon(clock)
    {}
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

}  // namespace
