#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"
#include "tests/test_printers.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Start-up results and the values a user reads back from them, across the pages.
std::vector<const TEdit*> startUpTexts(const TFrmMain& form)
{
    return {&form.dof.lblAngleView,       &form.dof.lblHyperfocal,
            &form.dof.lblHFhalf,          &form.dof.lblDOFNear,
            &form.dof.lblDOFFar,          &form.dof.lblDOFrange,
            &form.dof.lblSubjectSize,     &form.dof.lblBackSize,
            &form.dof.edtFRatio,          &form.lighting.lblFillFRatio,
            &form.lighting.lblHairFratio, &form.lighting.lblBackExp,
            &form.conversions.lblGNconv,  &form.conversions.lblGN2distance,
            &form.exposure.lblEV1,        &form.exposure.lblEV1_T,
            &form.exposure.lblEV2FRatio,  &form.exposure.lblEV2_A,
            &form.exposure.lblEV2Shutter, &form.macro.lblM_Exp,
            &form.astro.lblA_T_fr,        &form.astro.lblExitPupil,
            &form.astro.edtA_Ang1,        &form.astro.edtA_StarTrailTime};
}

QStringList startUp(const char* locale)
{
    const TLocaleSwitch inLocale(locale);
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    form.FormCreate();
    QStringList texts;
    for (const TEdit* text : startUpTexts(form))
        texts << text->text();
    return texts;
}

// The start-up chain reads back what it wrote: in a decimal-comma locale it must neither fail
// nor show a separator twice, and it shows the same numbers as everywhere else.
TEST(CalculatorLocale, StartUpShowsTheSameNumbersWithTheLocaleSeparator)
{
    const QStringList english = startUp("C.UTF-8");
    ASSERT_TRUE(english.join(' ').contains('.'));
    for (const char* locale : TestedLocales) {
        QStringList shown;
        EXPECT_NO_THROW(shown = startUp(locale)) << locale;
        const TLocaleSwitch inLocale(locale);
        for (qsizetype i = 0; i < english.size() && i < shown.size(); ++i)
            EXPECT_EQ(shown[i], LocaleText(english[i])) << locale << " #" << i;
    }
}

TEST(CalculatorLocale, PresetsAndListsShowTheLocaleSeparator)
{
    const TLocaleSwitch inGerman("de_DE.UTF-8");
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    form.FormCreate();
    form.dof.cmbxSensor.setItemIndex(1);
    EXPECT_EQ(form.dof.edtSensorWidth.text(), "69,5");
    EXPECT_EQ(form.dof.lblCOC.text(), "61,98");
    EXPECT_EQ(form.dof.cmbxSensor.items()[10], "1/1,8\" digital (most non-SLR)");
    EXPECT_EQ(form.astro.cmbxA_PF_Barlow.items()[1], "1,2x");
    EXPECT_EQ(form.astro.cmbxA_PF_Barlow.items()[0], "1x (ie. no Barlow lens)");
    EXPECT_EQ(form.exposure.cmbxEV1Shutter.items()[37], "1,3 sec");
}

struct FRatioCase {
    const char* locale;
    const char* typed;
};

class FRatioInLocale : public testing::TestWithParam<FRatioCase> {};

TEST_P(FRatioInLocale, TypedWithTheLocaleSeparatorComputes)
{
    const TLocaleSwitch inLocale(GetParam().locale);
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    form.FormCreate();
    form.dof.edtFRatio.setText(GetParam().typed);
    EXPECT_EQ(form.dof.lblHyperfocal.text(), LocaleText("96.5"));
    EXPECT_EQ(form.dof.lblDOFrange.text(), LocaleText("0.181"));
    const QString foreign = ForeignDecimalText("2.8");
    expectUserError([&] { form.dof.edtFRatio.setText(foreign); }, ForeignDecimalMessage(foreign));
    EXPECT_EQ(form.dof.lblHyperfocal.text(), "N/A");
}

INSTANTIATE_TEST_SUITE_P(Locales, FRatioInLocale,
                         testing::Values(FRatioCase{"C.UTF-8", "2.8"}, FRatioCase{"de_DE.UTF-8", "2,8"},
                                         FRatioCase{"th_TH.UTF-8", "2.8"}));

}  // namespace
