#include "controls/checkbox.h"
#include "controls/controllist.h"
#include "controls/edit.h"
#include "controls/errors.h"
#include "controls/guard.h"
#include "controls/list.h"
#include "controls/slider.h"
#include "controls/timer.h"
#include "controls/window.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(Edit, FiresOnlyWhenTheTextChanges)
{
    TEdit edit("4");
    int fired = 0;
    edit.onChange = [&] { ++fired; };
    edit.setText("4");
    EXPECT_EQ(fired, 0);
    edit.setText("8");
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(edit.text(), "8");
}

TEST(Edit, ChainsEndWhenAWriteChangesNothing)
{
    // Two boxes that copy each other: without the unchanged-text rule this would never end.
    TEdit a, b;
    int runs = 0;
    a.onChange = [&] {
        ++runs;
        b.setText(a.text());
    };
    b.onChange = [&] {
        ++runs;
        a.setText(b.text());
    };
    a.setText("x");
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(b.text(), "x");
}

TEST(Edit, HandlerRunsInsideTheWrite)
{
    TEdit source, target;
    source.onChange = [&] { target.setText(source.text() + "!"); };
    source.setText("go");
    EXPECT_EQ(target.text(), "go!");
}

TEST(Slider, ClampsBeforeComparing)
{
    TSlider slider(0, 40, 8);
    std::vector<int> seen;
    slider.onChange = [&] { seen.push_back(slider.position()); };
    slider.setPosition(8);
    slider.setPosition(50);
    slider.setPosition(41);
    slider.setPosition(-3);
    slider.setPosition(-1);
    EXPECT_EQ(seen, (std::vector<int>{40, 0}));
}

TEST(List, SelectionFiresOnceAndProgramSelectionIsSilent)
{
    TList list({"a", "b", "c"}, 0);
    int fired = 0;
    list.onChange = [&] { ++fired; };
    list.setItemIndex(0);
    list.setItemIndex(2);
    list.setItemIndex(7);
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(list.itemIndex(), -1);
    EXPECT_EQ(list.text(), "");
    list.assignItemIndex(1);
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(list.text(), "b");
}

TEST(CheckBox, ProgramChangesClickToo)
{
    TCheckBox box;
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.setChecked(false);
    box.setChecked(true);
    box.setChecked(true);
    EXPECT_EQ(clicks, 1);
}

TEST(Observer, SeesEveryStateChangeButNoRepeats)
{
    TEdit edit;
    int updates = 0;
    edit.setObserver([&] { ++updates; });
    edit.setText("a");
    edit.setText("a");
    edit.setEnabled(false);
    edit.setEnabled(false);
    edit.setColor(Qt::yellow);
    EXPECT_EQ(updates, 3);
}

TEST(Guard, ReportsTheMessageAndKeepsEarlierWrites)
{
    QStringList shown;
    TGuard::setReporter([&](const QString& message) { shown << message; });
    TEdit first, second;
    const bool ok = TGuard::run([&] {
        first.setText("written");
        throw EInputError("'abc' is not a valid floating point value");
        second.setText("never");
    });
    TGuard::setReporter({});
    EXPECT_FALSE(ok);
    EXPECT_EQ(shown, QStringList{"'abc' is not a valid floating point value"});
    EXPECT_EQ(first.text(), "written");
    EXPECT_EQ(second.text(), "");
    EXPECT_TRUE(TGuard::run([] {}));
}

// A place name read from a hand-edited file can hold a NUL character; the message around it
// is shown whole.
TEST(Guard, ShowsAMessageWholeAcrossANulCharacter)
{
    QStringList shown;
    TGuard::setReporter([&](const QString& message) { shown << message; });
    const QString message =
        QStringLiteral("The latitude of A") + QChar(u'\0') + QStringLiteral("B must lie between -90 and 90 degrees");
    TGuard::run([&] { throw EUserError(message); });
    TGuard::setReporter({});
    EXPECT_EQ(shown, QStringList{message});
}

// Every window that ends saves; a file that cannot be written is reported once a run, and
// every save is still tried.
TEST(Guard, AtTheEndEachMessageIsReportedOnce)
{
    QStringList shown;
    TGuard::setReporter([&](const QString& message) { shown << message; });
    int tried = 0;
    for (const char* message : {"Unable to write to /a.ini", "", "Unable to write to /a.ini", "Out of room"}) {
        const bool ok = TGuard::runAtEnd([&] {
            ++tried;
            if (*message)
                throw EUserError(message);
        });
        EXPECT_EQ(ok, !*message);
    }
    TGuard::setReporter({});
    EXPECT_EQ(tried, 4);
    EXPECT_EQ(shown, QStringList({"Unable to write to /a.ini", "Out of room"}));
}

// A timer handler's runs: each step either fails with a message or succeeds ("").
struct RepeatCase {
    const char* name;
    std::vector<const char*> runs;
    QStringList reported;
};

