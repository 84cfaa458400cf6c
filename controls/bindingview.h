#pragma once
// Widgets bound to controls. Each function creates the widget, names it after the control (so
// a test can find it), mirrors the control's state into it whenever that state changes, and
// turns the user's actions into control writes that run through TGuard.

#include <QLabel>
#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QDialog;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QObject;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QStatusBar;
class QTimer;

class TButton;
class TDateField;
class TCheckBox;
class TDateEdit;
class TEdit;
class TImage;
class TLabel;
class TList;
class TMemo;
class TMenuItem;
class TRadioGroup;
class TSlider;
class TStatusBar;
class TTimer;
class TWindow;

// Shows a TImage unscaled (or, with no picture, a rectangle in the control's colour) and
// reports mouse presses to it.
class TImageWidget : public QWidget {
    Q_OBJECT
public:
    TImageWidget(TImage& control, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TImage& FControl;
};

// A label whose text, when its room is too narrow for it, ends in an ellipsis instead of being
// cut off, and shows whole in the tooltip (with the label's own hint below it).
// Its widths are the widest its texts have needed, so that a shorter result ("N/A") does not
// pull the columns beside it back and forth; the least width stops at a few dozen characters,
// beyond which a text is elided rather than widening the window.
class TElidingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    bool elided() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Fixes the least width at what the text needs with every number in it as long as a
    // result's usually are, so that a window sized once is not widened by later results: a
    // longer one is cut short instead.
    void reserveRoomForResults();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    mutable int FWidest = 0;
    mutable int FWidestLeast = 0;
    int FReserved = 0;
};

namespace Bind {

QLineEdit* edit(TEdit& control, QWidget* parent = nullptr);
QLabel* label(TLabel& control, QWidget* parent = nullptr);
QPlainTextEdit* memo(TMemo& control, QWidget* parent = nullptr);
QComboBox* combo(TList& control, QWidget* parent = nullptr);
// Keeps the list box `characters` wide whatever its items; an item cut off shows whole in the
// box's tooltip.
void limitWidth(QComboBox* box, int characters);
// A date field that takes a whole typed date, with a calendar pop-up.
TDateField* dateEdit(TDateEdit& control, QWidget* parent = nullptr);
QListWidget* listBox(TList& control, QWidget* parent = nullptr);
QGroupBox* radioGroup(TRadioGroup& control, const QString& caption, QWidget* parent = nullptr);
QSlider* slider(TSlider& control, Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);
QCheckBox* checkBox(TCheckBox& control, const QString& caption, QWidget* parent = nullptr);
QPushButton* button(TButton& control, QWidget* parent = nullptr);
// A menu item; checkable items show the control's check mark.
QAction* action(TMenuItem& control, QObject* parent, bool checkable = false);
TImageWidget* image(TImage& control, QWidget* parent = nullptr);
// Runs a real timer while the control is enabled.
QTimer* timer(TTimer& control, QObject* parent);
// Fills a status bar with the control's panels and keeps their texts current.
void statusBar(TStatusBar& control, QStatusBar* bar);
// Connects a logic window to its widget: Show, Hide, ShowModal and the caption.
void window(TWindow& control, QWidget* widget);

// A caption and the value it names, side by side.
struct LabelRow {
    TLabel& caption;
    TLabel& value;
};
// Binds one column of rows into the grid from `firstRow` down: captions in `column`, values
// in the column after it.
void labelRows(QGridLayout* grid, std::initializer_list<LabelRow> rows, int column = 0, int firstRow = 0);

// A plain caption that is not a control.
QLabel* caption(const QString& text, QWidget* parent = nullptr);

}  // namespace Bind
