#pragma once
// The localised texts of the almanac windows (numbers 42000..42247).

#include <QLocale>
#include <QString>

// Text of string id in the given interface language: German or Thai where the table has them,
// English for every other language. Empty for a number outside the table.
QString LocalString(int id, QLocale::Language language);

// Text of string id in the language of QLocale(), the user's locale unless a default was set.
QString LocalString(int id);

// A menu caption as a title: without its accelerator, marked in the word ("&About") or, as Thai
// marks it, after the text ("เกี่ยวกับ (&A)").
QString WithoutAccelerator(const QString& caption);
