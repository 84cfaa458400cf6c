#include "controls/errors.h"
#include "controls/numbers.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace {

struct ParseCase {
    const char* text;
    double value;
};

class StrToFloatAccepts : public testing::TestWithParam<ParseCase> {};

TEST_P(StrToFloatAccepts, ReadsTheNumber)
{
    EXPECT_DOUBLE_EQ(StrToFloat(QString::fromLatin1(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Grammar, StrToFloatAccepts,
    testing::Values(ParseCase{"8", 8}, ParseCase{"  2.5  ", 2.5}, ParseCase{"-0.25", -0.25},
                    ParseCase{"+3", 3}, ParseCase{".5", 0.5}, ParseCase{"5.", 5},
                    ParseCase{"1E3", 1000}, ParseCase{"1e-3", 0.001}, ParseCase{"2.5E+2", 250},
                    ParseCase{"007", 7}));

class StrToFloatRejects : public testing::TestWithParam<const char*> {};

TEST_P(StrToFloatRejects, WithTheConversionMessage)
{
    const QString text = QString::fromLatin1(GetParam());
    try {
        StrToFloat(text);
        FAIL() << "accepted " << GetParam();
    } catch (const EInputError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Grammar, StrToFloatRejects,
    testing::Values("", " ", "abc", "N/A", "1,5", "1.2.3", "--1", "+", ".", "1e", "1e+", "e5", "5 5",
                    "1x", "$10", "inf", "nan", "1e999"));

TEST(StrToFloat, UsesTheLocaleDecimalSeparator)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_DOUBLE_EQ(StrToFloat("2,5"), 2.5);
    EXPECT_THROW(StrToFloat("2.5"), EInputError);
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    QLocale::setDefault(saved);
}

struct IntCase {
    const char* text;
    int value;
};

class StrToIntAccepts : public testing::TestWithParam<IntCase> {};

TEST_P(StrToIntAccepts, ReadsTheNumber) { EXPECT_EQ(StrToInt(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Grammar, StrToIntAccepts,
    testing::Values(IntCase{"400", 400}, IntCase{"  50", 50}, IntCase{"-12", -12}, IntCase{"+7", 7},
                    IntCase{"$10", 16}, IntCase{"$ff", 255}, IntCase{"-$A", -10},
                    IntCase{"2147483647", 2147483647}));

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

struct RoundCase {
    double x;
    int decimals;
    double rounded;
};

class RoundToHalfEven : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToHalfEven, Rounds)
{
    EXPECT_DOUBLE_EQ(RoundTo(GetParam().x, GetParam().decimals), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Ties, RoundToHalfEven,
    testing::Values(RoundCase{0.5, 0, 0}, RoundCase{1.5, 0, 2}, RoundCase{2.5, 0, 2},
                    RoundCase{-2.5, 0, -2}, RoundCase{0.125, 2, 0.12}, RoundCase{0.375, 2, 0.38},
                    RoundCase{30.0462, 2, 30.05}, RoundCase{22.63, 0, 23}, RoundCase{2.83, 1, 2.8}));

struct FormatCase {
    double x;
    const char* text;
};

class FloatToStrGeneral : public testing::TestWithParam<FormatCase> {};

TEST_P(FloatToStrGeneral, Formats) { EXPECT_EQ(FloatToStr(GetParam().x), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Format, FloatToStrGeneral,
    testing::Values(FormatCase{2.5, "2.5"}, FormatCase{3.0, "3"}, FormatCase{0.1 + 0.2, "0.3"},
                    FormatCase{0.00001, "1E-5"}, FormatCase{0.0001, "0.0001"},
                    FormatCase{0.000123, "0.000123"}, FormatCase{-0.000015, "-1.5E-5"},
                    FormatCase{-0.0, "0"}, FormatCase{1e15, "1E15"},
                    FormatCase{999999999999999.0, "999999999999999"},
                    FormatCase{123456789.125, "123456789.125"}, FormatCase{1.0 / 3, "0.333333333333333"},
                    FormatCase{2.0 / 3, "0.666666666666667"}, FormatCase{-69.5, "-69.5"},
                    FormatCase{1.5e20, "1.5E20"}, FormatCase{100, "100"}));

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
