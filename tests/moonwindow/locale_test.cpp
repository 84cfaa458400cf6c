#include "moonwindow/dialogfields.h"
#include "moonwindow/frmjulian.h"
#include "tests/locale_switch.h"
#include "tests/moonwindow/moonwindowfixture.h"
#include "tests/test_printers.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct TAlmanacLocaleCase {
    const char* locale;
    const char* hours;  // the offset of a bias of -330 minutes
};

class MoonWindowInLocale : public MoonWindowTest, public testing::WithParamInterface<TAlmanacLocaleCase> {};

// The hour offset is a general number with the locale's separator; the Julian date, distances
// and apparent sizes are fixed-decimal figures with "." everywhere.
TEST_P(MoonWindowInLocale, OffsetFollowsTheLocaleFixedFiguresKeepTheFullStop)
{
    const TLocaleSwitch inLocale(GetParam().locale);
    create(At(2000, 1, 2, 5, 30), -330);
    EXPECT_TRUE(calculator->sun.val_local.text().endsWith(QString(" = UTC plus ") + GetParam().hours + " hours"))
        << calculator->sun.val_local.text().toStdString();
    EXPECT_EQ(calculator->sun.val_julian.text(), "2451545.50000");
    const QRegularExpression moonDistance(R"(, [ \d]\d\.\d )");
    EXPECT_TRUE(moonDistance.match(calculator->sun.val_moon_distance.text()).hasMatch())
        << calculator->sun.val_moon_distance.text().toStdString();
    const QRegularExpression sunDistance(R"(,  0\.98\d )");
    EXPECT_TRUE(sunDistance.match(calculator->sun.val_sun_distance.text()).hasMatch())
        << calculator->sun.val_sun_distance.text().toStdString();
    const QRegularExpression subtend(R"(^0\.\d{4}$)");
    EXPECT_TRUE(subtend.match(calculator->sun.val_moon_subtend.text()).hasMatch())
        << calculator->sun.val_moon_subtend.text().toStdString();
    EXPECT_TRUE(subtend.match(calculator->sun.val_sun_subtend.text()).hasMatch())
        << calculator->sun.val_sun_subtend.text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Locales, MoonWindowInLocale,
                         testing::Values(TAlmanacLocaleCase{"C.UTF-8", "5.5"}, TAlmanacLocaleCase{"de_DE.UTF-8", "5,5"},
                                         TAlmanacLocaleCase{"th_TH.UTF-8", "5.5"}));

struct TJulianTextCase {
    const char* locale;
    const char* typed;
    bool accepted;
};

class JulianDialogInLocale : public testing::TestWithParam<TJulianTextCase> {};

// The dialog reads the locale's separator, and also the "." of the Julian date the almanac shows.
TEST_P(JulianDialogInLocale, ReadsTheLocaleSeparatorAndTheFullStop)
{
    const TLocaleSwitch inLocale(GetParam().locale);
    TFixedClock clock{At(2026, 12, 7), 0};
    Tfrm_julian dialog(clock);
    dialog.edt_julian.setText(GetParam().typed);
    EXPECT_EQ(dialog.btn_ok.enabled(), GetParam().accepted) << GetParam().typed;
    if (GetParam().accepted) {
        EXPECT_DOUBLE_EQ(dialog.FValue, At(2000, 1, 2)) << GetParam().typed;
        EXPECT_DOUBLE_EQ(ReadJulianDate(GetParam().typed), 2451545.5);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, JulianDialogInLocale,
                         testing::Values(TJulianTextCase{"C.UTF-8", "2451545.5", true},
                                         TJulianTextCase{"C.UTF-8", "2451545,5", false},
                                         TJulianTextCase{"de_DE.UTF-8", "2451545,5", true},
                                         TJulianTextCase{"de_DE.UTF-8", "2451545.50000", true},
                                         TJulianTextCase{"de_DE.UTF-8", "2.451.545,5", false},
                                         TJulianTextCase{"th_TH.UTF-8", "2451545.5", true},
                                         TJulianTextCase{"th_TH.UTF-8", "2451545,5", false}));

TEST(JulianDateText, FiveDecimalsWithTheLocaleSeparator)
{
    const struct {
        const char* locale;
        const char* text;
    } cases[] = {{"C.UTF-8", "2451545.50000"}, {"de_DE.UTF-8", "2451545,50000"}, {"th_TH.UTF-8", "2451545.50000"}};
    for (const auto& c : cases) {
        const TLocaleSwitch inLocale(c.locale);
        EXPECT_EQ(JulianDateText(2451545.5), c.text) << c.locale;
        EXPECT_EQ(JulianDateText(1721423.25), QString("1721423") + QLocale().decimalPoint() + "25000") << c.locale;
    }
}

}  // namespace