class RepeatGuardRuns : public testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatGuardRuns, ReportsAMessageOnceWhileItRepeats)
{
    QStringList shown;
    TGuard::setReporter([&](const QString& message) { shown << message; });
    {
        TRepeatGuard guard;
        for (const char* outcome : GetParam().runs) {
            const bool ok = guard.run([outcome] {
                if (*outcome)
                    throw EUserError(outcome);
            });
            EXPECT_EQ(ok, !*outcome) << outcome;
        }
    }
    TGuard::setReporter({});
    EXPECT_EQ(shown, GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(Guard, RepeatGuardRuns,
                         testing::Values(RepeatCase{"SameMessageEveryTick",
                                                    {"Invalid year", "Invalid year", "Invalid year"},
                                                    {"Invalid year"}},
                                         RepeatCase{"SuccessReArms",
                                                    {"Invalid year", "Invalid year", "", "Invalid year"},
                                                    {"Invalid year", "Invalid year"}},
                                         RepeatCase{"DifferentMessageIsReported",
                                                    {"Invalid year", "Invalid month", "Invalid month", "Invalid year"},
                                                    {"Invalid year", "Invalid month", "Invalid year"}},
                                         RepeatCase{"SuccessesReportNothing", {"", ""}, {}}),
                         [](const testing::TestParamInfo<RepeatCase>& info) { return std::string(info.param.name); });

TEST(Guard, RepeatingHandlersShareAReportUntilAllRecover)
{
    QStringList shown;
    TGuard::setReporter([&](const QString& message) { shown << message; });
    TRepeatGuard first, second;
    const auto fail = [] { throw EUserError("Invalid year"); };
    first.run(fail);
    second.run(fail);
    first.run([] {});
    first.run(fail);  // the second handler still repeats the message
    EXPECT_EQ(shown, QStringList{"Invalid year"});
    second.run([] {});
    first.run([] {});
    second.run(fail);
    EXPECT_EQ(shown, (QStringList{"Invalid year", "Invalid year"}));
    // A handler that goes away while failing takes its share of the report with it.
    {
        TRepeatGuard gone;
        gone.run([] { throw EUserError("Invalid month"); });
    }
    second.run([] { throw EUserError("Invalid month"); });
    TGuard::setReporter({});
    EXPECT_EQ(shown, (QStringList{"Invalid year", "Invalid year", "Invalid month", "Invalid month"}));
}

TEST(Guard, ATimerReportsEachTickWithoutRaising)
{
    QStringList shown;
    TGuard::setReporter([&](const QString& message) { shown << message; });
    TTimer timer(1000);
    int ticks = 0;
    timer.onTimer = [&] {
        ++ticks;
        throw EUserError("Invalid year");
    };
    for (int i = 0; i < 3; ++i)
        timer.elapse();
    TGuard::setReporter({});
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(shown, QStringList{"Invalid year"});
    EXPECT_THROW(timer.tick(), EUserError);
}

struct TNamedControls : TControlOwner {
    CONTROL(TEdit, edtFirst, "4");
    CONTROL(TLabel, lblSecond);
    CONTROL(TTimer, Timer, 250, false);
};

TEST(ControlList, EachControlIsNamedAfterItsMemberAndListedInOrder)
{
    TNamedControls owner;
    const TControlList expected{&owner.edtFirst, &owner.lblSecond, &owner.Timer};
    EXPECT_EQ(owner.controls(), expected);
    EXPECT_STREQ(owner.edtFirst.name(), "edtFirst");
    EXPECT_STREQ(owner.lblSecond.name(), "lblSecond");
    EXPECT_STREQ(owner.Timer.name(), "Timer");
    // The arguments still reach the control's constructor.
    EXPECT_EQ(owner.edtFirst.text(), "4");
    EXPECT_EQ(owner.Timer.interval(), 250);
    EXPECT_FALSE(owner.Timer.enabled());
    EXPECT_STREQ(TLabel().name(), "");
}

TEST(Window, HeadlessModalShowingIsACancel)
{
    struct Probe : TWindow {
        using TWindow::TWindow;
        int shows = 0;
        void FormShow() override { ++shows; }
    } window("w");
    EXPECT_EQ(window.ShowModal(), TModalResult::Cancel);
    EXPECT_EQ(window.shows, 1);
    EXPECT_FALSE(window.visible());
    window.onShowModal = [] { return TModalResult::OK; };
    EXPECT_EQ(window.ShowModal(), TModalResult::OK);
}

TEST(Window, AFailedShowLeavesTheWindowHiddenAndCallableAgain)
{
    struct Probe : TWindow {
        using TWindow::TWindow;
        bool failing = true;
        void FormShow() override
        {
            if (failing)
                throw EUserError("Invalid year");
        }
    } window("w");
    int shown = 0;
    window.onVisibleChange = [&](bool visible) { shown += visible; };
    const std::function<void()> calls[] = {[&] { window.Show(); }, [&] { window.ShowModal(); }};
    for (const auto& call : calls) {
        EXPECT_THROW(call(), EUserError);
        EXPECT_FALSE(window.visible());
    }
    window.failing = false;
    window.Show();
    EXPECT_TRUE(window.visible());
    EXPECT_EQ(shown, 1);
}

}  // namespace
