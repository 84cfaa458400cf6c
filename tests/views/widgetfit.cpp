#include "widgetfit.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>

namespace {

QString describe(const QWidget* widget)
{
    const QString name =
        widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : widget->objectName();
    return QStringLiteral("%1/%2").arg(widget->window()->objectName(), name);
}

QString sizeText(QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

// The text as drawn: the "&" of a mnemonic takes no room.
QString shown(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    plain.remove(QLatin1Char('&'));
    plain.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return plain;
}

int textWidth(const QWidget* widget, const QString& text)
{
    return widget->fontMetrics().horizontalAdvance(shown(text));
}

// Where a label's text lies inside the label, and whether it fits there.
struct TLabelText {
    QRect area;
    QSize needed;
    QRect ink;
};

TLabelText labelText(const QLabel* label)
{
    const int margin = label->margin();
    QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    if (label->frameWidth() > 0 && label->indent() < 0) {
        // A framed label indents its text by half an "x" on its aligned side.
        const int indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
        if (label->alignment() & Qt::AlignLeft)
            area.setLeft(area.left() + indent);
        if (label->alignment() & Qt::AlignRight)
            area.setRight(area.right() - indent);
    }
    QSize needed;
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (rich) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label->font());
        document.setHtml(label->text());
        if (label->wordWrap())
            document.setTextWidth(area.width());
        needed = QSize(qCeil(label->wordWrap() ? document.size().width() : document.idealWidth()),
                       qCeil(document.size().height()));
    } else {
        const int flags = int(label->alignment()) | Qt::TextExpandTabs | (label->wordWrap() ? Qt::TextWordWrap : 0) |
                          (label->buddy() ? Qt::TextShowMnemonic : 0);
        const int width = label->wordWrap() ? area.width() : 100000;
        needed = label->fontMetrics().boundingRect(QRect(0, 0, width, 100000), flags, label->text()).size();
    }
    const QRect ink = QStyle::alignedRect(label->layoutDirection(), label->alignment(), needed, area);
    return {area, needed, ink};
}

bool showsText(const QLabel* label) { return !label->text().isEmpty() && label->pixmap().isNull() && !label->movie(); }

void checkLabel(const QLabel* label, QStringList& faults)
{
    if (!showsText(label))
        return;
    const TLabelText text = labelText(label);
    if (text.needed.width() > text.area.width() || text.needed.height() > text.area.height())
        faults << QStringLiteral("%1: text \"%2\" needs %3, has %4")
                      .arg(describe(label), label->text(), sizeText(text.needed), sizeText(text.area.size()));
}

void checkButtonText(const QAbstractButton* button, QStyle::SubElement contents, QStringList& faults)
{
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (const auto* push = qobject_cast<const QPushButton*>(button))
        if (push->isDefault() || push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
    QRect area = button->style()->subElementRect(contents, &option, button);
    const int needed = textWidth(button, button->text());
    const int height = button->fontMetrics().height();
    if (needed > area.width() || height > area.height())
        faults << QStringLiteral("%1: caption \"%2\" needs %3, has %4")
                      .arg(describe(button), shown(button->text()), sizeText(QSize(needed, height)),
                           sizeText(area.size()));
}

void checkGroupTitle(const QGroupBox* box, QStringList& faults)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    if (!box->rect().contains(title))
        faults << QStringLiteral("%1: title \"%2\" spans %3, the box is %4 wide")
                      .arg(describe(box), shown(box->title()))
                      .arg(title.right() + 1)
                      .arg(box->width());
}

void checkComboItems(const QComboBox* combo, QStringList& faults)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    // The face draws its text one pixel in from each side of the field.
    const int room =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width() - 2;
    for (int i = 0; i < combo->count(); ++i) {
        const int needed = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
        if (needed > room)
            faults << QStringLiteral("%1: item \"%2\" needs %3, has %4")
                          .arg(describe(combo), combo->itemText(i))
                          .arg(needed)
                          .arg(room);
    }
}

void checkLineEdit(const QLineEdit* edit, QStringList& faults)
{
    if (edit->displayText().isEmpty())
        return;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QMargins margins = edit->textMargins();
    // A line edit keeps two pixels free on each side of its text.
    const int room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() -
                     margins.left() - margins.right() - 4;
    const int needed = edit->fontMetrics().horizontalAdvance(edit->displayText());
    if (needed > room)
        faults << QStringLiteral("%1: text \"%2\" needs %3, has %4")
                      .arg(describe(edit), edit->displayText())
                      .arg(needed)
                      .arg(room);
}

void checkTabs(const QTabBar* bar, QStringList& faults)
{
    for (int i = 0; i < bar->count(); ++i) {
        const QRect tab = bar->tabRect(i);
        if (!bar->rect().contains(tab) || textWidth(bar, bar->tabText(i)) > tab.width())
            faults << QStringLiteral("%1: tab \"%2\" at %3..%4 does not fit its %5 pixels")
                          .arg(describe(bar), shown(bar->tabText(i)))
                          .arg(tab.left())
                          .arg(tab.right())
                          .arg(bar->width());
    }
}

