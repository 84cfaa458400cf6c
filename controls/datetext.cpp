#include "controls/datetext.h"

#include <QStringList>

QString DayFieldFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QDate ReadTypedDate(const QString& text, const QLocale& locale)
{
    const QString typed = text.trimmed();
    const QString shown = DayFieldFormat(locale);
    // Qt reads "d" and "M" as one or two digits, "dd" and "MM" as exactly two.
    QString lenient = shown;
    lenient.replace(QLatin1String("dd"), QLatin1String("d")).replace(QLatin1String("MM"), QLatin1String("M"));
    for (const QString& format : {shown, lenient}) {
        const QDate date = locale.toDate(typed, format);
        if (date.isValid())
            return date;
    }
    return QDate::fromString(typed, Qt::ISODate);
}
