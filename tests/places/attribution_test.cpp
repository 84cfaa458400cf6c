// GeoNames' licence lets the program carry its data only with the credit: it must stay in the
// About box, the help document and the README.

#include "controls/clock.h"
#include "moonwindow/frmabout.h"
#include "places/placetable.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

const QString Attribution = QLatin1StringView(PlaceDataAttribution);

QString FileText(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(PlaceDataAttribution, IsTheWordingTheLicenceAsksFor)
{
    EXPECT_EQ(Attribution, "Place data: GeoNames (geonames.org), CC BY 4.0");
}

TEST(PlaceDataAttribution, StandsInTheAboutBox)
{
    TFixedClock clock{46363.5, 0};
    const Tfrm_about about{clock};
    const QString shown = about.lbl_title.text() + about.lbl_subtitle.text() + about.lbl_credit_algorithms.text() +
                          about.lbl_credit_pictures.text() + about.lbl_program.text();
    EXPECT_TRUE(shown.contains(Attribution)) << shown.toStdString();
}

TEST(PlaceDataAttribution, StandsInTheDocuments)
{
    for (const QString& name :
         {QStringLiteral(":/help/shutterly.html"), QStringLiteral(SHUTTERLY_SOURCE_DIR "/README.md"),
          QStringLiteral(SHUTTERLY_SOURCE_DIR "/places/data/README.md")}) {
        const QString text = FileText(name);
        ASSERT_FALSE(text.isEmpty()) << name.toStdString();
        EXPECT_TRUE(text.contains(Attribution)) << name.toStdString();
    }
    // The generated table names its source in its own first lines too.
    EXPECT_TRUE(FileText(QStringLiteral(":/places/data/places.tsv")).left(300).contains(Attribution));
}

}  // namespace
