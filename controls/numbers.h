#pragma once
// The number conventions of the calculator: parsing, rounding, formatting and the checked
// arithmetic that turns infinities and not-a-numbers into the user's error messages.

#include <QString>
#include <QStringList>

// The user's decimal separator, the one every locale-dependent number text uses. Numbers are
// converted in the "C" convention and this separator is put in afterwards, so that the C
// library's locale (which the application object sets from the environment) plays no part.
QString DecimalSeparator();

// text with each "." between two digits replaced by DecimalSeparator(): numbers written in the
// "C" convention as the user reads them (preset values and list items), other full stops kept.
QString WithDecimalSeparator(const QString& text);

// The `name` (UTF-8, "C" convention) of every entry of a preset table, as the user reads it.
template <typename Table>
QStringList PresetNames(const Table& table)
{
    QStringList names;
    for (const auto& entry : table)
        names << WithDecimalSeparator(QString::fromUtf8(entry.name));
    return names;
}

// x with exactly `decimals` places and "." as the decimal point, whatever the locale.
QString FixedText(double x, int decimals);

// Reads a decimal number with the locale's decimal separator: surrounding spaces, an optional
// sign, digits with an optional fraction, an optional exponent; nothing else.
// Throws EInputError "'<text>' is not a valid floating point value".
double StrToFloat(const QString& text);

// Why StrToFloat does not read text, in words for a user still typing it; empty when it reads.
// A "." where the locale writes another separator is named as such.
QString FloatProblem(const QString& text);

// Reads a whole number: leading spaces, then an optional sign and decimal digits, or "$" and
// hexadecimal digits; nothing else, and within the range of a 32-bit integer.
// Throws EInputError "'<text>' is not a valid integer value".
int StrToInt(const QString& text);

// x rounded to `decimals` places (0 for a whole number), halves to the even neighbour.
// Throws EMathError for a non-finite x, so that no infinity or NaN reaches a label.
double RoundTo(double x, int decimals = 0);

// The general number format: up to 15 significant digits, no trailing zeros, locale decimal
// separator, exponent form below 0.0001 or beyond 15 integer digits ("1E-5", "1.5E20").
// Whatever it writes StrToFloat reads back: the few doubles next to the largest, whose nearest
// 15 digits would lie beyond it, keep their first 15 digits cut off instead.
// Throws EMathError for a non-finite x.
QString FloatToStr(double x);

// RoundTo followed by FloatToStr: how every rounded result is written into a label.
QString RoundedText(double x, int decimals = 0);

// a / b with the errors of the calculator: b = 0 gives "Floating point division by zero"
// (or "Invalid floating point operation" for 0 / 0); an infinite quotient gives an overflow.
double Divide(double a, double b);

// Throws the matching EMathError when x is NaN or infinite; returns x otherwise.
double CheckedResult(double x);

// Square root and logarithm that raise "Invalid floating point operation" for arguments
// outside their domain, and "Floating point division by zero" for a logarithm of zero.
double CheckedSqrt(double x);
double CheckedLog10(double x);
double CheckedLog2(double x);
