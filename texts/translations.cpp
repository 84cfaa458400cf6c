#include "texts/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool Install(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace

int InstallTranslations(QCoreApplication& app, const QLocale& locale)
{
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return 0;
    int installed = 0;
    installed += Install(app, locale, QStringLiteral("shutterly"), QStringLiteral(":/i18n"));
    // Qt's own dialogs: the system's translation where Debian ships one, else the program's.
    if (Install(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        Install(app, locale, QStringLiteral("qtbase"), QStringLiteral(":/i18n")))
        ++installed;
    return installed;
}
