#include "calculator/astropageview.h"
#include "calculator/conversionspageview.h"
#include "calculator/dofpageview.h"
#include "calculator/exposurepageview.h"
#include "calculator/frmmain.h"
#include "calculator/macropageview.h"
#include "controls/clock.h"
#include "tests/locale_switch.h"
#include "tests/views/boundcontrols.h"

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

// The pages that show one page's controls, and the plain group boxes on them.
struct PageCase {
    const char* pages;
    PageFactory create;
    const TControlOwner& (*controls)(const TFrmMain&);
    std::vector<const char*> groups;
};

class PageView : public testing::TestWithParam<PageCase> {};

TEST_P(PageView, EveryControlIsBound)
{
    // 2026-12-07 00:00 local time, UTC+1.
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    form.FormCreate();
    QWidget pages;
    GetParam().create(form, &pages);
    EXPECT_EQ(UnboundControls(GetParam().controls(form).controls(), pages), QStringList()) << GetParam().pages;
    for (const char* name : GetParam().groups)
        EXPECT_NE(pages.findChild<QGroupBox*>(name), nullptr) << GetParam().pages << ": " << name;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageView,
    testing::Values(
        // The first page shows the lens and the lighting plan, each page's controls in full.
        PageCase{"dof", createDofPage, [](const TFrmMain& form) -> const TControlOwner& { return form.dof; }, {}},
        PageCase{
            "lighting", createDofPage, [](const TFrmMain& form) -> const TControlOwner& { return form.lighting; }, {}},
        PageCase{"conversions",
                 createConversionsPage,
                 [](const TFrmMain& form) -> const TControlOwner& { return form.conversions; },
                 {"gpbxColourTemp", "gpbxFlashGN", "GroupBox1"}},
        PageCase{"exposure",
                 createExposurePage,
                 [](const TFrmMain& form) -> const TControlOwner& { return form.exposure; },
                 {"grpbxEV", "gpbxEV2"}},
        PageCase{"macro",
                 createMacroPage,
                 [](const TFrmMain& form) -> const TControlOwner& { return form.macro; },
                 {"gpbxMacro_Mag"}},
        PageCase{"astro",
                 createAstroPage,
                 [](const TFrmMain& form) -> const TControlOwner& { return form.astro; },
                 {"grpbxPrimeFocus", "grbxA_ImageSize", "grbxA_StarSharp"}}));

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
    EXPECT_EQ(form.macro.edtM_Ext.text(), QString("25"));
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
    EXPECT_EQ(shutter->currentText(), QCoreApplication::translate("ShutterSpeeds", "1/400th"));
}

}  // namespace