// Widgets whose children are their own business (scroll bars, buttons and editors inside).
bool composite(const QWidget* widget)
{
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QTabBar*>(widget) ||
           qobject_cast<const QMenuBar*>(widget) ||
           (qobject_cast<const QAbstractScrollArea*>(widget) && !qobject_cast<const QScrollArea*>(widget));
}

void checkScrollArea(const QScrollArea* area, QStringList& faults)
{
    const QWidget* content = area->widget();
    if (!content)
        return;
    const QSize view = area->viewport()->size();
    // A window as wide (or tall) as the screen allows scrolls: at large scales that is the
    // way to show everything. A smaller window should have grown instead.
    const QRect window = area->window()->frameGeometry();
    const QRect screen = area->screen()->availableGeometry();
    const bool wideAsScreen = window.width() >= screen.width();
    const bool tallAsScreen = window.height() >= screen.height();
    if ((content->width() > view.width() && !wideAsScreen) || (content->height() > view.height() && !tallAsScreen))
        faults << QStringLiteral("%1: needs scrolling, its content is %2 in a view of %3")
                      .arg(describe(area), sizeText(content->size()), sizeText(view));
}

// Children placed by hand, not by a layout, must not paint over one another: a label counts
// with the room its text takes, other widgets with their whole area.
void checkHandPlaced(const QWidget* parent, const QList<QWidget*>& children, QStringList& faults)
{
    QList<QPair<const QWidget*, QRect>> inks;
    for (const QWidget* child : children) {
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            if (!showsText(label))
                continue;
            inks.append({child, labelText(label).ink.translated(child->pos())});
        } else {
            inks.append({child, child->geometry()});
        }
    }
    for (int i = 0; i < inks.size(); ++i) {
        if (!parent->rect().contains(inks[i].second))
            faults << QStringLiteral("%1: drawn at %2,%3 %4, outside its parent's %5")
                          .arg(describe(inks[i].first))
                          .arg(inks[i].second.x())
                          .arg(inks[i].second.y())
                          .arg(sizeText(inks[i].second.size()), sizeText(parent->size()));
        for (int j = i + 1; j < inks.size(); ++j)
            if (inks[i].second.intersects(inks[j].second))
                faults << QStringLiteral("%1 and %2 overlap").arg(describe(inks[i].first), describe(inks[j].first));
    }
}

void walk(QWidget* widget, QStringList& faults)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        checkLabel(label, faults);
    else if (auto* check = qobject_cast<QCheckBox*>(widget))
        checkButtonText(check, QStyle::SE_CheckBoxContents, faults);
    else if (auto* radio = qobject_cast<QRadioButton*>(widget))
        checkButtonText(radio, QStyle::SE_RadioButtonContents, faults);
    else if (auto* push = qobject_cast<QPushButton*>(widget))
        checkButtonText(push, QStyle::SE_PushButtonContents, faults);
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        checkComboItems(combo, faults);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        checkLineEdit(edit, faults);
    else if (auto* bar = qobject_cast<QTabBar*>(widget))
        checkTabs(bar, faults);
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        checkGroupTitle(box, faults);
    if (auto* area = qobject_cast<QScrollArea*>(widget))
        checkScrollArea(area, faults);
    if (const QLayout* layout = widget->layout()) {
        const QSize minimum = layout->totalMinimumSize();
        if (widget->width() < minimum.width() || widget->height() < minimum.height())
            faults << QStringLiteral("%1: is %2, its content needs at least %3")
                          .arg(describe(widget), sizeText(widget->size()), sizeText(minimum));
    }
    if (composite(widget))
        return;

    QList<QWidget*> children;
    for (QObject* object : widget->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && child->isVisible())
            children << child;
    }
    // A scroll area's content lies in its viewport and is checked against it above.
    const auto* area = qobject_cast<const QScrollArea*>(widget->parentWidget());
    const bool viewport = area && area->viewport() == widget;
    for (QWidget* child : children) {
        if (!viewport && !widget->rect().contains(child->geometry()))
            faults << QStringLiteral("%1: lies at %2,%3 %4, outside its parent's %5")
                          .arg(describe(child))
                          .arg(child->x())
                          .arg(child->y())
                          .arg(sizeText(child->size()), sizeText(widget->size()));
        walk(child, faults);
    }
    if (!widget->layout() && !qobject_cast<QScrollArea*>(widget) && children.size() > 1)
        checkHandPlaced(widget, children, faults);
}

}  // namespace

QStringList ClippedTexts(QWidget* window)
{
    QStringList faults;
    walk(window, faults);
    return faults;
}
