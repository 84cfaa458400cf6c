// Whole dates as users type them, in the tested locales' short forms and in ISO 8601.

#include "controls/datetext.h"
#include "tests/locale_switch.h"

#include <gtest/gtest.h>

namespace {

struct TypedDateCase {
    const char* locale;
    const char* typed;
    QDate date;  // invalid: not a date
};

class TypedDate : public testing::TestWithParam<TypedDateCase> {};

TEST_P(TypedDate, ReadsAsTheUserMeantIt)
{
    const TypedDateCase& c = GetParam();
    const QLocale locale(QString::fromLatin1(c.locale));
    EXPECT_EQ(ReadTypedDate(QString::fromUtf8(c.typed), locale), c.date) << c.locale << " " << c.typed;
}

INSTANTIATE_TEST_SUITE_P(Forms, TypedDate,
                         testing::Values(TypedDateCase{"de_DE", "21.06.2027", QDate(2027, 6, 21)},
                                         TypedDateCase{"de_DE", "1.6.2027", QDate(2027, 6, 1)},
                                         TypedDateCase{"de_DE", " 2027-06-21 ", QDate(2027, 6, 21)},
                                         TypedDateCase{"en_US", "6/21/2027", QDate(2027, 6, 21)},
                                         TypedDateCase{"en_US", "21/6/2027", QDate()},
                                         TypedDateCase{"th_TH", "21/6/2027", QDate(2027, 6, 21)},
                                         TypedDateCase{"C", "21 Jun 2027", QDate(2027, 6, 21)},
                                         TypedDateCase{"C", "2027-06-21", QDate(2027, 6, 21)},
                                         // Parts of a date, and days no calendar has.
                                         TypedDateCase{"de_DE", "21.06.", QDate()},
                                         TypedDateCase{"de_DE", "21.06.202", QDate()},
                                         TypedDateCase{"de_DE", "31.06.2027", QDate()},
                                         TypedDateCase{"de_DE", "29.02.2027", QDate()},
                                         TypedDateCase{"C", "2027-02-30", QDate()}, TypedDateCase{"C", "", QDate()}));

TEST(DayFieldFormat, ShowsTheWholeYearInEveryLocale)
{
    for (const char* name : TestedLocales) {
        const QLocale locale(QString::fromLatin1(name).section(u'.', 0, 0));
        const QString shown = locale.toString(QDate(2027, 6, 21), DayFieldFormat(locale));
        EXPECT_TRUE(shown.contains(QLatin1String("2027"))) << name << " " << shown.toStdString();
        EXPECT_EQ(ReadTypedDate(shown, locale), QDate(2027, 6, 21)) << name;
    }
}

}  // namespace
