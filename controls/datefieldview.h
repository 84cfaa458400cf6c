#pragma once
// A day field that takes a date as the user types it, whole, and offers a calendar to pick from.
// A spin-box date editor edits one section at a time: selecting all and typing "21.06.2027" gave
// another day. Here the text counts once it reads as a date (the locale's short form or ISO
// 8601); until then the field is marked and the day it shows stays.

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;

class TDateField : public QLineEdit {
    Q_OBJECT
public:
    TDateField(const QDate& minimum, const QDate& maximum, QWidget* parent = nullptr);

    QDate date() const { return FDate; }
    // Shows the date, as the program sets it; emits nothing.
    void showDate(const QDate& date);
    // The calendar pop-up, opened by the field's button or Alt+Down.
    void openCalendar();
    QCalendarWidget* calendar() const { return FCalendar; }

signals:
    // A date the user typed whole or picked.
    void datePicked(const QDate& date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void typed(const QString& text);
    void pick(const QDate& date);
    void mark(bool unreadable);
    QString textOf(const QDate& date) const;

    QDate FDate;
    QDate FMinimum;
    QDate FMaximum;
    QWidget* FPopup;
    QCalendarWidget* FCalendar;
};
