#include "places/mapcoordinates.h"
#include "places/namefolding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TFolding {
    const char* Typed;
    const char* Folded;
};

// Each row is a way a name is spelt in the table or typed by a user, and the one form both
// must reach.
const TFolding Foldings[] = {
    {"Tromsø", "tromso"},
    {"TROMSØ", "tromso"},
    {"tromso", "tromso"},
    {"Zürich", "zurich"},
    {"São Paulo", "sao paulo"},
    {"Ærøskøbing", "aeroskobing"},
    {"Œuilly", "oeuilly"},
    {"Großbottwar", "grossbottwar"},
    {"Łódź", "lodz"},
    {"Đà Nẵng", "da nang"},
    {"Reykjavík", "reykjavik"},
    {"Þorlákshöfn", "thorlakshofn"},
    {"Diyarbakır", "diyarbakir"},
    {"İstanbul", "istanbul"},
    {"Governor’s Harbour", "governor's harbour"},
    {"Nuku‘alofa", "nuku'alofa"},
    {"  New   York ", "new york"},
    {"Ｔｏｋｙｏ", "tokyo"},  // full-width letters, folded by the compatibility decomposition
    {"Ｂｅｒｌｉｎ", "berlin"},
    {"Москва", "москва"},           // other scripts are case-folded, not transliterated
    {"\U0001D401erlin", "berlin"},  // a mathematical letter, outside the 16-bit range
    {"ǅemal Ångström", "dzemal angstrom"},
    {"", ""},
    {"   ", ""},
};

class NameFolding : public testing::TestWithParam<TFolding> {};

TEST_P(NameFolding, ReachesTheCommonForm)
{
    EXPECT_EQ(FoldedName(QString::fromUtf8(GetParam().Typed)), QString::fromUtf8(GetParam().Folded))
        << GetParam().Typed;
}

INSTANTIATE_TEST_SUITE_P(Names, NameFolding, testing::ValuesIn(Foldings));

TEST(NameFolding, AFolderFoldsNameAfterNameAsFoldedNameDoes)
{
    // Twice over, so that the second round meets letters the folder has seen.
    TNameFolder folder;
    QString folded = QStringLiteral("start");
    for (int round = 0; round < 2; ++round) {
        for (const TFolding& folding : Foldings) {
            const qsizetype start = folded.size();
            folder.Append(folded, QString::fromUtf8(folding.Typed));
            EXPECT_EQ(QStringView(folded).sliced(start), QString::fromUtf8(folding.Folded)) << folding.Typed;
        }
    }
    EXPECT_TRUE(folded.startsWith(u"start"));
}

TEST(NameFolding, DecomposedInputFoldsLikeComposed)
{
    // "é" as e + combining acute, as some keyboards and file systems hand it over.
    EXPECT_EQ(FoldedName(QString::fromUtf8("Mont\u00e9limar")), FoldedName(QString::fromUtf8("Monte\u0301limar")));
}

TEST(NameFolding, LoneSurrogatesDoNotCrash)
{
    const QChar broken[] = {QChar(0xd800), QChar(u'a'), QChar(0xdc00)};
    EXPECT_FALSE(FoldedName(QStringView(broken, 3)).isEmpty());
}

struct TLongitude {
    double East;
    double West;
};

const TLongitude Longitudes[] = {
    {13.4105, -13.4105},    // Berlin
    {-104.9847, 104.9847},  // Denver
    {178.4253, -178.4253},  // Suva, by the antimeridian
    {-180, 180},           {180, -180},
};

class MapCoordinates : public testing::TestWithParam<TLongitude> {};

TEST_P(MapCoordinates, FlipsTheSignBothWays)
{
    EXPECT_DOUBLE_EQ(WestPositiveLongitude(GetParam().East), GetParam().West);
    EXPECT_DOUBLE_EQ(EastPositiveLongitude(GetParam().West), GetParam().East);
    EXPECT_DOUBLE_EQ(EastPositiveLongitude(WestPositiveLongitude(GetParam().East)), GetParam().East);
}

INSTANTIATE_TEST_SUITE_P(Places, MapCoordinates, testing::ValuesIn(Longitudes));

TEST(MapCoordinates, GreenwichStaysPositiveZeroAndNaNPassesThrough)
{
    EXPECT_FALSE(std::signbit(WestPositiveLongitude(0.0)));
    EXPECT_FALSE(std::signbit(EastPositiveLongitude(-0.0)));
    EXPECT_TRUE(std::isnan(WestPositiveLongitude(std::nan(""))));
}

}  // namespace
