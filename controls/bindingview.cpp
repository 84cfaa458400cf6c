#include "controls/bindingview.h"

#include "controls/button.h"
#include "controls/checkbox.h"
#include "controls/dateedit.h"
#include "controls/datefieldview.h"
#include "controls/edit.h"
#include "controls/guard.h"
#include "controls/image.h"
#include "controls/list.h"
#include "controls/slider.h"
#include "controls/statusbar.h"
#include "controls/timer.h"
#include "controls/window.h"

#include <algorithm>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

TImageWidget::TImageWidget(TImage& control, QWidget* parent)
    : QWidget(parent),
      FControl(control)
{}

QSize TImageWidget::sizeHint() const
{
    return FControl.picture().isNull() ? QWidget::sizeHint() : FControl.picture().size();
}

void TImageWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (FControl.picture().isNull())
        painter.fillRect(rect(), FControl.color());
    else
        painter.drawImage(0, 0, FControl.picture());
}

void TImageWidget::mousePressEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = event->button();
    const QPoint position = event->position().toPoint();
    TGuard::run([&] { FControl.mouseDown(button, position); });
}

// A text of several lines is cut short only where one of its lines does not fit.
bool TElidingLabel::elided() const
{
    if (wordWrap() || textFormat() == Qt::RichText)
        return false;
    const int room = contentsRect().width() - 2 * margin();
    const QStringList lines = text().split(u'\n');
    return std::any_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return fontMetrics().horizontalAdvance(line) > room; });
}

QSize TElidingLabel::sizeHint() const
{
    QSize hint = QLabel::sizeHint();
    if (!wordWrap()) {
        FWidest = std::max(FWidest, hint.width());
        hint.setWidth(FWidest);
    }
    return hint;
}

namespace {
constexpr int MostCharacters = 40;
}

QSize TElidingLabel::minimumSizeHint() const
{
    QSize least = QLabel::minimumSizeHint();
    if (!wordWrap()) {
        FWidestLeast = std::max(FWidestLeast, least.width());
        least.setWidth(FReserved > 0 ? FReserved
                                     : std::min(FWidestLeast, MostCharacters * fontMetrics().averageCharWidth()));
    }
    return least;
}

namespace {
// Every number with one more whole digit and at least two decimals; clock times keep theirs.
QString WithLongerNumbers(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("(?<![\\d:])(\\d+)(?:([.,])(\\d+))?(?![\\d:])"));
    QString longer;
    qsizetype from = 0;
    for (auto match = number.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        longer += text.mid(from, found.capturedStart() - from);
        longer += QLatin1Char('0') + found.captured(1);
        if (found.capturedLength(2) > 0)
            longer += found.captured(2) + found.captured(3).leftJustified(2, QLatin1Char('0'));
        from = found.capturedEnd();
    }
    return longer + text.mid(from);
}

// The month names of English and of the user's language, as one pattern, and the widest of them
// in each font asked for. Compiling the pattern and measuring the names for every result label
// took longer than the rest of a window's making; both are kept while the language stays.
struct TMonthNames {
    QString locale;
    QStringList names;
    QRegularExpression anyName;
    QHash<QString, QString> widestByFont;
};

TMonthNames& UserMonthNames()
{
    static TMonthNames months;
    const QString locale = QLocale().name();
    if (!months.names.isEmpty() && months.locale == locale)
        return months;
    months = {locale, {}, {}, {}};
    QStringList patterns;
    for (const QLocale& language : {QLocale(QLocale::English), QLocale()})
        for (int month = 1; month <= 12; ++month) {
            months.names << language.monthName(month, QLocale::LongFormat);
            patterns << QRegularExpression::escape(months.names.back());
        }
    months.anyName = QRegularExpression(QStringLiteral("\\b(?:%1)\\b").arg(patterns.join(u'|')),
                                        QRegularExpression::UseUnicodePropertiesOption);
    return months;
}

QString WidestMonth(TMonthNames& months, const QFont& font, const QFontMetrics& metrics)
{
    const QString key = font.key();
    if (const auto known = months.widestByFont.constFind(key); known != months.widestByFont.cend())
        return *known;
    QString widest;
    for (const QString& name : months.names)
        if (metrics.horizontalAdvance(name) > metrics.horizontalAdvance(widest))
            widest = name;
    months.widestByFont.insert(key, widest);
    return widest;
}

// Every month name with the widest one, in English and in the user's language.
QString WithWidestMonth(QString text, const QFont& font, const QFontMetrics& metrics)
{
    TMonthNames& months = UserMonthNames();
    return text.replace(months.anyName, WidestMonth(months, font, metrics));
}
}  // namespace

