#include "controls/dateedit.h"

#include <gtest/gtest.h>

namespace {

struct TPickCase {
    QDate picked;
    QDate held;
    int changes;
};

class DateEditPick : public testing::TestWithParam<TPickCase> {};

// From 2024-03-20 in a field of 1900..2100.
TEST_P(DateEditPick, UserDatesAreKeptInRangeAndOnlyAChangeFires)
{
    TDateEdit field(QDate(1900, 1, 1), QDate(2100, 12, 31));
    field.assignDate(QDate(2024, 3, 20));
    int changes = 0;
    field.onChange = [&] { ++changes; };
    field.setDate(GetParam().picked);
    EXPECT_EQ(field.date(), GetParam().held);
    EXPECT_EQ(changes, GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(Controls, DateEditPick,
                         testing::Values(TPickCase{QDate(2025, 6, 21), QDate(2025, 6, 21), 1},
                                         TPickCase{QDate(2024, 3, 20), QDate(2024, 3, 20), 0},
                                         TPickCase{QDate(), QDate(2024, 3, 20), 0},
                                         TPickCase{QDate(1800, 5, 1), QDate(1900, 1, 1), 1},
                                         TPickCase{QDate(2200, 5, 1), QDate(2100, 12, 31), 1}));

TEST(DateEdit, ProgramDatesFireNothingAndTellTheView)
{
    TDateEdit field(QDate(1900, 1, 1), QDate(2100, 12, 31));
    int changes = 0;
    int viewUpdates = 0;
    field.onChange = [&] { ++changes; };
    field.setObserver([&] { ++viewUpdates; });
    field.assignDate(QDate(2024, 3, 20));
    field.assignDate(QDate(2024, 3, 20));
    EXPECT_EQ(field.date(), QDate(2024, 3, 20));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(viewUpdates, 1);
}

}  // namespace
