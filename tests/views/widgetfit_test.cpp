// The widget-fit check itself: each kind of cut-off it looks for is found in a window made to
// show it, and a window laid out by Qt from its content passes.

#include "widgetfit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString LongText = QStringLiteral("A caption far too long for the little room it was given");

struct TFitCase {
    const char* name;
    // Fills the window; returns the object name the fault must mention, or empty for none.
    std::function<QString(QWidget*)> build;
};

class WidgetFitCheck : public testing::TestWithParam<TFitCase> {};

TEST_P(WidgetFitCheck, FindsWhatIsCut)
{
    const auto window = std::make_unique<QWidget>();
    window->setObjectName("Window");
    const QString culprit = GetParam().build(window.get());
    window->show();
    QApplication::processEvents();
    const QStringList faults = ClippedTexts(window.get());
    if (culprit.isEmpty())
        EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
    else
        EXPECT_TRUE(faults.join('\n').contains(culprit)) << faults.join('\n').toStdString();
}

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WidgetFitCheck,
    testing::Values(TFitCase{"LaidOut",
                             [](QWidget* window) {
                                 auto* layout = new QVBoxLayout(window);
                                 layout->addWidget(new QLabel(LongText));
                                 layout->addWidget(new QCheckBox(LongText));
                                 auto* combo = new QComboBox;
                                 combo->addItems({"short", LongText});
                                 layout->addWidget(combo);
                                 layout->addWidget(new QLineEdit(LongText));
                                 return QString();
                             }},
                    TFitCase{"NarrowLabel",
                             [](QWidget* window) {
                                 named(new QLabel(LongText, window), "lblNarrow")->setGeometry(0, 0, 40, 30);
                                 window->setFixedSize(200, 100);
                                 return QStringLiteral("lblNarrow");
                             }},
                    TFitCase{"NarrowButton",
                             [](QWidget* window) {
                                 named(new QPushButton(LongText, window), "btnNarrow")->setGeometry(0, 0, 60, 30);
                                 window->setFixedSize(200, 100);
                                 return QStringLiteral("btnNarrow");
                             }},
                    TFitCase{"NarrowComboItem",
                             [](QWidget* window) {
                                 auto* combo = named(new QComboBox(window), "cmbxNarrow");
                                 combo->addItems({"short", LongText});
                                 combo->setGeometry(0, 0, 90, 30);
                                 window->setFixedSize(200, 100);
                                 return QStringLiteral("cmbxNarrow");
                             }},
                    TFitCase{"NarrowGroupTitle",
                             [](QWidget* window) {
                                 named(new QGroupBox(LongText, window), "gpbxNarrow")->setGeometry(0, 0, 80, 60);
                                 window->setFixedSize(200, 100);
                                 return QStringLiteral("gpbxNarrow");
                             }},
                    TFitCase{"OutsideItsParent",
                             [](QWidget* window) {
                                 named(new QLabel("x", window), "lblOutside")->setGeometry(180, 0, 40, 20);
                                 window->setFixedSize(200, 100);
                                 return QStringLiteral("lblOutside");
                             }},
                    TFitCase{"RunsIntoItsNeighbour",
                             [](QWidget* window) {
                                 named(new QLabel("first text", window), "lblFirst")->setGeometry(0, 0, 190, 20);
                                 named(new QLabel("second", window), "lblSecond")->setGeometry(30, 5, 100, 20);
                                 window->setFixedSize(200, 100);
                                 return QStringLiteral("lblFirst and Window/lblSecond overlap");
                             }},
                    TFitCase{"NeedsScrolling",
                             [](QWidget* window) {
                                 auto* scroll = named(new QScrollArea(window), "ScrollBox");
                                 scroll->setWidgetResizable(true);
                                 auto* content = new QWidget;
                                 content->setMinimumSize(400, 300);
                                 scroll->setWidget(content);
                                 scroll->setGeometry(0, 0, 200, 100);
                                 window->setFixedSize(200, 100);
                                 return QStringLiteral("ScrollBox: needs scrolling");
                             }}),
    [](const testing::TestParamInfo<TFitCase>& info) { return std::string(info.param.name); });

}  // namespace
