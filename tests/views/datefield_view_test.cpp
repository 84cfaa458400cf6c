// The day field typed into key by key, in each tested locale: a whole date in the locale's short
// form or ISO 8601 is the day; a part of one marks the field and leaves the day.

#include "controls/control.h"
#include "controls/datefieldview.h"
#include "controls/datetext.h"
#include "tests/locale_switch.h"

#include <QCalendarWidget>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DayFieldInLocale : public testing::TestWithParam<const char*> {
protected:
    DayFieldInLocale()
        : inLocale(GetParam())
    {
        field.showDate(QDate(2024, 3, 20));
    }

    void retype(const QString& keys)
    {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, keys);
    }
    bool marked() const { return field.palette().color(QPalette::Base) == clUnreadable; }

    TLocaleSwitch inLocale;
    TDateField field{QDate(100, 1, 1), QDate(9998, 12, 31)};
    QSignalSpy picked{&field, &TDateField::datePicked};
};

TEST_P(DayFieldInLocale, AWholeDateInTheLocalesFormIsTheDay)
{
    const QString shortForm = QLocale().toString(QDate(2027, 6, 21), DayFieldFormat(QLocale()));
    retype(shortForm);
    EXPECT_EQ(field.text(), shortForm);
    EXPECT_EQ(field.date(), QDate(2027, 6, 21));
    ASSERT_EQ(picked.count(), 1) << shortForm.toStdString();
    EXPECT_EQ(picked.last().at(0).toDate(), QDate(2027, 6, 21));
    EXPECT_FALSE(marked());
}

TEST_P(DayFieldInLocale, IsoDatesAreReadInEveryLocale)
{
    retype("2027-06-21");
    EXPECT_EQ(field.date(), QDate(2027, 6, 21));
    EXPECT_EQ(picked.count(), 1);
}

TEST_P(DayFieldInLocale, APartOrAnImpossibleDateIsMarkedAndLeavesTheDay)
{
    for (const char* typed : {"2027-06", "2027-02-30", "21"}) {
        retype(typed);
        EXPECT_EQ(field.text(), typed);
        EXPECT_TRUE(marked()) << typed;
        EXPECT_TRUE(field.toolTip().contains("2027-06-21"));
    }
    EXPECT_EQ(field.date(), QDate(2024, 3, 20));
    EXPECT_EQ(picked.count(), 0);
}

TEST_P(DayFieldInLocale, UpAndDownStepADayAndTheCalendarPicks)
{
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.date(), QDate(2024, 3, 21));
    field.openCalendar();
    ASSERT_TRUE(field.calendar()->isVisible());
    emit field.calendar()->clicked(QDate(2024, 12, 21));
    EXPECT_FALSE(field.calendar()->isVisible());
    EXPECT_EQ(field.date(), QDate(2024, 12, 21));
    EXPECT_EQ(ReadTypedDate(field.text(), QLocale()), QDate(2024, 12, 21));
    EXPECT_EQ(picked.count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Locales, DayFieldInLocale, testing::ValuesIn(TestedLocales));

}  // namespace
