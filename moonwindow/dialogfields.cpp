#include "moonwindow/dialogfields.h"

#include "controls/errors.h"
#include "controls/numbers.h"

#include <QLocale>
#include <QRegularExpression>

std::optional<int> ReadDecimal(const QString& text)
{
    static const QRegularExpression Decimal(QStringLiteral("^[+-]?[0-9]{1,9}$"));
    if (!Decimal.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

QStringList LocaleMonthNames()
{
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names << QLocale().standaloneMonthName(month, QLocale::LongFormat);
    return names;
}

double ReadJulianDate(const QString& text)
{
    try {
        return StrToFloat(text);
    } catch (const EInputError&) {
        if (DecimalSeparator() == QStringLiteral("."))
            throw;
        return StrToFloat(WithDecimalSeparator(text));
    }
}

QString JulianDateText(double jd) { return WithDecimalSeparator(FixedText(jd, 5)); }
