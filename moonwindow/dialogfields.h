#pragma once
// Reading the whole numbers and month lists of the date dialogs.

#include <QString>
#include <QStringList>
#include <optional>

// A decimal integer with an optional sign and nothing else (no blanks, no "$" hex).
std::optional<int> ReadDecimal(const QString& text);

// The twelve long month names of the user's locale, January first.
QStringList LocaleMonthNames();

// A Julian date typed with the locale's decimal separator or with the "." that the almanac's
// Julian date shows in every locale. Throws EInputError when it is neither.
double ReadJulianDate(const QString& text);

// Julian date with 5 decimals and the locale's decimal separator, no digit grouping.
QString JulianDateText(double jd);
