// The calculator's inputs come back at the next start, each taken as if typed; what the file
// holds that is no value of its control leaves the start's value.

#include "calculator/calculatorinputs.h"
#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

namespace {

class CalculatorInputs : public CalculatorForm {
protected:
    QString file() const { return folder.filePath("shutterly.ini"); }
    void write(const QByteArray& text)
    {
        QFile out(file());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    }

    QTemporaryDir folder;
};

TEST_F(CalculatorInputs, ARestartShowsTheLastInputsAndTheirResults)
{
    form.FormCreate();
    form.useSettingsFile(file());
    form.dof.cmbxSensor.setItemIndex(6);
    form.dof.edtflength.setText("24");
    form.dof.edtFocusDistance.setText("7");
    form.lighting.tbFillStops.setPosition(4);
    form.lighting.chbxReflector.setChecked(true);
    form.sun.edtTemp.setText("31");
    // Set after the lighting, which recomputes it: the restart must not let the lighting win.
    form.dof.edtFRatio.setText(LocaleText("5.6"));
    form.FormClose();

    TFrmMain next(clock);
    next.FormCreate();
    next.useSettingsFile(file());
    EXPECT_EQ(next.dof.cmbxSensor.itemIndex(), 6);
    EXPECT_EQ(next.dof.edtflength.text(), "24");
    EXPECT_EQ(next.dof.edtFRatio.text(), LocaleText("5.6"));
    EXPECT_EQ(next.dof.edtFocusDistance.text(), "7");
    EXPECT_EQ(next.lighting.tbFillStops.position(), 4);
    EXPECT_TRUE(next.lighting.chbxReflector.checked());
    EXPECT_EQ(next.sun.edtTemp.text(), "31");
    // The results are those of the inputs, as after typing them.
    for (const TLabel* result :
         {&form.dof.lblAngleView, &form.dof.lblDOFNear, &form.dof.lblSubjectSize, &form.sun.lblTempAppShade}) {
        const auto& same = *std::find_if(next.controls().begin(), next.controls().end(), [&](const TControl* c) {
            return QString::fromLatin1(c->name()) == QString::fromLatin1(result->name());
        });
        EXPECT_EQ(static_cast<const TLabel*>(same)->text(), result->text()) << result->name();
    }
}

TEST_F(CalculatorInputs, WhatIsNoValueOfItsControlLeavesTheStartsValue)
{
    write("[Calculator]\n"
          "edtflength=fifty\n"
          "cmbxSensor=99\n"
          "chbxSunElev=7\n"
          "tbFillStops=-5\n"
          "edtFocusDistance=12\n");
    form.FormCreate();
    const QString focalLength = form.dof.edtflength.text();
    const int sensor = form.dof.cmbxSensor.itemIndex();
    const int stops = form.lighting.tbFillStops.position();
    form.useSettingsFile(file());
    EXPECT_EQ(form.dof.edtflength.text(), focalLength);
    EXPECT_EQ(form.dof.cmbxSensor.itemIndex(), sensor);
    EXPECT_TRUE(form.sun.chbxSunElev.checked());
    EXPECT_EQ(form.lighting.tbFillStops.position(), stops);
    EXPECT_EQ(form.dof.edtFocusDistance.text(), "12");
}

TEST_F(CalculatorInputs, AFileWithoutTheSectionChangesNothing)
{
    write("[Current]\nIndex=0\n");
    form.FormCreate();
    QStringList before;
    for (const TControl* control : form.controls())
        if (const auto* edit = dynamic_cast<const TEdit*>(control))
            before << edit->text();
    form.useSettingsFile(file());
    QStringList after;
    for (const TControl* control : form.controls())
        if (const auto* edit = dynamic_cast<const TEdit*>(control))
            after << edit->text();
    EXPECT_EQ(after, before);
}

}  // namespace
