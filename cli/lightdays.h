#pragma once
// The local days the command line is asked for: --date and --days as typed, read the one way
// --light and --night share.

#include <QDate>
#include <QString>
#include <optional>

// A date YYYY-MM-DD from the first year the files can name (FirstLightYear, cli/lightfile.h);
// nothing for any other text.
std::optional<QDate> ReadRequestDate(const QString& text);

// A count of days from 1 to `most`; nothing for any other text.
std::optional<int> ReadRequestDays(const QString& text, int most);

// --days and --date as typed (a null text: not given): the count, 1 when not given, and the
// date, none when not given; or the line that refuses the option, naming it.
struct TRequestedDays {
    int Days = 1;
    std::optional<QDate> Date;
    QString Refusal;  // empty when both read
};
TRequestedDays ReadRequestedDays(const QString& days, const QString& date, int most);

// The library's day number of a Gregorian date, and the date of a day number.
double DayNumber(const QDate& date);
QDate DateOfDay(double number);
