#include "controls/errors.h"
#include "controls/numbers.h"
#include "tests/locale_switch.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

// The texts below write the decimal separator as "."; each case runs in every tested locale with
// that locale's separator in its place.
QString Localised(const char* text) { return QString::fromLatin1(text).replace(u'.', DecimalSeparator()); }

struct ParseCase {
    const char* text;
    double value;
};

class StrToFloatAccepts : public testing::TestWithParam<std::tuple<const char*, ParseCase>> {};

TEST_P(StrToFloatAccepts, ReadsTheNumber)
{
    const auto& [locale, c] = GetParam();
    const TLocaleSwitch inLocale(locale);
    EXPECT_DOUBLE_EQ(StrToFloat(Localised(c.text)), c.value) << locale << " " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, StrToFloatAccepts,
    testing::Combine(testing::ValuesIn(TestedLocales),
                     testing::Values(ParseCase{"8", 8}, ParseCase{"  2.5  ", 2.5}, ParseCase{"-0.25", -0.25},
                                     ParseCase{"+3", 3}, ParseCase{".5", 0.5}, ParseCase{"5.", 5},
                                     ParseCase{"1E3", 1000}, ParseCase{"1e-3", 0.001}, ParseCase{"2.5E+2", 250},
                                     ParseCase{"007", 7}, ParseCase{"2451545.5", 2451545.5}, ParseCase{"1e-400", 0},
                                     ParseCase{"0.1", 0.1})));

class StrToFloatRejects : public testing::TestWithParam<std::tuple<const char*, const char*>> {};

