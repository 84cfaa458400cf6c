#pragma once
// The help document the program ships, in the interface language.

#include <QLocale>
#include <QString>

// The resource path of the help document for `locale`'s language: its own translation where
// the program has one built in (German, Thai), else the English ":/help/shutterly.html".
QString HelpDocumentFile(const QLocale& locale = QLocale());
