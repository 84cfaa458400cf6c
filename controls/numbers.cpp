#include "controls/numbers.h"

#include "controls/errors.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

QString decimalSeparator() { return QLocale().decimalPoint(); }

[[noreturn]] void throwNotFloat(const QString& text)
{
    throw EInputError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

[[noreturn]] void throwNotInteger(const QString& text)
{
    throw EInputError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Rewrites the accepted grammar into the C locale so that strtod does the conversion;
// returns an empty string when the text does not follow the grammar.
QByteArray normalisedFloatText(const QString& text)
{
    const QString separator = decimalSeparator();
    const QString body = text.trimmed();
    QByteArray out;
    qsizetype i = 0;
    if (i < body.size() && (body[i] == u'+' || body[i] == u'-'))
        out += char(body[i++].unicode());
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
    const double value = std::strtod(normalised.constData(), nullptr);
    if (!std::isfinite(value))
        throwNotFloat(text);
    return value;
}

int StrToInt(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    }
    const QString digits = text.mid(i);
    if (digits.isEmpty() || digits.front() == u'+' || digits.front() == u'-' || digits.contains(u' '))
        throwNotInteger(text);
    bool ok = false;
    const qlonglong magnitude = digits.toLongLong(&ok, base);
    if (!ok)
        throwNotInteger(text);
    const qlonglong value = negative ? -magnitude : magnitude;
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
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    // buffer: [-]d.dddddddddddddde[+-]xx
    const QString scientific = QString::fromLatin1(buffer);
    const qsizetype ePos = scientific.indexOf(u'e');
    const int exponent = scientific.mid(ePos + 1).toInt();
    const bool negative = scientific.startsWith(u'-');
    QString digits = scientific.left(ePos).remove(u'-').remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    const QString separator = decimalSeparator();
    QString text;
    if (exponent < -4 || exponent >= 15) {
        text = digits.left(1);
        if (digits.size() > 1)
            text += separator + digits.mid(1);
        text += QStringLiteral("E%1").arg(exponent);
    } else if (exponent < 0) {
        text = QStringLiteral("0") + separator + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        text = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        text = digits.left(exponent + 1) + separator + digits.mid(exponent + 1);
    }
    return negative ? u'-' + text : text;
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