TEST_P(StrToFloatRejects, WithTheConversionMessage)
{
    const TLocaleSwitch inLocale(std::get<0>(GetParam()));
    const QString text = Localised(std::get<1>(GetParam()));
    try {
        StrToFloat(text);
        FAIL() << "accepted " << text.toStdString();
    } catch (const EInputError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Grammar, StrToFloatRejects,
                         testing::Combine(testing::ValuesIn(TestedLocales),
                                          testing::Values("", " ", "abc", "N/A", "1.2.3", "--1", "+", ".", "1e", "1e+",
                                                          "e5", "5 5", "1x", "$10", "inf", "nan", "1e999", "1.234.5")));

// The separator is the locale's alone: the other one, and digit grouping, are no number.
TEST(StrToFloat, TakesOnlyTheLocaleDecimalSeparator)
{
    const struct {
        const char* locale;
        const char* separator;
        const char* foreign;
    } cases[] = {{"C.UTF-8", ".", "2,5"}, {"de_DE.UTF-8", ",", "2.5"}, {"th_TH.UTF-8", ".", "2,5"}};
    for (const auto& c : cases) {
        const TLocaleSwitch inLocale(c.locale);
        EXPECT_EQ(DecimalSeparator(), c.separator) << c.locale;
        const QString twoAndAHalf = QString("2") + c.separator + "5";
        const QString grouped = QString("1") + c.foreign[1] + "234" + c.separator + "5";
        EXPECT_DOUBLE_EQ(StrToFloat(twoAndAHalf), 2.5) << c.locale;
        EXPECT_THROW(StrToFloat(c.foreign), EInputError) << c.locale;
        EXPECT_THROW(StrToFloat(grouped), EInputError) << c.locale;
        EXPECT_EQ(FloatToStr(2.5), twoAndAHalf) << c.locale;
    }
}

// Every number written in a locale reads back as the same number there.
TEST(Numbers, RoundTripInEveryLocale)
{
    const double values[] = {2.5, -0.25, 1.0 / 3, 6.76, 0.00001, -1.5e20, 2451545.5, 123456789.125, 1e-5};
    for (const char* locale : TestedLocales) {
        const TLocaleSwitch inLocale(locale);
        for (double x : values) {
            const QString text = FloatToStr(x);
            EXPECT_EQ(text.count(DecimalSeparator()), text.contains(DecimalSeparator()) ? 1 : 0) << locale;
            EXPECT_EQ(FloatToStr(StrToFloat(text)), text) << locale << " " << text.toStdString();
            EXPECT_NEAR(StrToFloat(text), x, std::abs(x) * 1e-14) << locale;
        }
    }
}

// Preset values and list items are written with "." and shown with the locale's separator;
// full stops that are no decimal point stay.
TEST(Numbers, DecimalSeparatorGoesOnlyBetweenDigits)
{
    const TLocaleSwitch inGerman("de_DE.UTF-8");
    EXPECT_EQ(WithDecimalSeparator("69.5"), "69,5");
    EXPECT_EQ(WithDecimalSeparator("1/1.8\" digital (most non-SLR)"), "1/1,8\" digital (most non-SLR)");
    EXPECT_EQ(WithDecimalSeparator("1x (ie. no Barlow lens)"), "1x (ie. no Barlow lens)");
    EXPECT_EQ(WithDecimalSeparator("1.3 sec"), "1,3 sec");
    EXPECT_DOUBLE_EQ(StrToFloat(WithDecimalSeparator("41.5")), 41.5);
}

// The almanac's fixed-decimal figures keep "." in every locale.
TEST(Numbers, FixedTextUsesAFullStopInEveryLocale)
{
    for (const char* locale : TestedLocales) {
        const TLocaleSwitch inLocale(locale);
        EXPECT_EQ(FixedText(2451545.5, 5), "2451545.50000") << locale;
        EXPECT_EQ(FixedText(0.98329, 3), "0.983") << locale;
        EXPECT_EQ(FixedText(-60.25, 1), "-60.2") << locale;
        EXPECT_EQ(FixedText(7, 0), "7") << locale;
    }
}

struct IntCase {
    const char* text;
    int value;
};

class StrToIntAccepts : public testing::TestWithParam<IntCase> {};

TEST_P(StrToIntAccepts, ReadsTheNumber) { EXPECT_EQ(StrToInt(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Grammar, StrToIntAccepts,
                         testing::Values(IntCase{"400", 400}, IntCase{"  50", 50}, IntCase{"-12", -12},
                                         IntCase{"+7", 7}, IntCase{"$10", 16}, IntCase{"$ff", 255},
                                         IntCase{"$7FFFFFFF", 2147483647}, IntCase{"2147483647", 2147483647},
                                         IntCase{"-2147483648", -2147483647 - 1}, IntCase{"   $1F", 31},
                                         IntCase{"007", 7}));

class StrToIntRejects : public testing::TestWithParam<const char*> {};

TEST_P(StrToIntRejects, WithTheIntegerMessage)
{
    try {
        StrToInt(GetParam());
        FAIL() << "accepted " << GetParam();
    } catch (const EInputError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(GetParam()));
    }
}

INSTANTIATE_TEST_SUITE_P(Grammar, StrToIntRejects,
                         testing::Values("", "abc", "1.5", "50 ", "$", "$g", "--1", "+-1", "2147483648", "1e3"));

// The whole-number grammar and nothing more: no other blanks, no sign before "$", no "0x", no
// text after a NUL, no digits of other scripts, nothing beyond 32 bits however it is written.
INSTANTIATE_TEST_SUITE_P(StrToIntAcceptsExactlyItsGrammar, StrToIntRejects,
                         testing::Values("\t5", "5\n", "+$10", "-$A", "$0x1F", "0x1F", "$ 1F", "- 5", "$-1", "$$1",
                                         "1_000", "\u0665", "$100000000", "-2147483649", "99999999999999999999999",
                                         "$FFFFFFFFFFFFFFFFF"));

TEST(StrToIntAcceptsExactlyItsGrammar, StopsAtNoEmbeddedNul)
{
    const QString text = QStringLiteral("5") + QChar(u'\0') + QStringLiteral("abc");
    EXPECT_THROW(StrToInt(text), EInputError);
}

// What FloatToStr writes StrToFloat reads, up to the largest doubles, whose nearest 15 digits
// would lie beyond the largest one.
TEST(FloatToStrOfTheLargestDoublesReadsBack, InEveryLocale)
{
    const double largest = std::numeric_limits<double>::max();
    const double values[] = {largest,
                             -largest,
                             std::nextafter(largest, 0.0),
                             1.7976931348623151e308,
                             1.797693134862315e308,
                             1.7976931348623e308,
                             1e308,
                             -1.5e307};
    for (const char* locale : TestedLocales) {
        const TLocaleSwitch inLocale(locale);
        for (double x : values) {
            const QString text = FloatToStr(x);
            double back = 0;
            ASSERT_NO_THROW(back = StrToFloat(text)) << locale << " " << text.toStdString();
            EXPECT_NEAR(back, x, std::abs(x) * 1e-14) << text.toStdString();
            EXPECT_EQ(FloatToStr(back), text) << locale;
        }
        EXPECT_EQ(FloatToStr(largest), Localised("1.79769313486231E308"));
        // Below the edge the nearest 15 digits stay.
        EXPECT_EQ(FloatToStr(1.7976931348623149e308), Localised("1.79769313486231E308"));
        EXPECT_EQ(FloatToStr(1.5e308), Localised("1.5E308"));
    }
}

struct RoundCase {
    double x;
    int decimals;
    double rounded;
};

class RoundToHalfEven : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToHalfEven, Rounds) { EXPECT_DOUBLE_EQ(RoundTo(GetParam().x, GetParam().decimals), GetParam().rounded); }

INSTANTIATE_TEST_SUITE_P(Ties, RoundToHalfEven,
                         testing::Values(RoundCase{0.5, 0, 0}, RoundCase{1.5, 0, 2}, RoundCase{2.5, 0, 2},
                                         RoundCase{-2.5, 0, -2}, RoundCase{0.125, 2, 0.12}, RoundCase{0.375, 2, 0.38},
                                         RoundCase{30.0462, 2, 30.05}, RoundCase{22.63, 0, 23},
                                         RoundCase{2.83, 1, 2.8}));

struct FormatCase {
    double x;
    const char* text;
};

class FloatToStrGeneral : public testing::TestWithParam<std::tuple<const char*, FormatCase>> {};

TEST_P(FloatToStrGeneral, Formats)
{
    const auto& [locale, c] = GetParam();
    const TLocaleSwitch inLocale(locale);
    EXPECT_EQ(FloatToStr(c.x), Localised(c.text)) << locale;
}

INSTANTIATE_TEST_SUITE_P(
    Format, FloatToStrGeneral,
    testing::Combine(testing::ValuesIn(TestedLocales),
                     testing::Values(FormatCase{2.5, "2.5"}, FormatCase{3.0, "3"}, FormatCase{0.1 + 0.2, "0.3"},
                                     FormatCase{0.00001, "1E-5"}, FormatCase{0.0001, "0.0001"},
                                     FormatCase{0.000123, "0.000123"}, FormatCase{-0.000015, "-1.5E-5"},
                                     FormatCase{-0.0, "0"}, FormatCase{1e15, "1E15"},
                                     FormatCase{999999999999999.0, "999999999999999"},
                                     FormatCase{123456789.125, "123456789.125"},
                                     FormatCase{1.0 / 3, "0.333333333333333"}, FormatCase{2.0 / 3, "0.666666666666667"},
                                     FormatCase{-69.5, "-69.5"}, FormatCase{1.5e20, "1.5E20"}, FormatCase{100, "100"},
                                     FormatCase{3.2, "3.2"}, FormatCase{6.76, "6.76"}, FormatCase{9, "9"})));

TEST(CheckedArithmetic, RaisesTheFloatingPointMessages)
{
    struct Case {
        std::function<double()> run;
        const char* message;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {[] { return Divide(1, 0); }, ZeroDivideMessage},
        {[] { return Divide(0, 0); }, InvalidOpMessage},
        {[] { return Divide(1e308, 1e-10); }, OverflowMessage},
        {[] { return CheckedSqrt(-1); }, InvalidOpMessage},
        {[] { return CheckedLog10(0); }, ZeroDivideMessage},
        {[] { return CheckedLog2(-2); }, InvalidOpMessage},
        {[inf] { return RoundTo(inf, 1); }, OverflowMessage},
        {[] { return RoundTo(std::nan(""), 1); }, InvalidOpMessage},
        {[inf] { return FloatToStr(-inf).size() + 0.0; }, OverflowMessage},
    };
    for (const Case& c : cases) {
        try {
            c.run();
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const EMathError& error) {
            EXPECT_EQ(error.message(), c.message);
        }
    }
    EXPECT_DOUBLE_EQ(Divide(1, 4), 0.25);
    EXPECT_DOUBLE_EQ(CheckedLog2(8), 3);
}

}  // namespace