void TElidingLabel::reserveRoomForResults()
{
    if (wordWrap() || textFormat() == Qt::RichText)
        return;
    const QString longest = WithWidestMonth(WithLongerNumbers(text()), font(), fontMetrics());
    // A letter to spare for the names that change with the season, such as "CET" and "CEST".
    const int spare = fontMetrics().horizontalAdvance(QLatin1Char('W'));
    const int needed = fontMetrics().horizontalAdvance(longest) + spare + 2 * margin() + 2 * frameWidth();
    FReserved = std::min(std::max(needed, QLabel::minimumSizeHint().width()),
                         MostCharacters * fontMetrics().averageCharWidth());
    updateGeometry();
}

void TElidingLabel::paintEvent(QPaintEvent* event)
{
    if (!elided()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    QStringList lines = text().split(u'\n');
    for (QString& line : lines)
        line = fontMetrics().elidedText(line, Qt::ElideRight, room.width());
    painter.drawText(room, int(alignment()), lines.join(u'\n'));
}

bool TElidingLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && elided()) {
        const QString tip = toolTip().isEmpty() ? text() : text() + QLatin1Char('\n') + toolTip();
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        return true;
    }
    return QLabel::event(event);
}

namespace Bind {
namespace {

struct ColourRoles {
    QPalette::ColorRole background;
    QPalette::ColorRole foreground;
};

// Mirrors what every control has: enabled, visible, hint and colours. Only the roles a control
// colours are set, so that the rest follow the style. A background colour holds in every state
// (the logic greys disabled inputs itself); a font colour only while enabled, so that a
// disabled control's text greys as the style greys it.
void applyCommon(QWidget* widget, const TControl& control, std::initializer_list<ColourRoles> roles)
{
    widget->setEnabled(control.enabled());
    // A widget not yet placed in a window would pop up on its own if shown.
    if (widget->parentWidget() || !control.visible())
        widget->setVisible(control.visible());
    widget->setToolTip(control.hint());
    widget->setStatusTip(control.hint());
    QPalette palette;
    for (const ColourRoles& role : roles) {
        if (control.color().isValid())
            palette.setColor(role.background, control.color());
        if (control.fontColor().isValid())
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                palette.setColor(group, role.foreground, control.fontColor());
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(control.color().isValid());
}

// Calls update now and whenever the control changes, for as long as the widget lives.
template <typename W, typename C, typename Update>
W* observe(W* widget, C& control, Update update)
{
    widget->setObjectName(QString::fromLatin1(control.name()));
    QPointer<W> guarded(widget);
    auto refresh = [guarded, &control, update] {
        if (!guarded)
            return;
        const QSignalBlocker blocker(guarded.data());
        update(guarded.data(), control);
    };
    control.setObserver(refresh);
    refresh();
    return widget;
}

}  // namespace

QLineEdit* edit(TEdit& control, QWidget* parent)
{
    auto* widget = new QLineEdit(parent);
    QObject::connect(widget, &QLineEdit::textEdited, widget, [widget, &control](const QString& text) {
        const QString before = control.error();
        TGuard::runTyped(control, [&] { control.setText(text); });
        // The window's status line shows why the box is marked, and is cleared once it reads.
        if (!control.error().isEmpty() || !before.isEmpty()) {
            QStatusTipEvent tip(control.error());
            QCoreApplication::sendEvent(widget, &tip);
        }
    });
    QObject::connect(widget, &QLineEdit::editingFinished, widget, [&control] { TGuard::run([&] { control.exit(); }); });
    return observe(widget, control, [](QLineEdit* w, TEdit& c) {
        if (w->text() != c.text())
            w->setText(c.text());
        w->setReadOnly(c.readOnly());
        applyCommon(w, c, {{QPalette::Base, QPalette::Text}});
        if (!c.error().isEmpty()) {
            QPalette palette = w->palette();
            palette.setColor(QPalette::Base, clUnreadable);
            w->setPalette(palette);
            w->setToolTip(c.error());
        }
    });
}

namespace {

// Shows a list box's current item as its tooltip when the box is too narrow for it.
class TFullItemTip : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QComboBox*>(watched);
        if (!box || event->type() != QEvent::ToolTip || !box->toolTip().isEmpty())
            return QObject::eventFilter(watched, event);
        const QString item = box->currentText();
        if (box->fontMetrics().horizontalAdvance(item) <= box->contentsRect().width() - box->height())
            return QObject::eventFilter(watched, event);
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), item, box);
        return true;
    }
};

}  // namespace

void limitWidth(QComboBox* box, int characters)
{
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(characters);
    box->installEventFilter(new TFullItemTip(box));
}

QLabel* label(TLabel& control, QWidget* parent)
{
    auto* widget = new TElidingLabel(parent);
    return observe(widget, control, [](QLabel* w, TLabel& c) {
        w->setText(c.text());
        applyCommon(w, c, {{QPalette::Window, QPalette::WindowText}});
    });
}

