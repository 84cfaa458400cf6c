#include "calculator/frmmain.h"
#include "calculator/sunpageview.h"
#include "controls/clock.h"
#include "tests/locale_switch.h"

#include <QCheckBox>
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
    for (const char* name :
         {"lbl_julian",      "val_julian",      "lbl_utc",          "val_utc",           "lbl_local",
          "val_local",       "lbl_age",         "val_age",          "lbl_phase",         "val_phase",
          "lbl_moon_distance", "val_moon_distance", "lbl_moon_subtend", "val_moon_subtend", "lbl_sun_distance",
          "val_sun_distance", "lbl_sun_subtend", "val_sun_subtend", "lbl_lastnew",       "val_newmoon",
          "lbl_firstquart",  "val_firstquart",  "lbl_full",         "val_full",          "lbl_lastquart",
          "val_lastquart",   "lbl_nextnew",     "val_nextnew",      "lbl_lastlunation",  "val_lastlunation",
          "lbl_nextlunation", "val_nextlunation", "Label110",        "lblSunAzimuth",     "Label111",
          "lblSunElevation", "lbl_sunrise",     "val_sunrise",      "lbl_suntransit",    "val_suntransit",
          "lbl_sunset",      "val_sunset",      "lbl_moonrise",     "val_moonrise",      "lbl_moontransit",
          "val_moontransit", "lbl_moonset",     "val_moonset",      "Moon",              "ImgSunPos",
          "lblSunVisible",   "lblLocation",     "Label129",         "btnUTCTime",        "btnLocation",
          "gpbxComfort",     "edtTemp",         "edtHumidity",      "edtWind",           "edtSunElev",
          "chbxSunElev",     "edtSolarCorr",    "lblTempAppShade",  "lblTempAppSun",     "MemoComfort"})
        EXPECT_NE(child<QWidget>(name), nullptr) << name;
}

TEST_F(SunPageView, TypingATemperatureShowsTheComfortEstimate)
{
    QLineEdit* elevation = child<QLineEdit>("edtSunElev");
    ASSERT_NE(elevation, nullptr);
    elevation->selectAll();
    elevation->insert("60");
    EXPECT_EQ(child<QLabel>("lblTempAppShade")->text(), LocaleText("17.4 degrees C"));
    EXPECT_EQ(child<QLabel>("lblTempAppSun")->text(), LocaleText("30.5 degrees C"));
}

TEST_F(SunPageView, LabelsFollowTheirControlsAndTheLocationButtonIsDisabled)
{
    form.val_sunrise.setText("06:12 UTC 7 December 2026");
    EXPECT_EQ(child<QLabel>("val_sunrise")->text(), "06:12 UTC 7 December 2026");
    EXPECT_FALSE(child<QPushButton>("btnLocation")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>("chbxSunElev")->isChecked());
    form.lblSunVisible.setVisible(false);
    EXPECT_TRUE(child<QLabel>("lblSunVisible")->isHidden());
}

}  // namespace
