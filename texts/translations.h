#pragma once
// The program's texts outside the almanac string table, in the user's language: Shutterly's
// own translations, built in as resources, and Qt's for its dialogs (from the system's Qt, or
// built in where Debian ships none, as for Thai).

#include <QLocale>

class QCoreApplication;

// Installs into `app` the translations for the language of `locale`; English needs none.
// Returns how many were found and installed.
int InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale());
