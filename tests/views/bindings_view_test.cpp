#include "calculator/calculatorwindowview.h"
#include "calculator/frmmain.h"
#include "controls/bindingview.h"
#include "controls/button.h"
#include "controls/checkbox.h"
#include "controls/clock.h"
#include "controls/edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>
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
    testing::Values(BoundControl{"Edit", binding<TEdit>([](TEdit& c, QWidget* p) { return Bind::edit(c, p); }),
                                 QPalette::Base, QPalette::Text},
                    BoundControl{"Button", binding<TButton>([](TButton& c, QWidget* p) { return Bind::button(c, p); }),
                                 QPalette::Button, QPalette::ButtonText},
                    BoundControl{"Label", binding<TLabel>([](TLabel& c, QWidget* p) { return Bind::label(c, p); }),
                                 QPalette::Window, QPalette::WindowText},
                    BoundControl{"CheckBox", binding<TCheckBox>([](TCheckBox& c, QWidget* p) {
                                     return Bind::checkBox(c, "Box", p);
                                 }),
                                 QPalette::Window, QPalette::WindowText}),
    [](const testing::TestParamInfo<BoundControl>& info) { return std::string(info.param.name); });

TEST(CalculatorDisabledLook, SetLocationAndTheReflectorLossLookDisabled)
{
    TFixedClock clock{46363, -60};
    TFrmMain form{clock};
    CalculatorWindowView view{form};
    form.FormCreate();
    form.sun.btnLocation.setEnabled(false);
    form.lighting.chbxReflector.setChecked(false);
    const std::pair<const char*, QPalette::ColorRole> disabled[] = {{"btnLocation", QPalette::ButtonText},
                                                                    {"edtFillReflectorLoss", QPalette::Text}};
    for (const auto& [name, role] : disabled) {
        auto* widget = view.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_FALSE(widget->isEnabled()) << name;
        const QPalette shown = widget->palette();
        EXPECT_NE(shown.color(QPalette::Disabled, role), shown.color(QPalette::Active, role)) << name;
        EXPECT_EQ(shown.color(QPalette::Disabled, role), QApplication::palette(widget).color(QPalette::Disabled, role))
            << name;
    }
}

}  // namespace
