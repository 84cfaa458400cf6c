// Values no box can take are refused in words before a computation sees them, and the results
// they feed show "N/A" (or an empty box) until the box reads again.

#include "calculator/inputrules.h"
#include "controls/numbers.h"
#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"

namespace {

struct RefusalCase {
    const char* field;
    const char* typed;
    const char* message;
    const char* result;  // a result of the box, "N/A" while the box is refused
    const char* valid;   // a text the box takes again
};

class Refusal : public CalculatorForm, public testing::WithParamInterface<RefusalCase> {
protected:
    void SetUp() override { form.FormCreate(); }

    template <typename T>
    T& control(const char* name)
    {
        for (TControl* each : form.controls())
            if (QString::fromLatin1(each->name()) == QString::fromLatin1(name))
                return dynamic_cast<T&>(*each);
        throw std::runtime_error(name);
    }
};

TEST_P(Refusal, NamesTheBoxAndItsRange)
{
    const RefusalCase& c = GetParam();
    auto& box = control<TEdit>(c.field);
    auto& result = control<TEdit>(c.result);
    const bool label = dynamic_cast<TLabel*>(&result) != nullptr;
    expectUserError([&] { box.setText(c.typed); }, c.message);
    EXPECT_EQ(box.error(), c.message);
    EXPECT_EQ(box.text(), c.typed);
    EXPECT_EQ(result.text(), label ? "N/A" : "");
    box.setText(LocaleText(c.valid));
    EXPECT_EQ(box.error(), "");
    EXPECT_NE(result.text(), label ? "N/A" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, Refusal,
    testing::Values(
        RefusalCase{"edtflength", "-50", "The focal length must be greater than 0 mm", "lblDOFFar", "50"},
        RefusalCase{"edtflength", "-0", "The focal length must be greater than 0 mm", "edtfl35", "50"},
        RefusalCase{"edtFRatio", "-4", "The f-ratio must not be negative", "lblFillFRatio", "4"},
        RefusalCase{"edtFRatio", "-4", "The f-ratio must not be negative", "lblFillDistance", "4"},
        RefusalCase{"edtFocusDistance", "0", "The focus distance must be greater than 0 m", "lblSubjectSize", "3"},
        RefusalCase{"edtMainGN", "-45", "The main light's guide number must be greater than 0", "lblMainGNISO", "45"},
        RefusalCase{"edtHairGN", "0", "The hair light's guide number must be greater than 0", "lblHairFratio", "45"},
        RefusalCase{"edtGN", "-45", "The guide number must be greater than 0", "lblGNconv", "45"},
        RefusalCase{"edtGN2Distance", "-3", "The flash distance must not be negative", "lblGN2fratio", "3"},
        RefusalCase{"edtEV2", "1e", "'1e' is not a valid floating point value", "lblEV2Shutter", "10"},
        RefusalCase{"edtM_Ext", "-5", "The extension must not be negative", "lblM_Exp", "25"},
        RefusalCase{"edtA_T_fl", "-1250", "The telescope focal length must be greater than 0 mm", "lblA_T_fr", "1250"},
        RefusalCase{"edtA_T_aperture", "-254", "The aperture diameter must not be negative", "lblLimMagV", "254"},
        RefusalCase{"edtA_EffFL", "-50", "The effective focal length must not be negative", "edtA_Ang1", "50"},
        RefusalCase{"edtHumidity", "101", "The relative humidity must be between 0 and 100 %", "lblTempAppShade", "50"},
        RefusalCase{"edtSunElev", "-91", "The sun elevation must be between -90 and 90 degrees", "lblTempAppSun",
                    "45"}));

// A computation that fails on a combination of boxes marks the box typed last; it computes
// again, and the mark goes, once another box makes the combination possible.
TEST_F(CalculatorForm, AFailedComputationIsRetriedWhenAnotherBoxChanges)
{
    form.FormCreate();
    expectUserError([&] { form.sun.edtTemp.setText(LocaleText("-237.7")); }, ZeroDivideMessage);
    EXPECT_EQ(form.sun.edtTemp.error(), ZeroDivideMessage);
    EXPECT_EQ(form.sun.lblTempAppShade.text(), "N/A");
    // The humidity's own computation fails on the same temperature: the marked box says why.
    form.sun.edtHumidity.setText("60");
    EXPECT_EQ(form.sun.edtHumidity.error(), "");
    EXPECT_EQ(form.sun.lblTempAppShade.text(), "N/A");
    form.sun.edtTemp.setText("20");
    EXPECT_EQ(form.sun.edtTemp.error(), "");
    EXPECT_NE(form.sun.lblTempAppShade.text(), "N/A");
}

TEST(FloatProblem, NamesTheSeparatorTheLocaleWants)
{
    for (const char* locale : TestedLocales) {
        const TLocaleSwitch inLocale(locale);
        EXPECT_EQ(FloatProblem(LocaleText("2.8")), "") << locale;
        EXPECT_EQ(FloatProblem(""), "'' is not a valid floating point value");
        EXPECT_EQ(FloatProblem("1e999"), "'1e999' is not a valid floating point value");
        const QString foreign = ForeignDecimalText("2.8");
        EXPECT_EQ(FloatProblem(foreign), ForeignDecimalMessage(foreign)) << locale;
        // A full stop that no separator would make a number is not blamed on the separator.
        EXPECT_EQ(FloatProblem("a.b"), "'a.b' is not a valid floating point value") << locale;
    }
}

}  // namespace
