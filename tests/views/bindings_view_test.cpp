#include "calculator/formmainview.h"
#include "calculator/frmmain.h"
#include "controls/bindingview.h"
#include "controls/button.h"
#include "controls/checkbox.h"
#include "controls/edit.h"
#include "controls/printscale.h"
#include "controls/clock.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

// A control bound to its widget, with the palette roles that show its colours.
struct BoundControl {
    const char* name;
    std::function<QWidget*(std::unique_ptr<TControl>&, QWidget*)> bind;
    QPalette::ColorRole background;
    QPalette::ColorRole foreground;
};

class DisabledLook : public testing::TestWithParam<BoundControl> {
protected:
    std::unique_ptr<TControl> control;
    QWidget window;
    QWidget* widget = GetParam().bind(control, &window);

    QColor styleColour(QPalette::ColorGroup group, QPalette::ColorRole role) const
    {
        return QApplication::palette(widget).color(group, role);
    }
};

TEST_P(DisabledLook, ADisabledControlShowsTheStylesDisabledText)
{
    const QPalette::ColorRole text = GetParam().foreground;
    ASSERT_NE(styleColour(QPalette::Disabled, text), styleColour(QPalette::Active, text));
    control->setEnabled(false);
    EXPECT_FALSE(widget->isEnabled());
    EXPECT_EQ(widget->palette().color(QPalette::Disabled, text), styleColour(QPalette::Disabled, text));
    EXPECT_EQ(widget->palette().color(QPalette::Active, text), styleColour(QPalette::Active, text));
}

TEST_P(DisabledLook, OwnColoursHoldWhileEnabledAndTheTextGreysWhenDisabled)
{
    const QPalette::ColorRole text = GetParam().foreground;
    const QPalette::ColorRole face = GetParam().background;
    control->setColor(clInput);
    control->setFontColor(Qt::red);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_EQ(widget->palette().color(group, face), clInput);
        EXPECT_EQ(widget->palette().color(group, text), QColor(Qt::red));
    }
    control->setEnabled(false);
    // A disabled input is greyed by the logic through its colour; the text greys as the style's.
    control->setColor(clBtnFace);
    EXPECT_EQ(widget->palette().color(QPalette::Disabled, face), clBtnFace);
    EXPECT_EQ(widget->palette().color(QPalette::Disabled, text), styleColour(QPalette::Disabled, text));
    // Without colours of its own the control looks as the style draws it again.
    control->setColor(QColor());
    control->setFontColor(QColor());
    EXPECT_EQ(widget->palette().color(QPalette::Active, face), styleColour(QPalette::Active, face));
    EXPECT_EQ(widget->palette().color(QPalette::Active, text), styleColour(QPalette::Active, text));
}

template <typename C, typename Binder>
std::function<QWidget*(std::unique_ptr<TControl>&, QWidget*)> binding(Binder binder)
{
    return [binder](std::unique_ptr<TControl>& holder, QWidget* parent) {
        auto control = std::make_unique<C>();
        QWidget* widget = binder(*control, parent);
        holder = std::move(control);
        return widget;
    };
}

INSTANTIATE_TEST_SUITE_P(
    Bindings, DisabledLook,
    testing::Values(
        BoundControl{"Edit", binding<TEdit>([](TEdit& c, QWidget* p) { return Bind::edit(c, "edit", p); }),
                     QPalette::Base, QPalette::Text},
        BoundControl{"Button", binding<TButton>([](TButton& c, QWidget* p) { return Bind::button(c, "button", p); }),
                     QPalette::Button, QPalette::ButtonText},
        BoundControl{"Label", binding<TLabel>([](TLabel& c, QWidget* p) { return Bind::label(c, "label", p); }),
                     QPalette::Window, QPalette::WindowText},
        BoundControl{"CheckBox",
                     binding<TCheckBox>([](TCheckBox& c, QWidget* p) { return Bind::checkBox(c, "box", "Box", p); }),
                     QPalette::Window, QPalette::WindowText}),
    [](const testing::TestParamInfo<BoundControl>& info) { return std::string(info.param.name); });

TEST(CalculatorDisabledLook, SetLocationAndTheReflectorLossLookDisabled)
{
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    FormMainView view{form};
    form.FormCreate();
    form.btnLocation.setEnabled(false);
    form.chbxReflector.setChecked(false);
    for (const auto& [name, role] : {std::pair{"btnLocation", QPalette::ButtonText}, std::pair{"edtFillReflectorLoss", QPalette::Text}}) {
        auto* widget = view.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_FALSE(widget->isEnabled()) << name;
        const QPalette shown = widget->palette();
        EXPECT_NE(shown.color(QPalette::Disabled, role), shown.color(QPalette::Active, role)) << name;
        EXPECT_EQ(shown.color(QPalette::Disabled, role), QApplication::palette(widget).color(QPalette::Disabled, role))
            << name;
    }
}

// The calculator's window image on A4 paper, in the orientations a user may pick.
class PrintedWindowImage : public testing::TestWithParam<QPageLayout::Orientation> {};

TEST_P(PrintedWindowImage, FitsTheA4PrintableArea)
{
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("printout.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(GetParam());
    const double dpi = printer.resolution();
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());

    for (const QSize image : {QSize(1072, 760), QSize(1400, 1900), QSize(3000, 200)}) {
        const double scale = PrintScale(image, printable.size(), dpi);
        EXPECT_LE(scale, dpi / 96.0);
        EXPECT_LE(image.width() * scale, printable.width() + 1e-6) << image.width();
        EXPECT_LE(image.height() * scale, printable.height() + 1e-6) << image.height();
        // As large as fits: one side touches the printable area's edge.
        const bool touches = image.width() * scale > printable.width() - 1 || image.height() * scale > printable.height() - 1;
        EXPECT_TRUE(touches || scale == dpi / 96.0) << image.width();
    }
    // A small image prints at its size on the screen.
    EXPECT_DOUBLE_EQ(PrintScale(QSize(300, 200), printable.size(), dpi), dpi / 96.0);
}

INSTANTIATE_TEST_SUITE_P(A4, PrintedWindowImage, testing::Values(QPageLayout::Portrait, QPageLayout::Landscape));

}  // namespace
