// The built-in translations: each language's texts are there, Qt's dialogs speak it too, and the
// help document in every language opens at the same topics.

#include "help/helpdocument.h"
#include "texts/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

struct TLanguageCase {
    QLocale::Language Language;
    const char* Cancel;  // Qt's button text in that language
    const char* Add;     // the location editor's "Add"
};

QCoreApplication& App()
{
    static int argc = 1;
    static char name[] = "translations_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

class Translations : public ::testing::TestWithParam<TLanguageCase> {};

TEST_P(Translations, AreBuiltInForTheProgramAndForQtsDialogs)
{
    QCoreApplication& application = App();
    const QLocale locale(GetParam().Language);
    EXPECT_EQ(InstallTranslations(application, locale), 2);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(GetParam().Cancel));
    EXPECT_EQ(QCoreApplication::translate("Tfrm_locations", "Add"), QString::fromUtf8(GetParam().Add));
    for (QTranslator* translator : application.findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

INSTANTIATE_TEST_SUITE_P(Languages, Translations,
                         ::testing::Values(TLanguageCase{QLocale::German, "Abbrechen", "Neu"},
                                           TLanguageCase{QLocale::Thai, "ยกเลิก", "เพิ่ม"}));

TEST(Translations, EnglishNeedsNone) { EXPECT_EQ(InstallTranslations(App(), QLocale(QLocale::English)), 0); }

QString FileText(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Anchors(const QString& html)
{
    QStringList anchors;
    static const QRegularExpression anchor(QStringLiteral("(?:id|href)=\"#?(topic\\d+)\""));
    for (auto match = anchor.globalMatch(html); match.hasNext();)
        anchors << match.next().captured(0);
    return anchors;
}

// The same topics, in the same order, and the place data's credit the licence asks for.
TEST(HelpDocuments, HaveTheEnglishTopicsInEveryLanguage)
{
    const QString english = FileText(QStringLiteral(":/help/shutterly.html"));
    ASSERT_FALSE(english.isEmpty());
    for (const QLocale::Language language : {QLocale::German, QLocale::Thai}) {
        const QString file = HelpDocumentFile(QLocale(language));
        ASSERT_NE(file, QStringLiteral(":/help/shutterly.html")) << language;
        const QString translated = FileText(file);
        EXPECT_EQ(Anchors(translated), Anchors(english)) << file.toStdString();
        // The credit in the document's language, with the source, its address and the licence.
        EXPECT_TRUE(translated.contains(QStringLiteral("GeoNames (geonames.org), CC BY 4.0"))) << file.toStdString();
        EXPECT_TRUE(translated.contains(QStringLiteral("lang=\"%1\"").arg(QLocale(language).name().left(2))))
            << file.toStdString();
    }
    EXPECT_EQ(HelpDocumentFile(QLocale(QLocale::French)), QStringLiteral(":/help/shutterly.html"));
}

}  // namespace
