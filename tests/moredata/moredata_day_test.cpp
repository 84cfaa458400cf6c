#include "astro/errors.h"
#include "tests/moredata/moredata_test_support.h"
#include "tests/shown_text.h"
#include "tests/test_printers.h"

namespace {

class DayChooser : public MoreDataWindow {
protected:
    Tfrm_more& createHere()
    {
        store({Place("Here", 52.52, -13.40)});
        return create();
    }

    // The calculator's rise, transit and set texts.
    std::vector<QString> calculatorTimes() const
    {
        std::vector<QString> texts;
        for (const TLabel* label :
             {&calculator.sun.val_sunrise, &calculator.sun.val_suntransit, &calculator.sun.val_sunset,
              &calculator.sun.val_moonrise, &calculator.sun.val_moontransit, &calculator.sun.val_moonset})
            texts.push_back(label->text());
        return texts;
    }
};

TEST_F(DayChooser, StartsAtTheClocksDayAndFollowsIt)
{
    Tfrm_more& w = createHere();
    EXPECT_EQ(w.lbl_day.text(), Shown("Day:"));
    EXPECT_EQ(w.btn_today.caption(), Shown("Today"));
    EXPECT_TRUE(w.FollowsClock());
    EXPECT_EQ(w.dtp_day.date(), QDate(2024, 3, 20));
    const QString equinoxDawn = w.val_astrodawn.text();

    clock.set(At(2024, 3, 21, 0, 30));
    w.Timer.onTimer();
    EXPECT_EQ(w.dtp_day.date(), QDate(2024, 3, 21));
    EXPECT_TRUE(w.val_sunrise.text().endsWith(Shown("21 March 2024"))) << w.val_sunrise.text().toStdString();
    EXPECT_NE(w.val_astrodawn.text(), equinoxDawn);
}

TEST_F(DayChooser, APickedDayShowsItsBlocksAndItsYearAndLeavesTheCalculatorAtToday)
{
    Tfrm_more& w = createHere();
    const std::vector<QString> today = calculatorTimes();
    const QString equinoxSunrise = w.val_sunriselight.text();

    w.dtp_day.setDate(QDate(2025, 6, 21));
    EXPECT_FALSE(w.FollowsClock());
    EXPECT_TRUE(w.val_sunrise.text().endsWith(Shown("21 June 2025"))) << w.val_sunrise.text().toStdString();
    EXPECT_TRUE(w.val_moontransit.text().endsWith(Shown("21 June 2025")) || w.val_moontransit.text() == "---");
    EXPECT_NE(w.val_sunriselight.text(), equinoxSunrise);
    // Sunrise at midsummer in Berlin comes two hours before the equinox's.
    EXPECT_TRUE(w.val_sunriselight.text().startsWith(QStringLiteral("02:4")))
        << w.val_sunriselight.text().toStdString();
    // The year's events are those of 2025, the next ones counted from the picked day.
    // Published 09:01:25 UT.
    EXPECT_EQ(w.val_spring.text(), Shown("09:01 UTC 20 March 2025"));
    EXPECT_EQ(w.val_easter.text(), Shown("20 April 2025"));
    EXPECT_EQ(w.val_chinese.text(), Shown("29 January 2025 (Snake)"));
    EXPECT_TRUE(w.val_perihel.text().endsWith(Shown("January 2026"))) << w.val_perihel.text().toStdString();
    EXPECT_TRUE(w.val_suneclipse.text().endsWith(Shown("21 September 2025"))) << w.val_suneclipse.text().toStdString();

    // The almanac clock and the calculator's page stay at today.
    EXPECT_EQ(calculatorTimes(), today);
    EXPECT_TRUE(calculator.sun.val_sunrise.text().endsWith(Shown("20 March 2024")));
    EXPECT_DOUBLE_EQ(w.UniversalNow(), At(2024, 3, 20, 12));
}

// The calculator's day change and the window's timer recompute, but a picked day stays.
TEST_F(DayChooser, TheClocksDayChangeDoesNotOverrideAPickedDay)
{
    Tfrm_more& w = createHere();
    w.dtp_day.setDate(QDate(2025, 6, 21));
    const QString picked = w.val_sunriselight.text();
    clock.set(At(2024, 3, 22, 8));
    w.LocationChange();
    w.Timer.onTimer();
    EXPECT_EQ(w.dtp_day.date(), QDate(2025, 6, 21));
    EXPECT_EQ(w.val_sunriselight.text(), picked);
    EXPECT_TRUE(w.val_sunrise.text().endsWith(Shown("21 June 2025")));
    EXPECT_TRUE(calculator.sun.val_sunrise.text().endsWith(Shown("22 March 2024")))
        << calculator.sun.val_sunrise.text().toStdString();
}

TEST_F(DayChooser, TodayReturnsToTheClock)
{
    Tfrm_more& w = createHere();
    const QString equinoxSunrise = w.val_sunriselight.text();
    w.dtp_day.setDate(QDate(2025, 6, 21));
    w.btn_today.click();
    EXPECT_TRUE(w.FollowsClock());
    EXPECT_EQ(w.dtp_day.date(), QDate(2024, 3, 20));
    EXPECT_EQ(w.val_sunriselight.text(), equinoxSunrise);
    EXPECT_EQ(w.val_spring.text(), Shown("03:06 UTC 20 March 2024"));
    EXPECT_EQ(w.val_sunrise.text(), calculator.sun.val_sunrise.text());
    clock.set(At(2024, 3, 23, 8));
    w.LocationChange();
    EXPECT_EQ(w.dtp_day.date(), QDate(2024, 3, 23));
}

// Picking the clock's own day shows what following it shows.
TEST_F(DayChooser, PickingTodayMatchesFollowing)
{
    Tfrm_more& w = createHere();
    const QString perigee = w.val_perigee.text();
    const QString dusk = w.val_astrodusk.text();
    w.dtp_day.setDate(QDate(2024, 3, 19));
    w.dtp_day.setDate(QDate(2024, 3, 20));
    EXPECT_FALSE(w.FollowsClock());
    EXPECT_EQ(w.val_perigee.text(), perigee);
    EXPECT_EQ(w.val_astrodusk.text(), dusk);
}

TEST_F(DayChooser, ADayTheCalendarSkippedIsRefusedAndTheFieldGoesBack)
{
    Tfrm_more& w = createHere();
    const QString sunrise = w.val_sunriselight.text();
    try {
        w.dtp_day.setDate(QDate(1582, 10, 10));
        ADD_FAILURE() << "no error";
    } catch (const astro::EConvertError& error) {
        EXPECT_STREQ(error.what(), "Date invalid due to calendar change");
    }
    EXPECT_EQ(w.dtp_day.date(), QDate(2024, 3, 20));
    EXPECT_TRUE(w.FollowsClock());
    EXPECT_EQ(w.val_sunriselight.text(), sunrise);
}

TEST_F(DayChooser, DaysOutsideTheFieldsRangeComeToItsEnds)
{
    Tfrm_more& w = createHere();
    w.dtp_day.setDate(QDate(12000, 1, 1));
    EXPECT_EQ(w.dtp_day.date(), QDate(9998, 12, 31));
    EXPECT_TRUE(w.val_sunrise.text().endsWith(Shown("31 December 9998"))) << w.val_sunrise.text().toStdString();
    w.dtp_day.setDate(QDate(99, 1, 1));
    EXPECT_EQ(w.dtp_day.date(), QDate(100, 1, 1));
    // Before 1582 the day is one of the Julian calendar, as every date the window writes.
    EXPECT_TRUE(w.val_sunrise.text().endsWith(Shown("1 January 0100")) || w.val_sunrise.text() == "---")
        << w.val_sunrise.text().toStdString();
}

}  // namespace
