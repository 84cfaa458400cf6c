#include "calculator/astropageview.h"
#include "calculator/conversionspageview.h"
#include "calculator/exposurepageview.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "calculator/macropageview.h"
#include "tests/locale_switch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>

namespace {

using PageFactory = QWidget* (*)(TFrmMain&, QWidget*);

struct PageCase {
    const char* page;
    PageFactory create;
    std::vector<const char*> names;
};

class PageView : public testing::TestWithParam<PageCase> {};

TEST_P(PageView, EveryControlIsBound)
{
    // 2026-12-07 00:00 local time, UTC+1.
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    form.FormCreate();
    const std::unique_ptr<QWidget> page(GetParam().create(form, nullptr));
    for (const char* name : GetParam().names)
        EXPECT_NE(page->findChild<QWidget*>(name), nullptr) << GetParam().page << ": " << name;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageView,
    testing::Values(
        PageCase{"conversions", createConversionsPage,
                 {"gpbxColourTemp", "cmbxFilmType", "cmbxLightSource", "lblMiredShift", "lblFilterNeeded",
                  "gpbxFlashGN", "edtGN", "rdgpGN1", "cmbxGNISO1", "cmbxGNPower", "rdgpGN2", "cmbxGNISO2",
                  "lblGNconv", "GroupBox1", "edtGN2", "edtGN2Distance", "lblGN2fratio", "edtGN2FRatio",
                  "lblGN2distance"}},
        PageCase{"exposure", createExposurePage,
                 {"grpbxEV", "cmbxEV1Shutter", "edtEV1Fratio", "cmbxEV1ISO", "lblEV1", "lblEV1_T", "lblEV1_A",
                  "lblEV1_S", "lblEV1_L", "gpbxEV2", "edtEV2", "cmbxEV2ISO", "edtEV2Fratio", "lblEV2Shutter",
                  "cmbxEV2Shutter", "lblEV2FRatio", "lblEV2_A", "lblEV2_T", "lblEV2_S", "MemoEV"}},
        PageCase{"macro", createMacroPage, {"gpbxMacro_Mag", "edtM_fl", "edtM_Ext", "lblM_Mag", "lblM_Exp", "MemoMacro"}},
        PageCase{"astro", createAstroPage,
                 {"grpbxPrimeFocus", "cmbxA_PF_Barlow", "edtA_T_fl", "edtA_T_aperture", "edtA_T_EyepieceFL",
                  "edtA_LensFL", "edtA_LensFR", "lblA_T_fr", "lblA_NegProjFR", "lblA_Afocal", "lblExitPupil",
                  "lblA_Resolve", "lblLightGather", "lblLimMagV", "grbxA_ImageSize", "edtA_EffFL", "edtA_Mag",
                  "edtA_Ang1", "edtA_Ang2", "edtA_MoonPC", "edtA_StarTrailTime", "MemoAstro"}}));

TEST(PagesView, ShowsResultsAndTakesEdits)
{
    // 2026-12-07 00:00 local time, UTC+1.
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    form.FormCreate();
    const std::unique_ptr<QWidget> page(createMacroPage(form, nullptr));
    auto* extension = page->findChild<QLineEdit*>("edtM_Ext");
    auto* magnification = page->findChild<QLabel*>("lblM_Mag");
    ASSERT_TRUE(extension && magnification);
    EXPECT_EQ(magnification->text(), QString("1"));
    emit extension->textEdited("25");
    EXPECT_EQ(form.edtM_Ext.text(), QString("25"));
    EXPECT_EQ(magnification->text(), LocaleText("0.5"));
    EXPECT_TRUE(page->findChild<QPlainTextEdit*>("MemoMacro")->isReadOnly());
}

TEST(PagesView, ListsArePickOnly)
{
    // 2026-12-07 00:00 local time, UTC+1.
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    const std::unique_ptr<QWidget> page(createExposurePage(form, nullptr));
    auto* shutter = page->findChild<QComboBox*>("cmbxEV1Shutter");
    ASSERT_TRUE(shutter);
    EXPECT_FALSE(shutter->isEditable());
    EXPECT_EQ(shutter->count(), 54);
    EXPECT_EQ(shutter->currentText(), QString("1/400th"));
}

}  // namespace
