// The table's reader and look-ups on small tables written here, so that each expectation
// follows from the rows in view.

#include "places/namefolding.h"
#include "places/placetable.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <cmath>
#include <limits>
#include <optional>
#include <random>

namespace {

const QByteArray Header = "# test table\n"
                          "[countries]\n"
                          "DE\tGermany\n"
                          "US\tUnited States\n"
                          "FR\tFrance\n"
                          "NO\tNorway\n"
                          "[zones]\n"
                          "Europe/Berlin\n"
                          "America/New_York\n"
                          "America/Chicago\n"
                          "Europe/Paris\n"
                          "Europe/Oslo\n"
                          "[places]\n";

// Not in population order, so the ranking cannot come from the rows' order.
const QByteArray Rows = "Berlin\t\tUS\tNH\t44.4687\t-71.1851\t312\t9367\t1\n"
                        "Berlin\t\tDE\t16\t52.5244\t13.4105\t43\t3426354\t0\n"
                        "Springfield\t\tUS\tIL\t39.8017\t-89.6437\t182\t114394\t2\n"
                        "Springfield\t\tUS\tMA\t42.1015\t-72.5898\t21\t155929\t1\n"
                        "Paris\t\tUS\tTX\t33.6609\t-95.5555\t183\t24782\t2\n"
                        "Paris\t\tFR\t11\t48.8534\t2.3488\t42\t2138551\t3\n"
                        "Tromsø\tTromso\tNO\t54\t69.6489\t18.9551\t0\t64448\t4\n"
                        "Tromsdalen\t\tNO\t54\t69.6472\t19.0115\t20\t6000\t4\n"
                        "Berlingen\t\tDE\t08\t47.6700\t9.0300\t400\t900000\t0\n"
                        "Bérlin\t\tFR\t11\t48.0000\t2.0000\t100\t5000000\t3\n";

const TPlaceTable& Small()
{
    static const TPlaceTable table(Header + Rows);
    return table;
}

QStringList Names(const TPlaceTable& table, const QList<int>& found)
{
    QStringList names;
    for (int index : found) {
        const TPlace place = table.at(index);
        names.append(place.Name + u'/' + place.CountryCode + u'/' + place.Region);
    }
    return names;
}

TEST(PlaceTableReader, ReadsEveryField)
{
    ASSERT_EQ(Small().size(), 10);
    EXPECT_EQ(Small().skippedLines(), 0);
    const TPlace tromso = Small().at(6);
    EXPECT_EQ(tromso.Name, QString::fromUtf8("Tromsø"));
    EXPECT_EQ(tromso.AsciiName, "Tromso");
    EXPECT_EQ(tromso.CountryCode, "NO");
    EXPECT_EQ(tromso.Country, "Norway");
    EXPECT_EQ(tromso.Region, "54");
    EXPECT_NEAR(tromso.Latitude, 69.6489, 1e-9);
    // The table's longitude is east-positive; the program's is west-positive.
    EXPECT_NEAR(tromso.Longitude, -18.9551, 1e-9);
    EXPECT_EQ(tromso.Elevation, 0);
    EXPECT_EQ(tromso.Population, 64448);
    EXPECT_EQ(tromso.TimeZone, "Europe/Oslo");
    // An empty ASCII column means the name is already plain.
    EXPECT_EQ(Small().at(1).AsciiName, "Berlin");
    EXPECT_NEAR(Small().at(1).Longitude, -13.4105, 1e-9);
    EXPECT_NEAR(Small().at(0).Longitude, 71.1851, 1e-9);
}

struct TBadInput {
    const char* What;
    QByteArray Text;
    int Places;
    int Skipped;
};

const TBadInput BadInputs[] = {
    {"nothing", "", 0, 0},
    {"only comments", "# a\n\n#b\n", 0, 0},
    {"rows before any section", Rows, 0, 10},
    {"no zones", "[places]\n" + Rows, 0, 10},
    {"too few fields", Header + "Berlin\t\tDE\t16\t52.5\t13.4\t43\t3426354\n", 0, 1},
    {"too many fields", Header + "Berlin\t\tDE\t16\t52.5\t13.4\t43\t3426354\t0\tx\n", 0, 1},
    {"empty name", Header + "\t\tDE\t16\t52.5\t13.4\t43\t1\t0\n", 0, 1},
    {"latitude beyond the pole", Header + "X\t\tDE\t16\t90.5\t13.4\t43\t1\t0\n", 0, 1},
    {"longitude beyond 180", Header + "X\t\tDE\t16\t52.5\t180.01\t43\t1\t0\n", 0, 1},
    {"latitude not a number", Header + "X\t\tDE\t16\tnan\t13.4\t43\t1\t0\n", 0, 1},
    {"infinite longitude", Header + "X\t\tDE\t16\t52.5\tinf\t43\t1\t0\n", 0, 1},
    {"decimal comma", Header + "X\t\tDE\t16\t52,5\t13.4\t43\t1\t0\n", 0, 1},
    {"trailing text", Header + "X\t\tDE\t16\t52.5\t13.4m\t43\t1\t0\n", 0, 1},
    {"elevation out of range", Header + "X\t\tDE\t16\t52.5\t13.4\t99999\t1\t0\n", 0, 1},
    {"negative population", Header + "X\t\tDE\t16\t52.5\t13.4\t43\t-5\t0\n", 0, 1},
    {"population overflow", Header + "X\t\tDE\t16\t52.5\t13.4\t43\t99999999999\t0\n", 0, 1},
    {"zone number unknown", Header + "X\t\tDE\t16\t52.5\t13.4\t43\t1\t5\n", 0, 1},
    {"zone number negative", Header + "X\t\tDE\t16\t52.5\t13.4\t43\t1\t-1\n", 0, 1},
    {"bad line among good", Header + "X\t\tDE\t16\t52.5\t13.4\t43\t1\t0\nbroken\nY\t\tDE\t16\t52.6\t13.5\t40\t2\t0\n",
     2, 1},
    {"Windows line ends", Header + "X\t\tDE\t16\t52.5\t13.4\t43\t1\t0\r\n", 1, 0},
    {"no final line break", Header + "X\t\tDE\t16\t52.5\t13.4\t43\t1\t0", 1, 0},
    {"invalid UTF-8 in a name", Header + "X\xff\xfe\t\tDE\t16\t52.5\t13.4\t43\t1\t0\n", 1, 0},
    {"binary zeros", QByteArray("\0\0\0[places]\n\0\t\0", 16), 0, 2},
    {"byte order mark before the table", "\xEF\xBB\xBF" + Header + "X\t\tDE\t16\t52.5\t13.4\t43\t1\t0\n", 1, 0},
    {"name of only a byte order mark", Header + "\xEF\xBB\xBF\t\tDE\t16\t52.5\t13.4\t43\t1\t0\n", 0, 1},
};

class PlaceTableBadInput : public testing::TestWithParam<TBadInput> {};

TEST_P(PlaceTableBadInput, SkipsWhatItCannotRead)
{
    const TPlaceTable table(GetParam().Text);
    EXPECT_EQ(table.size(), GetParam().Places) << GetParam().What;
    EXPECT_EQ(table.skippedLines(), GetParam().Skipped) << GetParam().What;
    // Whatever was read must still be usable.
    EXPECT_LE(table.Find("X", 5).size(), 1);
    (void)table.Nearest(52.5, -13.4);
    (void)table.at(0);
}

INSTANTIATE_TEST_SUITE_P(Lines, PlaceTableBadInput, testing::ValuesIn(BadInputs));

// A table of one place on the given latitude.
TPlaceTable OnLatitude(const char* latitude)
{
    return TPlaceTable(Header + "X\t\tDE\t16\t" + latitude + "\t13.4\t43\t1\t0\n");
}

struct TDegrees {
    const char* Text;
    std::optional<double> Latitude;  // none: the line is skipped
};

// The table's own form, and the other forms of the "C" convention, which read alike.
const TDegrees Degrees[] = {
    {"52.5244", 52.5244},
    {"-33.8688", -33.8688},
    {"0", 0.0},
    {"-0", 0.0},
    {"90", 90.0},
    {"-90.000000", -90.0},
    {"12.345678", 12.345678},
    {"1.00000049", 1.0},
    {"1.00000051", 1.000001},
    {"0012.5", 12.5},
    {"1e1", 10.0},
    {".5", 0.5},
    {"5.", 5.0},
    {"90.000001", {}},
    {"90.0000001", {}},
    {"-1000", {}},
    {"+5", {}},
    {"5.5.5", {}},
    {"-", {}},
    {".", {}},
    {"1,5", {}},
};

class PlaceTableDegrees : public testing::TestWithParam<TDegrees> {};

TEST_P(PlaceTableDegrees, ReadToTheMicroDegree)
{
    const TPlaceTable table = OnLatitude(GetParam().Text);
    if (!GetParam().Latitude) {
        EXPECT_EQ(table.size(), 0) << GetParam().Text;
        return;
    }
    ASSERT_EQ(table.size(), 1) << GetParam().Text;
    EXPECT_NEAR(table.at(0).Latitude, *GetParam().Latitude, 1e-9) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(Texts, PlaceTableDegrees, testing::ValuesIn(Degrees));

struct TNames {
    QByteArray Name;
    QByteArray AsciiName;
    const char* WantedName;
    const char* WantedAscii;
};

const TNames NameFields[] = {
    {" Spaced  out ", " Spaced ", "Spaced  out", "Spaced"},
    {"Berlin", "Berlin", "Berlin", "Berlin"},
    {"Tromsø", "", "Tromsø", "Tromsø"},
    {"Tromsø", " ", "Tromsø", "Tromsø"},
    {"Tromsø", "\xEF\xBB\xBF", "Tromsø", "Tromsø"},  // a byte order mark decodes to nothing
    {"Tromsø", "Tromso", "Tromsø", "Tromso"},
    {"X\xff", "", "X\uFFFD", "X\uFFFD"},
};

class PlaceTableNames : public testing::TestWithParam<TNames> {};

TEST_P(PlaceTableNames, AreTrimmedAndTheAsciiNameStandsInForTheName)
{
    const TPlaceTable table(Header + GetParam().Name + '\t' + GetParam().AsciiName + "\tNO\t54\t69.6\t18.9\t0\t1\t4\n");
    ASSERT_EQ(table.size(), 1);
    EXPECT_EQ(table.at(0).Name, QString::fromUtf8(GetParam().WantedName));
    EXPECT_EQ(table.at(0).AsciiName, QString::fromUtf8(GetParam().WantedAscii));
    EXPECT_EQ(table.Find(QString::fromUtf8(GetParam().WantedAscii), 2), QList<int>{0});
}

INSTANTIATE_TEST_SUITE_P(Fields, PlaceTableNames, testing::ValuesIn(NameFields));

TEST(PlaceTableReader, GivesEachCodeItsOwnNumber)
{
    // More codes than a first table of them holds, and codes written with spaces around them.
    constexpr int Places = 3000;
    constexpr int Countries = 700;
    QByteArray text = Header;
    for (int i = 0; i < Places; ++i) {
        const QByteArray country = i % 2 ? "C" + QByteArray::number(i % Countries) : " DE ";
        text += "P" + QByteArray::number(i) + "\t\t" + country + "\tR" + QByteArray::number(i) + " \t1\t2\t3\t4\t0\n";
    }
    const TPlaceTable table(text);
    ASSERT_EQ(table.size(), Places);
    for (int i = 0; i < Places; ++i) {
        const TPlace place = table.at(i);
        const QString country = i % 2 ? u'C' + QString::number(i % Countries) : QStringLiteral("DE");
        ASSERT_EQ(place.CountryCode, country) << i;
        ASSERT_EQ(place.Country, i % 2 ? country : QStringLiteral("Germany")) << i;
        ASSERT_EQ(place.Region, u'R' + QString::number(i)) << i;
    }
    EXPECT_EQ(table.Find("P2999, C199", 10), QList<int>{2999});
}

TEST(PlaceTableReader, ABadZoneLineKeepsTheNumbersOfTheZonesAfterIt)
{
    const TPlaceTable table("[zones]\nEurope/Berlin\nnot\ta zone\nEurope/Paris\n[places]\n"
                            "Paris\t\tFR\t11\t48.8534\t2.3488\t42\t2138551\t2\n"
                            "Nowhere\t\tFR\t11\t48.0\t2.0\t42\t1\t1\n");
    ASSERT_EQ(table.size(), 1);
    EXPECT_EQ(table.at(0).TimeZone, "Europe/Paris");
    EXPECT_EQ(table.skippedLines(), 2);
    // A country without a line of its own is named by its code.
    EXPECT_EQ(table.at(0).Country, "FR");
}

TEST(PlaceTableReader, EmptyTableAnswersNothing)
{
    const TPlaceTable table;
    EXPECT_EQ(table.size(), 0);
    EXPECT_TRUE(table.Find("Berlin", 10).isEmpty());
    EXPECT_FALSE(table.Nearest(52.5, -13.4).valid());
    EXPECT_TRUE(table.at(0).Name.isEmpty());
}

TEST(PlaceTableReader, IndicesOutsideTheTableGiveAnEmptyPlace)
{
    for (int index : {-1, 10, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        EXPECT_TRUE(Small().at(index).Name.isEmpty()) << index;
    }
}

struct TQuery {
    const char* Query;
    int Most;
    QStringList Wanted;  // name/country/region, in order
};

const TQuery Queries[] = {
    // Exact spelling first, then the same name folded, then longer names; by population within.
    {"Berlin", 10, {"Berlin/DE/16", "Berlin/US/NH", "Bérlin/FR/11", "Berlingen/DE/08"}},
    {"berlin", 10, {"Bérlin/FR/11", "Berlin/DE/16", "Berlin/US/NH", "Berlingen/DE/08"}},
    {"Berlin", 1, {"Berlin/DE/16"}},
    {"Bérlin", 10, {"Bérlin/FR/11", "Berlin/DE/16", "Berlin/US/NH", "Berlingen/DE/08"}},
    {"berlí", 10, {"Bérlin/FR/11", "Berlin/DE/16", "Berlingen/DE/08", "Berlin/US/NH"}},
    {"Berlin, DE", 10, {"Berlin/DE/16", "Berlingen/DE/08"}},
    {"Berlin, us", 10, {"Berlin/US/NH"}},
    {"Berlin, United", 10, {"Berlin/US/NH"}},
    {"Berlin, Germany, 08", 10, {"Berlingen/DE/08"}},
    {"Berlin,", 10, {"Berlin/DE/16", "Berlin/US/NH", "Bérlin/FR/11", "Berlingen/DE/08"}},
    {"Berlin, Japan", 10, {}},
    {"Paris, France", 10, {"Paris/FR/11"}},
    {"Berlin, France", 10, {"Bérlin/FR/11"}},
    {"Paris, TX", 10, {"Paris/US/TX"}},
    {"Springfield, IL", 10, {"Springfield/US/IL"}},
    {"Springfield", 10, {"Springfield/US/MA", "Springfield/US/IL"}},
    {"Tromsø", 10, {"Tromsø/NO/54"}},
    {"tromso", 10, {"Tromsø/NO/54"}},
    {"TROMSØ", 10, {"Tromsø/NO/54"}},
    {"Tromso", 10, {"Tromsø/NO/54"}},
    {"troms", 10, {"Tromsø/NO/54", "Tromsdalen/NO/54"}},
    {"  paris  ", 10, {"Paris/FR/11", "Paris/US/TX"}},
    {"", 10, {}},
    {"  ", 10, {}},
    {", DE", 10, {}},
    {"Berlin", 0, {}},
    {"Berlin", -3, {}},
    {"Nowhere", 10, {}},
    {"zzzzzzzzzzzzzzzzzzzzzzzzz", 10, {}},
};

class PlaceTableFind : public testing::TestWithParam<TQuery> {};

TEST_P(PlaceTableFind, RanksTheMatches)
{
    const QList<int> found = Small().Find(QString::fromUtf8(GetParam().Query), GetParam().Most);
    QStringList wanted;
    for (const QString& name : GetParam().Wanted) {
        wanted.append(name);
    }
    EXPECT_EQ(Names(Small(), found), wanted) << GetParam().Query;
}

INSTANTIATE_TEST_SUITE_P(Queries, PlaceTableFind, testing::ValuesIn(Queries));

// Names that share long beginnings, and letters beyond ASCII that folding keeps: those beyond
// U+00FF, a surrogate pair and some of Latin-1.
QString RandomName(std::mt19937& random)
{
    static const QStringList Starts = {"", "", "Santa Maria ", "San ", "Sankt ", "Ж", QString::fromUtf8("Żabki")};
    static const QStringList Letters = {"a", "b", "B",  " ", "ä", "Ö", "×", "¿",          "ÿ",     "ж",
                                        "Я", "ω", "中", "l", "m", "ø", "Æ", "\U0001D401", "\u0301"};
    QString name = Starts[random() % Starts.size()] + u'x';
    const int length = 1 + static_cast<int>(random() % 10);
    for (int i = 0; i < length; ++i) {
        name += Letters[random() % Letters.size()];
    }
    return name;
}

// Whether the folded name, or a later word of it, starts with `start`.
bool NameOrAWordStartsWith(const QString& folded, const QString& start)
{
    if (folded.startsWith(start))
        return true;
    for (qsizetype at = 1; at < folded.size(); ++at)
        if (QStringLiteral(" -'/()").contains(folded[at - 1]) && folded.mid(at).startsWith(start))
            return true;
    return false;
}

TEST(PlaceTableFind, FindsEveryPlaceByEveryBeginningOfItsNameAndOfItsWords)
{
    std::mt19937 random(17);
    QStringList names;
    QByteArray text = Header;
    for (int i = 0; i < 400; ++i) {
        names.append(RandomName(random));
        text += names.back().toUtf8() + "\t\tDE\t16\t1\t2\t3\t" + QByteArray::number(i) + "\t0\n";
    }
    const TPlaceTable table(text);
    ASSERT_EQ(table.size(), names.size());
    for (int place = 0; place < table.size(); ++place) {
        const QString folded = FoldedName(names[place]);
        for (qsizetype from = 0; from < folded.size(); ++from) {
            if (from > 0 && !QStringLiteral(" -'/()").contains(folded[from - 1]))
                continue;
            for (qsizetype length = 1; from + length <= folded.size(); ++length) {
                const QString start = FoldedName(folded.mid(from, length));
                if (start.isEmpty())
                    continue;
                const QList<int> found = table.Find(start, table.size());
                ASSERT_TRUE(found.contains(place)) << names[place].toStdString() << " by " << start.toStdString();
                for (int other : found)
                    ASSERT_TRUE(NameOrAWordStartsWith(FoldedName(names[other]), start)) << start.toStdString();
            }
        }
    }
}

// A later word is a start, never the whole name: the place named so comes first, then the
// starts of names and of later words together, the more populous first.
TEST(PlaceTableFind, ALaterWordRanksWithTheStartsOfNames)
{
    const TPlaceTable table(Header + "Frankfurt am Main\t\tDE\t05\t50.11\t8.68\t100\t700000\t0\n"
                                     "Mainz\t\tDE\t08\t50.0\t8.27\t100\t200000\t0\n"
                                     "Main\t\tDE\t02\t49.0\t9.0\t100\t10\t0\n"
                                     "Saint-Maint\t\tFR\t11\t45.0\t2.0\t100\t300000\t3\n");
    QStringList names;
    for (int place : table.Find("main", 10))
        names << table.at(place).Name;
    EXPECT_EQ(names, QStringList({"Main", "Frankfurt am Main", "Saint-Maint", "Mainz"}));
    EXPECT_EQ(table.Find("am main", 10).size(), 1);
    EXPECT_TRUE(table.Find("ain", 10).isEmpty()) << "only starts of words match";
}

TEST(PlaceTableFind, APlaceFoundUnderBothNamesComesOnce)
{
    // "Tromso" is Tromsø's ASCII name and also its folded name.
    EXPECT_EQ(Small().Find("Tromso", 10).size(), 1);
}

struct TProbe {
    const char* What;
    double Latitude;
    double LongitudeWest;
    const char* Wanted;  // name/country/region; nullptr: none
};

const TProbe Probes[] = {
    {"on Berlin", 52.5244, -13.4105, "Berlin/DE/16"},
    {"east of Paris", 48.86, -3.0, "Paris/FR/11"},
    {"near Tromsdalen", 69.6472, -19.02, "Tromsdalen/NO/54"},
    {"the north pole", 90, 0, "Tromsø/NO/54"},
    {"the south pole", -90, 0, "Paris/US/TX"},
    {"Springfield, Illinois", 39.80, 89.64, "Springfield/US/IL"},
    {"latitude NaN", std::nan(""), 0, nullptr},
    {"longitude NaN", 0, std::nan(""), nullptr},
    {"latitude beyond 90", 90.5, 0, nullptr},
    {"longitude beyond 180", 0, 180.5, nullptr},
    {"infinity", std::numeric_limits<double>::infinity(), 0, nullptr},
};

class PlaceTableNearest : public testing::TestWithParam<TProbe> {};

TEST_P(PlaceTableNearest, FindsTheClosestOrNone)
{
    const TNearestPlace nearest = Small().Nearest(GetParam().Latitude, GetParam().LongitudeWest);
    if (GetParam().Wanted == nullptr) {
        EXPECT_FALSE(nearest.valid()) << GetParam().What;
        return;
    }
    ASSERT_TRUE(nearest.valid()) << GetParam().What;
    EXPECT_EQ(Names(Small(), {nearest.Index}).first(), QString::fromUtf8(GetParam().Wanted)) << GetParam().What;
}

INSTANTIATE_TEST_SUITE_P(Points, PlaceTableNearest, testing::ValuesIn(Probes));

}  // namespace
