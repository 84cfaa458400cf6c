#include "help/helpdocument.h"

#include <QFile>

QString HelpDocumentFile(const QLocale& locale)
{
    const QString english = QStringLiteral(":/help/shutterly.html");
    QString translated;
    if (locale.language() == QLocale::German)
        translated = QStringLiteral(":/help/shutterly_de.html");
    else if (locale.language() == QLocale::Thai)
        translated = QStringLiteral(":/help/shutterly_th.html");
    return !translated.isEmpty() && QFile::exists(translated) ? translated : english;
}
