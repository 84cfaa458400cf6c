#include "moonwindow/frmutc.h"

#include "../test_printers.h"
#include "moonwindowfixture.h"
#include "texts/stringtable.h"

#include <QLocale>

namespace {

class UtcDialog : public ::testing::Test {
protected:
    // Fields as the user types them.
    void type(const char* year, int monthIndex, const char* day, const char* hour, const char* minute,
              const char* second)
    {
        dialog.edt_year.setText(year);
        dialog.cbx_month.setItemIndex(monthIndex);
        dialog.edt_day.setText(day);
        dialog.edt_hour.setText(hour);
        dialog.edt_min.setText(minute);
        dialog.edt_sec.setText(second);
    }

    QString julian(const char* text) const
    {
        QString wanted = QString::fromLatin1(text);
        return wanted.replace('.', QLocale().decimalPoint());
    }

    TFixedClock clock{At(2026, 12, 7, 10), -600};
    Tfrm_utc dialog{clock};
};

TEST_F(UtcDialog, CreationFillsTheMonthsAndCaptions)
{
    EXPECT_EQ(dialog.cbx_month.count(), 12);
    EXPECT_EQ(dialog.cbx_month.items().front(), QLocale().standaloneMonthName(1));
    EXPECT_FALSE(dialog.caption().isEmpty());
}

TEST_F(UtcDialog, J2000NoonShowsItsJulianDate)
{
    type("2000", 0, "1", "12", "0", "0");
    EXPECT_EQ(dialog.lbl_julian.text(), julian("2451545.00000"));
    EXPECT_TRUE(dialog.btn_ok.enabled());
    EXPECT_DOUBLE_EQ(dialog.FValue, At(2000, 1, 1, 12));
}

struct TInvalidCase {
    const char* name;
    const char* year;
    int monthIndex;
    const char* day;
    const char* hour;
    const char* minute;
    const char* second;
};

class UtcDialogInvalid : public UtcDialog, public ::testing::WithParamInterface<TInvalidCase> {};

TEST_P(UtcDialogInvalid, ShowsInvalidAndDisablesOk)
{
    const TInvalidCase& c = GetParam();
    type(c.year, c.monthIndex, c.day, c.hour, c.minute, c.second);
    EXPECT_EQ(dialog.lbl_julian.text(), LocalString(42049));
    EXPECT_FALSE(dialog.btn_ok.enabled());
}

INSTANTIATE_TEST_SUITE_P(Fields, UtcDialogInvalid,
                         ::testing::Values(TInvalidCase{"Hour24", "2000", 0, "1", "24", "0", "0"},
                                           TInvalidCase{"EmptyDay", "2000", 0, "", "0", "0", "0"},
                                           TInvalidCase{"April31", "2000", 3, "31", "0", "0", "0"},
                                           TInvalidCase{"InTheReformGap", "1582", 9, "10", "0", "0", "0"},
                                           TInvalidCase{"Year0", "0", 0, "1", "0", "0", "0"},
                                           TInvalidCase{"Year10000", "10000", 0, "1", "0", "0", "0"},
                                           TInvalidCase{"Minute60", "2000", 0, "1", "0", "60", "0"},
                                           TInvalidCase{"NegativeSecond", "2000", 0, "1", "0", "0", "-1"},
                                           TInvalidCase{"Blank", "2000", 0, " 1", "0", "0", "0"},
                                           TInvalidCase{"Hex", "$7D0", 0, "1", "0", "0", "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UtcDialog, Hour23AfterHour24EnablesOkAgain)
{
    type("2000", 0, "1", "24", "0", "0");
    ASSERT_FALSE(dialog.btn_ok.enabled());
    dialog.edt_hour.setText("23");
    EXPECT_TRUE(dialog.btn_ok.enabled());
    EXPECT_EQ(dialog.lbl_julian.text(), julian("2451545.45833"));
}

TEST_F(UtcDialog, TheLastJulianAndFirstGregorianDaysAreOneDayApart)
{
    type("1582", 9, "4", "0", "0", "0");
    ASSERT_TRUE(dialog.btn_ok.enabled());
    const double lastJulian = dialog.FValue;
    dialog.edt_day.setText("15");
    ASSERT_TRUE(dialog.btn_ok.enabled());
    EXPECT_DOUBLE_EQ(dialog.FValue - lastJulian, 1.0);
    EXPECT_EQ(dialog.lbl_julian.text(), julian("2299160.50000"));
}

TEST_F(UtcDialog, OpeningJustBeforeMidnightShowsAndReturnsTheWholeSecond)
{
    dialog.FValue = At(2026, 12, 7, 23, 59, 59.7);
    dialog.onShowModal = [] { return TModalResult::OK; };
    ASSERT_EQ(dialog.ShowModal(), TModalResult::OK);
    EXPECT_EQ(dialog.edt_hour.text(), "23");
    EXPECT_EQ(dialog.edt_min.text(), "59");
    EXPECT_EQ(dialog.edt_sec.text(), "59");
    EXPECT_EQ(dialog.edt_day.text(), "7");
    EXPECT_DOUBLE_EQ(dialog.FValue, At(2026, 12, 7, 23, 59, 59));
}

TEST_F(UtcDialog, ReopeningWithFieldsAlreadyShowingTheValueStillCutsItToWholeSeconds)
{
    dialog.FValue = At(2026, 12, 7, 8, 0, 0);
    dialog.ShowValue();
    dialog.FValue = At(2026, 12, 7, 8, 0, 0.6);
    dialog.ShowValue();
    EXPECT_DOUBLE_EQ(dialog.FValue, At(2026, 12, 7, 8));
}

TEST_F(UtcDialog, NowInAZoneTenHoursEastShowsMidnightOfTheSameDay)
{
    dialog.btn_now.click();
    EXPECT_EQ(dialog.edt_year.text(), "2026");
    EXPECT_EQ(dialog.cbx_month.itemIndex(), 11);
    EXPECT_EQ(dialog.edt_day.text(), "7");
    EXPECT_EQ(dialog.edt_hour.text(), "0");
    EXPECT_EQ(dialog.edt_min.text(), "0");
    EXPECT_TRUE(dialog.btn_ok.enabled());
}

TEST_F(UtcDialog, OkAndCancelEndTheDialog)
{
    dialog.btn_ok.click();
    EXPECT_EQ(dialog.modalResult(), TModalResult::OK);
    dialog.btn_cancel.click();
    EXPECT_EQ(dialog.modalResult(), TModalResult::Cancel);
}

}  // namespace