QPlainTextEdit* memo(TMemo& control, QWidget* parent)
{
    auto* widget = new QPlainTextEdit(parent);
    QObject::connect(widget, &QPlainTextEdit::textChanged, widget, [widget, &control] {
        if (!widget->isReadOnly())
            TGuard::run([&] { control.setText(widget->toPlainText()); });
    });
    return observe(widget, control, [](QPlainTextEdit* w, TMemo& c) {
        if (w->toPlainText() != c.text())
            w->setPlainText(c.text());
        w->setReadOnly(c.readOnly());
        applyCommon(w, c, {{QPalette::Base, QPalette::Text}});
    });
}

QComboBox* combo(TList& control, QWidget* parent)
{
    auto* widget = new QComboBox(parent);
    QObject::connect(widget, &QComboBox::activated, widget,
                     [&control](int index) { TGuard::run([&] { control.setItemIndex(index); }); });
    return observe(widget, control, [](QComboBox* w, TList& c) {
        QStringList shown;
        for (int i = 0; i < w->count(); ++i)
            shown << w->itemText(i);
        if (shown != c.items()) {
            w->clear();
            w->addItems(c.items());
        }
        w->setCurrentIndex(c.itemIndex());
        // A pick-only combo box paints its face with the button colour.
        applyCommon(w, c, {{QPalette::Base, QPalette::Text}, {QPalette::Button, QPalette::ButtonText}});
    });
}

QListWidget* listBox(TList& control, QWidget* parent)
{
    auto* widget = new QListWidget(parent);
    QObject::connect(widget, &QListWidget::currentRowChanged, widget,
                     [&control](int row) { TGuard::run([&] { control.setItemIndex(row); }); });
    return observe(widget, control, [](QListWidget* w, TList& c) {
        QStringList shown;
        for (int i = 0; i < w->count(); ++i)
            shown << w->item(i)->text();
        if (shown != c.items()) {
            w->clear();
            w->addItems(c.items());
        }
        w->setCurrentRow(c.itemIndex());
        applyCommon(w, c, {{QPalette::Base, QPalette::Text}});
    });
}

