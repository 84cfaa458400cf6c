#pragma once
// Dates as users type them into a day field.

#include <QDate>
#include <QLocale>
#include <QString>

// The form a day field shows its date in: the locale's short form with the whole year, since the
// fields reach back to year 100 and forward to 9998.
QString DayFieldFormat(const QLocale& locale);

// The date a user typed: in DayFieldFormat, in that form with one-digit days and months, or
// ISO 8601 ("2027-06-21"). An invalid QDate for anything else, a part of a date included.
QDate ReadTypedDate(const QString& text, const QLocale& locale);
