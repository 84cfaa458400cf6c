#pragma once
// Expectations of the almanac windows, written in English, as the current locale shows them.

#include "tests/locale_switch.h"
#include "texts/stringtable.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

// A text of the string table with its translation: the whole text, or else its last word (a
// compass side, a Chinese year's animal in brackets). English month names become the locale's
// and decimal points the locale's separator.
inline QString Shown(const QString& english)
{
    const auto translated = [](const QString& text) -> QString {
        for (int id = 42000; id <= 42247; ++id)
            if (LocalString(id, QLocale::English) == text)
                return LocalString(id);
        return {};
    };
    if (const QString whole = translated(english); !whole.isEmpty())
        return whole;
    QString text = LocaleText(english);
    for (int month = 1; month <= 12; ++month) {
        const QRegularExpression name(QStringLiteral("\\b%1\\b").arg(QLocale::c().monthName(month)));
        text.replace(name, QLocale().monthName(month, QLocale::LongFormat));
    }
    static const QRegularExpression LastWord(QStringLiteral("(\\w+)(\\)?)$"));
    const QRegularExpressionMatch last = LastWord.match(text);
    if (last.hasMatch()) {
        if (const QString word = translated(last.captured(1)); !word.isEmpty())
            text.replace(last.capturedStart(1), last.capturedLength(1), word);
    }
    return text;
}