QGroupBox* radioGroup(TRadioGroup& control, const QString& caption, QWidget* parent)
{
    auto* widget = new QGroupBox(caption, parent);
    auto* group = new QButtonGroup(widget);
    auto* layout = new QVBoxLayout(widget);
    for (int i = 0; i < control.count(); ++i) {
        auto* radio = new QRadioButton(control.items()[i], widget);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    QObject::connect(group, &QButtonGroup::idClicked, widget,
                     [&control](int index) { TGuard::run([&] { control.setItemIndex(index); }); });
    return observe(widget, control, [group](QGroupBox* w, TRadioGroup& c) {
        const QSignalBlocker blocker(group);
        if (QAbstractButton* checked = group->button(c.itemIndex()))
            checked->setChecked(true);
        applyCommon(w, c, {{QPalette::Window, QPalette::WindowText}});
    });
}

QSlider* slider(TSlider& control, Qt::Orientation orientation, QWidget* parent)
{
    auto* widget = new QSlider(orientation, parent);
    widget->setTickPosition(orientation == Qt::Horizontal ? QSlider::TicksBelow : QSlider::TicksRight);
    QObject::connect(widget, &QSlider::valueChanged, widget,
                     [&control](int position) { TGuard::run([&] { control.setPosition(position); }); });
    return observe(widget, control, [](QSlider* w, TSlider& c) {
        w->setRange(c.minimum(), c.maximum());
        w->setValue(c.position());
        applyCommon(w, c, {{QPalette::Window, QPalette::WindowText}});
    });
}

TDateField* dateEdit(TDateEdit& control, QWidget* parent)
{
    auto* widget = new TDateField(control.minimum(), control.maximum(), parent);
    QObject::connect(widget, &TDateField::datePicked, widget,
                     [&control](const QDate& date) { TGuard::run([&] { control.setDate(date); }); });
    return observe(widget, control, [](TDateField* w, TDateEdit& c) {
        applyCommon(w, c, {{QPalette::Base, QPalette::Text}});
        w->showDate(c.date());
    });
}

QCheckBox* checkBox(TCheckBox& control, const QString& caption, QWidget* parent)
{
    auto* widget = new QCheckBox(caption, parent);
    QObject::connect(widget, &QCheckBox::toggled, widget,
                     [&control](bool checked) { TGuard::run([&] { control.setChecked(checked); }); });
    return observe(widget, control, [](QCheckBox* w, TCheckBox& c) {
        w->setChecked(c.checked());
        applyCommon(w, c, {{QPalette::Window, QPalette::WindowText}});
    });
}

QPushButton* button(TButton& control, QWidget* parent)
{
    auto* widget = new QPushButton(parent);
    QObject::connect(widget, &QPushButton::clicked, widget, [&control] { TGuard::run([&] { control.click(); }); });
    return observe(widget, control, [](QPushButton* w, TButton& c) {
        w->setText(c.caption());
        applyCommon(w, c, {{QPalette::Button, QPalette::ButtonText}});
    });
}

QAction* action(TMenuItem& control, QObject* parent, bool checkable)
{
    auto* item = new QAction(parent);
    item->setObjectName(QString::fromLatin1(control.name()));
    item->setCheckable(checkable);
    // A checkable action toggles itself before triggered(); the logic decides the mark.
    QObject::connect(item, &QAction::triggered, item, [&control, item] {
        item->setChecked(control.checked());
        TGuard::run([&] { control.click(); });
    });
    QPointer<QAction> guarded(item);
    auto refresh = [guarded, &control] {
        if (!guarded)
            return;
        const QSignalBlocker blocker(guarded.data());
        guarded->setText(control.caption());
        guarded->setChecked(control.checked());
        guarded->setEnabled(control.enabled());
        guarded->setVisible(control.visible());
        guarded->setStatusTip(control.hint());
    };
    control.setObserver(refresh);
    refresh();
    return item;
}

TImageWidget* image(TImage& control, QWidget* parent)
{
    auto* widget = new TImageWidget(control, parent);
    return observe(widget, control, [](TImageWidget* w, TImage& c) {
        if (!c.picture().isNull())
            w->setFixedSize(c.picture().size());
        w->setEnabled(c.enabled());
        if (w->parentWidget() || !c.visible())
            w->setVisible(c.visible());
        w->setToolTip(c.hint());
        w->setStatusTip(c.hint());
        w->update();
    });
}

QTimer* timer(TTimer& control, QObject* parent)
{
    auto* widget = new QTimer(parent);
    widget->setObjectName(QString::fromLatin1(control.name()));
    QObject::connect(widget, &QTimer::timeout, widget, [&control] { control.elapse(); });
    QPointer<QTimer> guarded(widget);
    auto refresh = [guarded, &control] {
        if (!guarded)
            return;
        if (guarded->interval() != control.interval())
            guarded->setInterval(control.interval());
        if (control.enabled() && !guarded->isActive())
            guarded->start();
        else if (!control.enabled() && guarded->isActive())
            guarded->stop();
    };
    control.setObserver(refresh);
    refresh();
    return widget;
}

void statusBar(TStatusBar& control, QStatusBar* bar)
{
    bar->setObjectName(QString::fromLatin1(control.name()));
    QList<QLabel*> labels;
    for (const TStatusBar::Panel& panel : control.panels()) {
        auto* label = new QLabel(bar);
        label->setFixedWidth(panel.width);
        label->setAlignment(panel.alignment | Qt::AlignVCenter);
        label->setFrameShape(QFrame::StyledPanel);
        bar->addPermanentWidget(label, panel.width == control.panels().front().width ? 1 : 0);
        labels << label;
    }
    QPointer<QStatusBar> guarded(bar);
    auto refresh = [guarded, &control, labels] {
        if (!guarded)
            return;
        for (int i = 0; i < labels.size(); ++i)
            labels[i]->setText(control.panelText(i));
    };
    control.setObserver(refresh);
    refresh();
}

void window(TWindow& control, QWidget* widget)
{
    QPointer<QWidget> guarded(widget);
    widget->setWindowTitle(control.caption());
    control.onCaptionChange = [guarded, &control] {
        if (guarded)
            guarded->setWindowTitle(control.caption());
    };
    control.onVisibleChange = [guarded](bool visible) {
        if (guarded)
            guarded->setVisible(visible);
    };
    control.onRaise = [guarded] {
        if (!guarded)
            return;
        guarded->raise();
        guarded->activateWindow();
    };
    control.onBounds = [guarded] { return guarded ? guarded->frameGeometry() : QRect(); };
    if (auto* dialog = qobject_cast<QDialog*>(widget)) {
        control.onShowModal = [guarded, dialog, &control] {
            if (!guarded)
                return TModalResult::Cancel;
            const int code = dialog->exec();
            if (control.modalResult() != TModalResult::None)
                return control.modalResult();
            return code == QDialog::Accepted ? TModalResult::OK : TModalResult::Cancel;
        };
        control.onModalResultSet = [guarded, dialog](TModalResult result) {
            if (guarded && result != TModalResult::None)
                dialog->done(result == TModalResult::OK ? QDialog::Accepted : QDialog::Rejected);
        };
    }
}

void labelRows(QGridLayout* grid, std::initializer_list<LabelRow> rows, int column, int firstRow)
{
    int row = firstRow;
    for (const LabelRow& r : rows) {
        grid->addWidget(label(r.caption), row, column);
        grid->addWidget(label(r.value), row, column + 1);
        ++row;
    }
}

QLabel* caption(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

}  // namespace Bind
