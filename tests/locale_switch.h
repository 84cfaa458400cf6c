#pragma once
// Runs part of a test in another locale, set the way the program's start sets one: the C
// library's locale and the locale Qt takes numbers from. Both come back at the end of the scope,
// so such a test runs the same in every locale the suite is run under.

#include <QLocale>
#include <QString>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

class TLocaleSwitch {
public:
    // name as the environment gives it, such as "de_DE.UTF-8"
    explicit TLocaleSwitch(const char* name) : FSavedC(std::setlocale(LC_ALL, nullptr)), FSavedQt(QLocale())
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

// A number text written with "." as the current locale writes it.
inline QString LocaleText(const char* text)
{
    return QString::fromUtf8(text).replace(u'.', QLocale().decimalPoint());
}
