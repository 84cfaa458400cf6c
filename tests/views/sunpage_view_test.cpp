#include "calculator/frmmain.h"
#include "calculator/sunpageview.h"
#include "controls/clock.h"
#include "tests/locale_switch.h"
#include "tests/views/boundcontrols.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class SunPageView : public testing::Test {
protected:
    template <typename W>
    W* child(const char* name) const
    {
        return page->findChild<W*>(QString::fromLatin1(name));
    }

    // 2026-12-07 00:00 local time, UTC+1.
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    std::unique_ptr<QWidget> page{createSunPage(form, nullptr)};
};

TEST_F(SunPageView, EveryControlIsBound)
{
    EXPECT_EQ(UnboundControls(form.sun.controls(), *page), QStringList());
    EXPECT_NE(child<QGroupBox>("gpbxComfort"), nullptr);
}

TEST_F(SunPageView, TypingATemperatureShowsTheComfortEstimate)
{
    QLineEdit* elevation = child<QLineEdit>("edtSunElev");
    ASSERT_NE(elevation, nullptr);
    elevation->selectAll();
    elevation->insert("60");
    EXPECT_EQ(child<QLabel>("lblTempAppShade")->text(),
              QCoreApplication::translate("TSunPage", "%1 degrees C").arg(LocaleText("17.4")));
    EXPECT_EQ(child<QLabel>("lblTempAppSun")->text(),
              QCoreApplication::translate("TSunPage", "%1 degrees C").arg(LocaleText("30.5")));
}

TEST_F(SunPageView, LabelsFollowTheirControlsAndTheLocationButtonTakesClicks)
{
    form.sun.val_sunrise.setText("06:12 UTC 7 December 2026");
    EXPECT_EQ(child<QLabel>("val_sunrise")->text(), "06:12 UTC 7 December 2026");
    EXPECT_TRUE(child<QPushButton>("btnLocation")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("btnLocation")->toolTip().isEmpty());
    EXPECT_TRUE(child<QCheckBox>("chbxSunElev")->isChecked());
    form.sun.lblSunVisible.setVisible(false);
    EXPECT_TRUE(child<QLabel>("lblSunVisible")->isHidden());
}

}  // namespace
