#pragma once
// The offline table of the world's towns (GeoNames, CC BY 4.0): places of 5,000 inhabitants or
// more, every capital and every seat of a first-level division, with their zones, looked up by
// name or by position.
//
// Table text (UTF-8; places/data/places.tsv is written by tools/gen_places.py): lines of
// tab-separated fields in three sections, each opened by its header line; "#" lines and empty
// lines are skipped, and so is any line of the wrong shape or with a value out of range:
//   [countries]  code, name
//   [zones]      IANA id; the n-th line (from 0) is zone n
//   [places]     name, ASCII name (empty: as the name), country code, first-level division
//                code, latitude (north +), longitude (EAST +), elevation m, population, zone n

#include "places/placegrid.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The credit GeoNames' licence asks for wherever the table's data is used: the source and its
// licence stay verbatim in every language, like a copyright line.
inline constexpr char PlaceDataSource[] = "GeoNames (geonames.org), CC BY 4.0";
inline constexpr char PlaceDataAttribution[] = "Place data: GeoNames (geonames.org), CC BY 4.0";

// The credit as the windows show it, "Place data:" in the user's language.
QString PlaceDataCredit();

struct TPlace {
    QString Name;         // as GeoNames spells it ("Tromsø")
    QString AsciiName;    // its Latin-letter form ("Tromso")
    QString CountryCode;  // ISO 3166 ("NO"; "XK" for Kosovo)
    QString Country;      // tzdata's name of the country ("Norway")
    // GeoNames' code of the first-level division ("IL" for Illinois, "16" for Berlin): the
    // source data has no names for them.
    QString Region;
    double Latitude = 0;   // degrees, north positive
    double Longitude = 0;  // degrees, WEST positive, as everywhere in the program
    int Elevation = 0;     // metres; from the elevation model, 0 where it has no value
    int Population = 0;
    QString TimeZone;  // IANA id ("Europe/Oslo")
};

struct TNearestPlace {
    int Index = -1;         // into the table; -1: none
    double DistanceKm = 0;  // great-circle distance on the mean sphere

    bool valid() const { return Index >= 0; }
};

class TPlaceTable {
public:
    // An empty table.
    TPlaceTable();
    // The table in `text` (the format above). Never fails: what cannot be read is skipped and
    // counted in skippedLines().
    explicit TPlaceTable(QByteArrayView text);

    // The table compiled into the program (places/places.qrc), read on first use, once, also
    // when several threads ask at the same time. Empty when the program lacks the resource.
    static const TPlaceTable& BuiltIn();

    int size() const { return static_cast<int>(FRecords.size()); }
    // Place `index` (0 .. size() - 1); an empty TPlace for any other index.
    TPlace at(int index) const;
    // Lines that were not comments, blank or section headers and could not be read.
    int skippedLines() const { return FSkipped; }

    // At most `most` places whose name matches `query`: first those whose name or ASCII name
    // is the query as typed, then those equal to it once both are folded (FoldedName: case
    // and accents), then those whose folded name, or any later word of it, starts with it;
    // the more populous first within each group. Words are parted by blanks, hyphens,
    // apostrophes, slashes and brackets ("Frankfurt am Main", "Saint-Denis", "L'Aquila"). Text after a comma narrows the search: each part must match the
    // place's country code, the start of its country's name or of its division's code
    // ("Berlin, DE", "Paris, France", "Springfield, IL"). Nothing for an empty query or
    // `most` below 1.
    QList<int> Find(const QString& query, int most) const;

    // The place nearest to the point (latitude degrees north, longitude degrees WEST), with
    // its great-circle distance. None (Index -1) for an empty table, NaN or a latitude beyond
    // ±90 or longitude beyond ±180 degrees.
    TNearestPlace Nearest(double latitude, double longitudeWest) const;
    // The place a point is best named after ("near Berlin"): of the places at most 10 km
    // farther than the nearest one, the one with the most inhabitants for its distance,
    // population / (1 km + distance)^2. A city's district lies nearer the city's centre than
    // the city's own point does, yet people name the city; a town beside a city keeps its own
    // name. None where Nearest gives none.
    TNearestPlace NamingPlace(double latitude, double longitudeWest) const;

private:
    // Kept small: the built-in table has over 50,000 of them. Texts are spans of FText.
    struct TRecord {
        std::uint32_t Name;
        std::uint32_t AsciiName;
        std::uint16_t NameLength;
        std::uint16_t AsciiNameLength;
        std::int32_t Latitude;       // micro-degrees, north positive
        std::int32_t LongitudeEast;  // micro-degrees, east positive
        std::int32_t Population;
        std::int16_t Elevation;
        std::uint16_t Zone;
        std::uint16_t Country;
        std::uint16_t Region;
    };
    struct TCountry {
        QString Code;
        QString Name;
        QString FoldedCode;
        QString FoldedName;
    };
    // A folded name (a span of FFolded) and its place; sorted by name for prefix search.
    struct TKey {
        std::uint32_t Offset;
        std::uint16_t Length;
        // 1 for a key that starts at a later word of the name ("main" of "frankfurt am main"),
        // which a query matches only as a start, never as the whole name.
        std::uint16_t LaterWord;
        std::int32_t Place;
    };

    class TReader;

    QStringView Text(std::uint32_t offset, std::uint16_t length) const;
    QStringView Key(const TKey& key) const;
    bool Narrowed(const TRecord& record, const QStringList& qualifiers) const;

    std::vector<TRecord> FRecords;
    QString FText;
    QString FFolded;
    std::vector<TKey> FKeys;
    std::vector<TCountry> FCountries;
    QStringList FZones;
    QStringList FRegions;
    QStringList FFoldedRegions;
    TPlaceGrid FGrid;
    int FSkipped = 0;
};
