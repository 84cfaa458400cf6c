// Typing into the calculator as a user does, key by key, in each tested locale: a partly typed
// number raises no message box and loses no key; the box is marked, the status line and the
// tooltip say why, and the results it feeds show "N/A" until it reads again.

#include "calculator/calculatorwindowview.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "controls/guard.h"
#include "tests/locale_switch.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TypingInLocale : public testing::TestWithParam<const char*> {
protected:
    TypingInLocale()
        : inLocale(GetParam())
    {
        form.FormCreate();
        TGuard::setReporter([this](const QString& message) { reported << message; });
    }
    ~TypingInLocale() override { TGuard::setReporter({}); }

    QLineEdit* retype(const char* name, const QString& keys)
    {
        auto* box = view.findChild<QLineEdit*>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
        return box;
    }
    bool marked(const QLineEdit* box) const { return box->palette().color(QPalette::Base) == clUnreadable; }

    TLocaleSwitch inLocale;
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    CalculatorWindowView view{form};
    QStringList reported;
};

TEST_P(TypingInLocale, PartlyTypedNumbersRaiseNoReportAndKeepEveryKey)
{
    const QString separator = QLocale().decimalPoint();
    for (const QString& partial : {QString("-"), QString("1e"), separator, QString("2") + separator + "e"}) {
        QLineEdit* box = retype("edtFRatio", partial);
        EXPECT_EQ(box->text(), partial);
        EXPECT_EQ(form.dof.edtFRatio.text(), partial);
        EXPECT_TRUE(marked(box)) << partial.toStdString();
        EXPECT_EQ(box->toolTip(), form.dof.edtFRatio.error());
        EXPECT_EQ(form.StatusBar1.panelText(0), form.dof.edtFRatio.error());
        EXPECT_EQ(form.dof.lblHyperfocal.text(), NotAvailableText());
        EXPECT_EQ(form.lighting.lblAmbient.text(), NotAvailableText());
    }
    EXPECT_EQ(reported, QStringList());
}

TEST_P(TypingInLocale, TheLocalesFRatioComputesOnceTyped)
{
    retype("edtFRatio", "-");
    QLineEdit* box = retype("edtFRatio", LocaleText("2.8"));
    EXPECT_EQ(box->text(), LocaleText("2.8"));
    EXPECT_FALSE(marked(box));
    EXPECT_EQ(form.dof.edtFRatio.error(), "");
    EXPECT_EQ(form.StatusBar1.panelText(0), "");
    EXPECT_EQ(form.dof.lblHyperfocal.text(), LocaleText("96.5"));
    EXPECT_EQ(reported, QStringList());
}

TEST_P(TypingInLocale, TheOtherSeparatorIsNamed)
{
    const QString foreign = ForeignDecimalText("2.8");
    QLineEdit* box = retype("edtFRatio", foreign);
    EXPECT_EQ(box->text(), foreign);
    EXPECT_EQ(form.dof.edtFRatio.error(), ForeignDecimalMessage(foreign));
    EXPECT_EQ(form.StatusBar1.panelText(0), ForeignDecimalMessage(foreign));
    EXPECT_EQ(reported, QStringList());
}

TEST_P(TypingInLocale, ImpossibleValuesAreRefusedInWordsWithoutABox)
{
    QLineEdit* box = retype("edtflength", "-50");
    EXPECT_TRUE(marked(box));
    EXPECT_EQ(form.StatusBar1.panelText(0),
              QCoreApplication::translate("TypedInputs", "The %1 must be greater than 0%2")
                  .arg(QCoreApplication::translate("InputRules", "focal length"), " mm"));
    EXPECT_EQ(form.dof.lblDOFNear.text(), NotAvailableText());
    // A box typed while another is marked computes what it can and raises nothing either.
    retype("edtFocusDistance", "5");
    EXPECT_EQ(form.dof.lblDOFNear.text(), NotAvailableText());
    EXPECT_TRUE(marked(view.findChild<QLineEdit*>("edtflength")));
    retype("edtflength", "50");
    EXPECT_FALSE(marked(box));
    EXPECT_NE(form.dof.lblDOFNear.text(), NotAvailableText());
    EXPECT_EQ(reported, QStringList());
}

INSTANTIATE_TEST_SUITE_P(Locales, TypingInLocale, testing::ValuesIn(TestedLocales));

}  // namespace
