#include "moonwindow/frmabout.h"
#include "moonwindow/frmjewish.h"
#include "moonwindow/frmjulian.h"

#include "../test_printers.h"
#include "astro/jewish_calendar.h"
#include "moonwindowfixture.h"
#include "texts/stringtable.h"

#include <QLocale>

namespace {

QString Month(int month) { return QLocale().monthName(month, QLocale::LongFormat); }

class JulianDialog : public ::testing::Test {
protected:
    TFixedClock clock{At(2026, 12, 7, 10), 60};
    Tfrm_julian dialog{clock};
};

TEST_F(JulianDialog, AJulianDateShowsItsUniversalTime)
{
    dialog.edt_julian.setText("2451545");
    EXPECT_EQ(dialog.lbl_utc.text(), "12:00:00 1 " + Month(1) + " 2000");
    EXPECT_TRUE(dialog.btn_ok.enabled());
    EXPECT_DOUBLE_EQ(dialog.FValue, At(2000, 1, 1, 12));
}

TEST_F(JulianDialog, TextAndDatesOutsideTheCalendarAreInvalid)
{
    for (const char* text : {"abc", "", "1000", "9999999"}) {
        dialog.edt_julian.setText(text);
        EXPECT_EQ(dialog.lbl_utc.text(), LocalString(42049)) << text;
        EXPECT_FALSE(dialog.btn_ok.enabled()) << text;
    }
}

TEST_F(JulianDialog, ShowingTheDialogFillsTheJulianDateAndNowTakesTheClock)
{
    dialog.FValue = At(2026, 12, 7);
    dialog.onShowModal = [] { return TModalResult::Cancel; };
    dialog.ShowModal();
    EXPECT_EQ(dialog.edt_julian.text(), QString("2461381.50000").replace('.', QLocale().decimalPoint()));
    dialog.btn_now.click();
    EXPECT_EQ(dialog.lbl_utc.text(), "11:00:00 7 " + Month(12) + " 2026");
}

class JewishDialog : public ::testing::Test {
protected:
    void show(double value)
    {
        dialog.FValue = value;
        dialog.ShowValue();
    }

    TFixedClock clock{At(2026, 12, 7, 10), 0};
    Tfrm_jewish dialog{clock};
};

TEST_F(JewishDialog, PassoverOfALeapYearIsTheFifteenthOfTheEighthMonth)
{
    // 15 Nisan 5784 began on the evening of 2024-04-22.
    show(At(2024, 4, 23, 9, 30));
    EXPECT_EQ(dialog.edt_jyear.text(), "5784");
    EXPECT_EQ(dialog.cbx_jmonth.count(), 13);
    EXPECT_EQ(dialog.cbx_jmonth.itemIndex(), 7);
    EXPECT_EQ(dialog.cbx_jmonth.text(), "Nisan");
    EXPECT_EQ(dialog.edt_jday.text(), "15");
    EXPECT_TRUE(dialog.btn_ok.enabled());
}

TEST_F(JewishDialog, EditingTheJewishDateMovesTheChristianDateAndKeepsTheTimeOfDay)
{
    show(At(2024, 4, 23, 9, 30));
    // A common year has twelve months; Nisan is the seventh.
    dialog.edt_jyear.setText("5785");
    EXPECT_EQ(dialog.cbx_jmonth.count(), 12);
    dialog.cbx_jmonth.setItemIndex(6);
    EXPECT_EQ(dialog.cbx_jmonth.text(), "Nisan");
    dialog.edt_jday.setText("15");
    EXPECT_EQ(dialog.edt_year.text(), "2025");
    EXPECT_EQ(dialog.cbx_month.itemIndex(), 3);
    EXPECT_EQ(dialog.edt_day.text(), "13");
    EXPECT_DOUBLE_EQ(dialog.FValue, At(2025, 4, 13, 9, 30));
}

TEST_F(JewishDialog, EditingTheChristianDateMovesTheJewishDate)
{
    show(At(2024, 4, 23));
    dialog.edt_year.setText("2023");
    dialog.cbx_month.setItemIndex(8);
    dialog.edt_day.setText("16");
    // 1 Tishri 5784.
    EXPECT_EQ(dialog.edt_jyear.text(), "5784");
    EXPECT_EQ(dialog.cbx_jmonth.itemIndex(), 0);
    EXPECT_EQ(dialog.edt_jday.text(), "1");
    EXPECT_DOUBLE_EQ(dialog.FValue, At(2023, 9, 16));
}

TEST_F(JewishDialog, ADayTheMonthDoesNotHaveIsInvalid)
{
    show(At(2024, 4, 23));
    dialog.edt_jday.setText("31");
    EXPECT_EQ(dialog.lbl_julian.text(), LocalString(42049));
    EXPECT_FALSE(dialog.btn_ok.enabled());
    dialog.edt_jday.setText("30");
    EXPECT_TRUE(dialog.btn_ok.enabled());
    dialog.edt_day.setText("x");
    EXPECT_FALSE(dialog.btn_ok.enabled());
}

TEST(AboutBox, TitleAndSmallMoon)
{
    TFixedClock clock{At(2026, 12, 7, 10), 0};
    Tfrm_about about{clock};
    EXPECT_EQ(about.Moon.moonSize(), ms32);
    EXPECT_FALSE(about.lbl_title.text().isEmpty());
    about.btn_ok.click();
    EXPECT_EQ(about.modalResult(), TModalResult::OK);
}

}  // namespace
