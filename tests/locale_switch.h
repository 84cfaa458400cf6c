#pragma once
// Runs part of a test in another locale, set the way the program's start sets one: the C
// library's locale and the locale Qt takes numbers from. Both come back at the end of the scope,
// so such a test runs the same in every locale the suite is run under.

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

class TLocaleSwitch {
public:
    // name as the environment gives it, such as "de_DE.UTF-8"
    explicit TLocaleSwitch(const char* name)
        : FSavedC(std::setlocale(LC_ALL, nullptr)),
          FSavedQt(QLocale())
    {
        if (!std::setlocale(LC_ALL, name))
            ADD_FAILURE() << "locale " << name << " is not installed";
        QLocale::setDefault(QLocale(QString::fromLatin1(name).section(u'.', 0, 0)));
    }
    ~TLocaleSwitch()
    {
        std::setlocale(LC_ALL, FSavedC.c_str());
        QLocale::setDefault(FSavedQt);
    }
    TLocaleSwitch(const TLocaleSwitch&) = delete;
    TLocaleSwitch& operator=(const TLocaleSwitch&) = delete;

private:
    std::string FSavedC;
    QLocale FSavedQt;
};

// The locales the program is tested in: "." and "," as decimal separators, and a script of its own.
inline constexpr const char* TestedLocales[] = {"C.UTF-8", "de_DE.UTF-8", "th_TH.UTF-8"};

// A text whose numbers are written with "." as the current locale writes them: each full stop
// between two digits becomes the locale's decimal separator.
inline QString LocaleText(const QString& text)
{
    static const QRegularExpression DecimalPoint(QStringLiteral("(?<=[0-9])\\.(?=[0-9])"));
    return QString(text).replace(DecimalPoint, QLocale().decimalPoint());
}

// The same text with the decimal separator the current locale does not use.
inline QString ForeignDecimalText(const char* text)
{
    const QChar foreign = QLocale().decimalPoint() == QStringLiteral(".") ? u',' : u'.';
    return QString::fromUtf8(text).replace(u'.', foreign);
}

// The message for a number typed with ForeignDecimalText: a "." where the locale writes "," is
// named as such; a "," where it writes "." is no number.
inline QString ForeignDecimalMessage(const QString& foreign)
{
    const QString separator = QLocale().decimalPoint();
    return separator == QStringLiteral(".")
               ? QCoreApplication::translate("Messages", "'%1' is not a valid floating point value").arg(foreign)
               : QCoreApplication::translate("Messages", "Use %1 as the decimal separator").arg(separator);
}

// A date as the almanac windows write it: day, the locale's month name, year.
inline QString ShownDate(int day, int month, int year)
{
    return QStringLiteral("%1 %2 %3").arg(day).arg(QLocale().monthName(month, QLocale::LongFormat)).arg(year);
}
