#include "controls/numbers.h"

#include "controls/errors.h"

#include <QCoreApplication>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>

QString DecimalSeparator() { return QLocale().decimalPoint(); }

QString WithDecimalSeparator(const QString& text)
{
    const QString separator = DecimalSeparator();
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool decimalPoint =
            text[i] == u'.' && i > 0 && text[i - 1].isDigit() && i + 1 < text.size() && text[i + 1].isDigit();
        result += decimalPoint ? separator : QString(text[i]);
    }
    return result;
}

QString FixedText(double x, int decimals)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

namespace {

[[noreturn]] void throwNotFloat(const QString& text)
{
    throw EInputError(QCoreApplication::translate("Messages", "'%1' is not a valid floating point value").arg(text));
}

[[noreturn]] void throwNotInteger(const QString& text)
{
    throw EInputError(QCoreApplication::translate("Messages", "'%1' is not a valid integer value").arg(text));
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isHexDigit(QChar c) { return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

// |x| (finite, not 0) in scientific form with 15 significant digits, "d.ddddddddddddddde+xx".
// Rounded to the nearest, except where that passes the largest double: such a text would not
// read back, so the digits beyond the fifteenth are cut off instead.
QByteArray fifteenDigits(double x)
{
    const double magnitude = std::fabs(x);
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    double readBack = 0;
    if (std::from_chars(buffer, written.ptr, readBack).ec != std::errc::result_out_of_range)
        return QByteArray(buffer, written.ptr - buffer);
    const auto wide = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 16);
    const QByteArray all(buffer, wide.ptr - buffer);
    return all.left(16) + all.mid(all.indexOf('e'));
}

// Rewrites the accepted grammar into the "C" convention without a "+" sign, the form that
// from_chars reads; returns an empty string when the text does not follow the grammar.
QByteArray normalisedFloatText(const QString& text)
{
    const QString separator = DecimalSeparator();
    const QString body = text.trimmed();
    QByteArray out;
    qsizetype i = 0;
    if (i < body.size() && (body[i] == u'+' || body[i] == u'-') && body[i++] == u'-')
        out += '-';
    int mantissaDigits = 0;
    while (i < body.size() && isDigit(body[i])) {
        out += char(body[i++].unicode());
        ++mantissaDigits;
    }
    if (body.mid(i, separator.size()) == separator) {
        i += separator.size();
        out += '.';
        while (i < body.size() && isDigit(body[i])) {
            out += char(body[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return {};
    if (i < body.size() && (body[i] == u'e' || body[i] == u'E')) {
        out += 'e';
        ++i;
        if (i < body.size() && (body[i] == u'+' || body[i] == u'-'))
            out += char(body[i++].unicode());
        int exponentDigits = 0;
        while (i < body.size() && isDigit(body[i])) {
            out += char(body[i++].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return {};
    }
    if (i != body.size())
        return {};
    return out;
}

}  // namespace

double StrToFloat(const QString& text)
{
    const QByteArray normalised = normalisedFloatText(text);
    if (normalised.isEmpty())
        throwNotFloat(text);
    const char* first = normalised.constData();
    const char* last = first + normalised.size();
    double value = 0;
    if (std::from_chars(first, last, value).ec == std::errc())
        return value;
    // Out of range: a magnitude too small for a double reads as zero, too large is no number.
    long double wide = 0;
    if (std::from_chars(first, last, wide).ec != std::errc() || std::abs(wide) >= 1)
        throwNotFloat(text);
    return std::signbit(wide) ? -0.0 : 0.0;
}

QString FloatProblem(const QString& text)
{
    try {
        StrToFloat(text);
        return {};
    } catch (const EInputError& error) {
        const QString separator = DecimalSeparator();
        if (separator != QStringLiteral(".") && text.contains(u'.') &&
            !normalisedFloatText(QString(text).replace(u'.', separator)).isEmpty())
            return QCoreApplication::translate("Messages", "Use %1 as the decimal separator").arg(separator);
        return error.message();
    }
}

int StrToInt(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    // Either "$" and hexadecimal digits, or an optional sign and decimal digits; every
    // character after the blanks must belong to one of the two.
    bool negative = false;
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i++] == u'-';
    }
    QByteArray digits;
    for (; i < text.size(); ++i) {
        if (!(base == 16 ? isHexDigit(text[i]) : isDigit(text[i])))
            throwNotInteger(text);
        digits += char(text[i].unicode());
    }
    long long magnitude = 0;
    const char* last = digits.constData() + digits.size();
    const auto read = std::from_chars(digits.constData(), last, magnitude, base);
    if (digits.isEmpty() || read.ec != std::errc() || read.ptr != last)
        throwNotInteger(text);
    const long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throwNotInteger(text);
    return int(value);
}

double CheckedResult(double x)
{
    if (std::isnan(x))
        throw EMathError(InvalidOpMessage);
    if (std::isinf(x))
        throw EMathError(OverflowMessage);
    return x;
}

double RoundTo(double x, int decimals)
{
    CheckedResult(x);
    const double scale = std::pow(10.0, decimals);
    // nearbyint follows the default rounding mode, which rounds ties to even.
    return CheckedResult(std::nearbyint(x * scale) / scale);
}

QString FloatToStr(double x)
{
    CheckedResult(x);
    if (x == 0)
        return QStringLiteral("0");
    // d.dddddddddddddde[+-]xx
    const QString scientific = QString::fromLatin1(fifteenDigits(x));
    const qsizetype ePos = scientific.indexOf(u'e');
    const int exponent = scientific.mid(ePos + 1).toInt();
    const bool negative = x < 0;
    QString digits = scientific.left(ePos).remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString text;
    if (exponent < -4 || exponent >= 15) {
        text = digits.left(1);
        if (digits.size() > 1)
            text += u'.' + digits.mid(1);
        text += QStringLiteral("E%1").arg(exponent);
    } else if (exponent < 0) {
        text = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        text = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        text = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    }
    return WithDecimalSeparator(negative ? u'-' + text : text);
}

QString RoundedText(double x, int decimals) { return FloatToStr(RoundTo(x, decimals)); }

double Divide(double a, double b)
{
    if (b == 0) {
        if (a == 0 || std::isnan(a))
            throw EMathError(InvalidOpMessage);
        throw EMathError(ZeroDivideMessage);
    }
    return CheckedResult(a / b);
}

double CheckedSqrt(double x)
{
    if (std::isnan(x) || x < 0)
        throw EMathError(InvalidOpMessage);
    return std::sqrt(x);
}

double CheckedLog10(double x)
{
    if (x == 0)
        throw EMathError(ZeroDivideMessage);
    if (std::isnan(x) || x < 0)
        throw EMathError(InvalidOpMessage);
    return CheckedResult(std::log10(x));
}

double CheckedLog2(double x)
{
    if (x == 0)
        throw EMathError(ZeroDivideMessage);
    if (std::isnan(x) || x < 0)
        throw EMathError(InvalidOpMessage);
    return CheckedResult(std::log2(x));
}
