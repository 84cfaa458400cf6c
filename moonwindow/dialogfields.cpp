#include "moonwindow/dialogfields.h"

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
        names << QLocale::system().standaloneMonthName(month, QLocale::LongFormat);
    return names;
}

QString JulianDateText(double jd)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(jd, 'f', 5);
}
