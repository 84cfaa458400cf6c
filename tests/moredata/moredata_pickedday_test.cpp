// A window that has shown other days, other places and other todays shows a picked day exactly
// as a window made afresh for it does: nothing it kept from before may show through.

#include "almanac/placezone.h"
#include "controls/dateedit.h"
#include "controls/edit.h"
#include "tests/moredata/moredata_test_support.h"

#include <QTimeZone>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Every text, hint and state the controls show, one line a control.
std::vector<std::string> Display(const TControlOwner& owner)
{
    std::vector<std::string> lines;
    for (const TControl* control : owner.controls()) {
        std::string line = std::string(control->name()) + (control->enabled() ? " on" : " off") + " [" +
                           control->hint().toStdString() + "] ";
        if (const auto* edit = dynamic_cast<const TEdit*>(control))
            line += edit->text().toStdString();
        if (const auto* date = dynamic_cast<const TDateEdit*>(control))
            line += date->date().toString(Qt::ISODate).toStdString();
        lines.push_back(line);
    }
    return lines;
}

struct TPickCase {
    const char* name;
    // What happens to the window between its first picks and the last.
    std::function<void(Tfrm_more& window, TFixedClock& clock)> change;
    QDate last;
    TTimesShown times = tsPlace;
};

void PrintTo(const TPickCase& pick, std::ostream* out) { *out << pick.name; }

class PickedDay : public MoreDataWindow, public testing::WithParamInterface<TPickCase> {
protected:
    void SetUp() override
    {
        TLocation berlin = Place("Berlin", 52.52, -13.40);
        berlin.TimeZone = QStringLiteral("Europe/Berlin");
        TLocation sydney = Place("Sydney", -33.87, -151.2);
        sydney.TimeZone = QStringLiteral("Australia/Sydney");
        store({berlin, sydney});
        // 23:30 in Berlin, 09:30 of the next day in Sydney.
        clock.set(At(2027, 3, 10, 22, 30));
    }

    // Windows made afresh show what the window shows. Each reference computes first what it is
    // compared in: the window's values come from one whose clock's day is `day`, at the instant
    // from which the window counts the events after it; the calculator's today from one made at
    // the clock as it is.
    void expectFreshWindowsShowTheSame(const QDate& day, TTimesShown times)
    {
        TFrmMain todaysCalculator(clock);
        Tfrm_more todays(todaysCalculator, clock, settingsFile());
        todays.SetTimesShown(times);
        todays.dtp_day.setDate(day);
        EXPECT_EQ(Display(calculator.sun), Display(todaysCalculator.sun));

        const double now = clock.universalNow();
        const TPlaceZone zone(QTimeZone(more->SelectedLocation()->TimeZone.toUtf8()));
        TFixedClock dayClock(zone.day(At(day.year(), day.month(), day.day())).Start + (now - zone.dayOf(now).Start), 0);
        TFrmMain daysCalculator(dayClock);
        Tfrm_more days(daysCalculator, dayClock, settingsFile());
        days.SetTimesShown(times);
        EXPECT_EQ(Display(*more), Display(days));
    }
};

TEST_P(PickedDay, ShowsWhatFreshWindowsComputeForIt)
{
    Tfrm_more& window = create();
    for (const QDate& day : {QDate(2027, 5, 6), QDate(2027, 8, 2)}) {
        clock.advanceSeconds(7);
        window.dtp_day.setDate(day);
    }
    window.SetTimesShown(GetParam().times);
    GetParam().change(window, clock);
    window.dtp_day.setDate(GetParam().last);
    expectFreshWindowsShowTheSame(GetParam().last, GetParam().times);
}

void Nothing(Tfrm_more&, TFixedClock&) {}

void PickAnotherYear(Tfrm_more& window, TFixedClock&) { window.dtp_day.setDate(QDate(2031, 2, 14)); }

void PickSydney(Tfrm_more& window, TFixedClock&) { window.cbx_location.setItemIndex(1); }

// The timer sees the clock past Berlin's midnight.
void PassMidnight(Tfrm_more& window, TFixedClock& clock)
{
    clock.advanceSeconds(3600);
    window.Timer.tick();
}

// Later on the same day: the events after the picked day count from the clock's time of day.
void WaitHours(Tfrm_more&, TFixedClock& clock) { clock.advanceSeconds(5 * 3600); }

INSTANTIATE_TEST_SUITE_P(MoreData, PickedDay,
                         testing::Values(TPickCase{"SameYear", Nothing, QDate(2027, 11, 30)},
                                         TPickCase{"EquinoxOfTheSameYear", Nothing, QDate(2027, 3, 20)},
                                         TPickCase{"InAnotherYear", PickAnotherYear, QDate(2031, 9, 1)},
                                         TPickCase{"BackFromAnotherYear", PickAnotherYear, QDate(2027, 11, 30)},
                                         TPickCase{"AtAnotherPlace", PickSydney, QDate(2027, 11, 30)},
                                         TPickCase{"AtAnotherPlaceOnItsToday", PickSydney, QDate(2027, 3, 11)},
                                         TPickCase{"AfterMidnight", PassMidnight, QDate(2027, 11, 30)},
                                         TPickCase{"TheNewTodayAfterMidnight", PassMidnight, QDate(2027, 3, 11)},
                                         TPickCase{"TheOldTodayAfterMidnight", PassMidnight, QDate(2027, 3, 10)},
                                         TPickCase{"HoursLater", WaitHours, QDate(2027, 11, 30)},
                                         TPickCase{"InUniversalTime", Nothing, QDate(2027, 11, 30), tsUtc},
                                         TPickCase{"OnTheComputersClock", PassMidnight, QDate(2027, 11, 30),
                                                   tsComputer}),
                         [](const testing::TestParamInfo<TPickCase>& info) { return std::string(info.param.name); });

}  // namespace
