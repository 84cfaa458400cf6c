#include "controls/datefieldview.h"

#include "controls/control.h"
#include "controls/datetext.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QVBoxLayout>

TDateField::TDateField(const QDate& minimum, const QDate& maximum, QWidget* parent)
    : QLineEdit(parent),
      FMinimum(minimum),
      FMaximum(maximum),
      FPopup(new QWidget(this, Qt::Popup)),
      FCalendar(new QCalendarWidget(FPopup))
{
    FCalendar->setDateRange(minimum, maximum);
    auto* layout = new QVBoxLayout(FPopup);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FCalendar);
    QAction* button =
        addAction(QIcon::fromTheme(QStringLiteral("x-office-calendar"), style()->standardIcon(QStyle::SP_ArrowDown)),
                  QLineEdit::TrailingPosition);
    button->setToolTip(QCoreApplication::translate("Messages", "Choose the day from a calendar (Alt+Down)"));
    connect(button, &QAction::triggered, this, &TDateField::openCalendar);
    const auto pickFromCalendar = [this](const QDate& date) {
        FPopup->hide();
        pick(date);
    };
    connect(FCalendar, &QCalendarWidget::clicked, this, pickFromCalendar);
    connect(FCalendar, &QCalendarWidget::activated, this, pickFromCalendar);
    connect(this, &QLineEdit::textEdited, this, &TDateField::typed);
    // Room for the longest date of the form and the button.
    const QString longest = textOf(QDate(2000, 12, 28));
    setMinimumWidth(fontMetrics().horizontalAdvance(longest + QStringLiteral("MMM")) + 2 * height());
}

QString TDateField::textOf(const QDate& date) const { return locale().toString(date, DayFieldFormat(locale())); }

void TDateField::showDate(const QDate& date)
{
    if (!date.isValid())
        return;
    FDate = date;
    const QDate typedDate = ReadTypedDate(text(), locale());
    // A date typed in another accepted form ("2027-06-21") stays as typed, and so does a date
    // the user is still typing.
    if (typedDate.isValid() ? typedDate != date : !hasFocus())
        setText(textOf(date));
    mark(!ReadTypedDate(text(), locale()).isValid());
}

void TDateField::openCalendar()
{
    FCalendar->setSelectedDate(FDate.isValid() ? FDate : QDate::currentDate());
    FPopup->adjustSize();
    FPopup->move(mapToGlobal(QPoint(0, height())));
    FPopup->show();
    FCalendar->setFocus();
}

void TDateField::keyPressEvent(QKeyEvent* event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (alt && event->key() == Qt::Key_Down) {
        openCalendar();
        return;
    }
    // Up and Down step the day, as in a date spin box.
    if (!alt && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && FDate.isValid()) {
        pick(FDate.addDays(event->key() == Qt::Key_Up ? 1 : -1));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// A text left unreadable goes back to the day shown, which it never changed.
void TDateField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!ReadTypedDate(text(), locale()).isValid() && !FPopup->isVisible())
        showDate(FDate);
}

void TDateField::typed(const QString& text)
{
    const QDate date = ReadTypedDate(text, locale());
    const bool takes = date.isValid() && date >= FMinimum && date <= FMaximum;
    mark(!takes);
    if (takes && date != FDate) {
        FDate = date;
        emit datePicked(date);
    }
}

void TDateField::pick(const QDate& date)
{
    if (!date.isValid() || date < FMinimum || date > FMaximum)
        return;
    FDate = date;
    setText(textOf(date));
    mark(false);
    emit datePicked(date);
}

void TDateField::mark(bool unreadable)
{
    QPalette shown = palette();
    shown.setColor(QPalette::Base, unreadable ? clUnreadable : QPalette().color(QPalette::Base));
    setPalette(shown);
    const QDate example(2027, 6, 21);
    setToolTip(unreadable ? QCoreApplication::translate("Messages", "Type a date as %1 or %2")
                                .arg(textOf(example), example.toString(Qt::ISODate))
                          : QString());
}
