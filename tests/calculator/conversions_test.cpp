#include "calculator/colour_filters.h"
#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"
#include "tests/test_printers.h"

#include <gtest/gtest.h>

namespace {

class Conversions : public CalculatorForm {
protected:
    void SetUp() override { form.FormCreate(); }
};

TEST_F(Conversions, StartUpResults)
{
    EXPECT_EQ(form.conversions.lblMiredShift.text(), "82");
    EXPECT_EQ(form.conversions.lblFilterNeeded.text(), " 81D + 81C (yellowish) filter exposure compensation = 1stops");
    EXPECT_EQ(form.conversions.lblGNconv.text(), LocaleText("31.8"));
    EXPECT_EQ(form.conversions.lblGN2fratio.text(), "15");
    EXPECT_EQ(form.conversions.lblGN2distance.text(), LocaleText("5.6"));
}

struct FilterCase {
    int film;
    int source;
    const char* shift;
    const char* filter;
};

class ColourFilters : public Conversions, public testing::WithParamInterface<FilterCase> {};

TEST_P(ColourFilters, ShiftAndFilters)
{
    const FilterCase& c = GetParam();
    // Move both lists away first so that the wanted pair is a real change of each.
    form.conversions.cmbxFilmType.setItemIndex(c.film == 1 ? 2 : 1);
    form.conversions.cmbxLightSource.setItemIndex(c.source == 3 ? 4 : 3);
    form.conversions.cmbxFilmType.setItemIndex(c.film);
    form.conversions.cmbxLightSource.setItemIndex(c.source);
    EXPECT_EQ(form.conversions.lblMiredShift.text(), LocaleText(c.shift));
    EXPECT_EQ(form.conversions.lblFilterNeeded.text(), LocaleText(c.filter));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ColourFilters,
    testing::Values(
        FilterCase{0, 0, "82", " 81D + 81C (yellowish) filter exposure compensation = 1stops"},
        FilterCase{0, 13, "-131", " 80A (bluish) filter exposure compensation = 2.33stops"},
        FilterCase{2, 6, "131", " 81D + 81C + 81B + 81A + 81 (yellowish) filter exposure compensation = 1.99stops"},
        // Two passes take the same weak filter twice.
        FilterCase{1, 13, "-18", "82+82(bluish) filter exposure compensation = 0.66stops"},
        // A second amber pass starts again from the strongest filter.
        FilterCase{2, 2, "174",
                   " 81D + 81C + 81B + 81A + 81 + 81D (yellowish) filter exposure compensation = 2.66stops"},
        // One pass through every blue filter.
        FilterCase{0, 18, "-485",
                   " 80A + 80B +80C+80D+82C+82B+82A+82(bluish) filter exposure compensation = 8.33stops"},
        FilterCase{0, 7, "0", " No filter needed"}, FilterCase{1, 12, "0", " No filter needed"}));

TEST(FiltersForShift, WithinSixMiredsNoFilterApplies)
{
    for (int shift = -6; shift <= 6; ++shift)
        EXPECT_EQ(FiltersForShift(shift).count, 0) << shift;
    EXPECT_EQ(FiltersForShift(-3).filters, "(bluish)");
    EXPECT_EQ(FiltersForShift(3).filters, "(yellowish)");
}

TEST(FiltersForShift, SevenMiredsTakeTheWeakestFilter)
{
    const TFilterChoice blue = FiltersForShift(-7);
    EXPECT_EQ(blue.filters, "82(bluish)");
    EXPECT_DOUBLE_EQ(blue.stops, 0.33);
    const TFilterChoice amber = FiltersForShift(7);
    EXPECT_EQ(amber.filters, " 81 (yellowish)");
    EXPECT_EQ(amber.count, 1);
}

TEST(FiltersForShift, SweepEndsAndNamesTheTint)
{
    for (int shift = -700; shift <= 400; ++shift) {
        const TFilterChoice choice = FiltersForShift(shift);
        EXPECT_EQ(choice.count == 0, shift >= -6 && shift <= 6) << shift;
        EXPECT_TRUE(choice.filters.endsWith(shift < 0 ? "(bluish)" : "(yellowish)")) << shift;
    }
}

TEST_F(Conversions, NoSelectionDividesByZero)
{
    expectUserError([&] { form.conversions.cmbxLightSource.setItemIndex(-1); }, ZeroDivideMessage);
    EXPECT_EQ(form.conversions.lblMiredShift.text(), "82");
    form.conversions.cmbxLightSource.setItemIndex(7);
    EXPECT_EQ(form.conversions.lblFilterNeeded.text(), " No filter needed");
    expectUserError([&] { form.conversions.cmbxFilmType.setItemIndex(-1); }, ZeroDivideMessage);
    EXPECT_EQ(form.conversions.lblMiredShift.text(), "0");
}

struct GuideNumberCase {
    int units1;
    int iso1;
    int power;
    int units2;
    int iso2;
    const char* result;
};

class GuideNumbers : public Conversions, public testing::WithParamInterface<GuideNumberCase> {};

TEST_P(GuideNumbers, Conversion)
{
    const GuideNumberCase& c = GetParam();
    form.conversions.rdgpGN1.setItemIndex(c.units1);
    form.conversions.cmbxGNISO1.setItemIndex(c.iso1);
    form.conversions.cmbxGNPower.setItemIndex(c.power);
    form.conversions.rdgpGN2.setItemIndex(c.units2);
    form.conversions.cmbxGNISO2.setItemIndex(c.iso2);
    EXPECT_EQ(form.conversions.lblGNconv.text(), LocaleText(c.result));
}

// ISO indexes: 1 is 50, 4 is 100, 10 is 400. Units: 0 metres, 1 feet.
INSTANTIATE_TEST_SUITE_P(Settings, GuideNumbers,
                         testing::Values(GuideNumberCase{0, 4, 0, 0, 1, "31.8"},
                                         GuideNumberCase{0, 4, 0, 1, 1, "104.4"},
                                         GuideNumberCase{0, 4, 1, 0, 4, "31.8"}, GuideNumberCase{1, 4, 0, 0, 4, "13.7"},
                                         GuideNumberCase{1, 4, 0, 1, 4, "45"}, GuideNumberCase{0, 4, 5, 0, 10, "15.9"},
                                         GuideNumberCase{0, 10, 2, 0, 1, "8"}));

TEST_F(Conversions, GuideNumberTextMustBeANumber)
{
    expectUserError([&] { form.conversions.edtGN.setText(""); }, "'' is not a valid floating point value");
    expectUserError([&] { form.conversions.edtGN.setText("4x"); }, "'4x' is not a valid floating point value");
    EXPECT_EQ(form.conversions.lblGNconv.text(), "N/A");
    form.conversions.edtGN.setText("22");
    EXPECT_EQ(form.conversions.lblGNconv.text(), LocaleText("15.6"));
}

TEST_F(Conversions, FlashDistanceRoundsHalvesToEven)
{
    form.conversions.edtGN2FRatio.setText("4");
    EXPECT_EQ(form.conversions.lblGN2distance.text(), LocaleText("11.2"));
    form.conversions.edtGN2Distance.setText("10");
    EXPECT_EQ(form.conversions.lblGN2fratio.text(), LocaleText("4.5"));
}

TEST_F(Conversions, OnlyTheTextZeroMeansNoValue)
{
    for (const char* none : {"", "0"}) {
        form.conversions.edtGN2Distance.setText(none);
        EXPECT_EQ(form.conversions.lblGN2fratio.text(), "N/A - no value assigned to distance");
        form.conversions.edtGN2FRatio.setText(none);
        EXPECT_EQ(form.conversions.lblGN2distance.text(), "N/A - no value assigned to f/ratio");
        form.conversions.edtGN2Distance.setText("3");
        form.conversions.edtGN2FRatio.setText("8");
    }
    for (const QString& zero : {LocaleText("0.0"), QString("00")}) {
        expectUserError([&] { form.conversions.edtGN2Distance.setText(zero); }, ZeroDivideMessage);
        EXPECT_EQ(form.conversions.lblGN2fratio.text(), "N/A");
        form.conversions.edtGN2Distance.setText("3");
        EXPECT_EQ(form.conversions.lblGN2fratio.text(), "15");
        expectUserError([&] { form.conversions.edtGN2FRatio.setText(zero); }, ZeroDivideMessage);
        EXPECT_EQ(form.conversions.lblGN2distance.text(), "N/A");
        form.conversions.edtGN2FRatio.setText("8");
    }
}

TEST_F(Conversions, EmptyGuideNumberIsReadOnlyWhenNeeded)
{
    expectUserError([&] { form.conversions.edtGN2.setText(""); }, "'' is not a valid floating point value");
    EXPECT_EQ(form.conversions.edtGN2.error(), "'' is not a valid floating point value");
    // The boxes that need no guide number say so; the empty box stays marked and its results N/A.
    form.conversions.edtGN2Distance.setText("0");
    EXPECT_EQ(form.conversions.lblGN2fratio.text(), "N/A");
    form.conversions.edtGN2FRatio.setText("0");
    EXPECT_EQ(form.conversions.edtGN2.error(), "");
    EXPECT_EQ(form.conversions.lblGN2fratio.text(), "N/A - no value assigned to distance");
    EXPECT_EQ(form.conversions.lblGN2distance.text(), "N/A - no value assigned to f/ratio");
}

}  // namespace
