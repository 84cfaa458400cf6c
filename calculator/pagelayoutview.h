#pragma once
// Layout pieces the calculator's pages share.

#include <QString>
#include <initializer_list>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QWidget;

class TMemo;
class TRadioGroup;

namespace PageLayout {

// A titled group box carrying an object name, so that tests can find it.
QGroupBox* groupBox(const QString& title, const char* name);

// A bound documentation memo in fixed pitch, which keeps the tables in it in columns.
QPlainTextEdit* documentation(TMemo& memo);

// A bound radio group of units, its buttons side by side.
QGroupBox* unitGroup(TRadioGroup& control);

// Lets the label wrap its text; returns the label.
QLabel* wrapped(QLabel* label);

// One "caption: field" pair in a grid row, the caption in `column` and the field after it.
void addCaptioned(QGridLayout* grid, int row, const QString& caption, QWidget* field, int column = 0);

// A page with a column of groups on the left (topmost first, spare height below them) and its
// documentation on the right; the two share the width in the ratio of their stretch factors.
QWidget* documentedPage(QWidget* parent, const char* name, std::initializer_list<QWidget*> column, int columnStretch,
                        QWidget* documentation, int documentationStretch);

}  // namespace PageLayout
