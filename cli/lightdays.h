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

// The library's day number of a Gregorian date, and the date of a day number.
double DayNumber(const QDate& date);
QDate DateOfDay(double number);
