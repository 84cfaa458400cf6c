#include "places/placetable.h"

#include "places/greatcircle.h"
#include "places/mapcoordinates.h"
#include "places/namefolding.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <unordered_map>

namespace {

// Where the Dead Sea shore and the highest towns lie, with room; a value beyond is a bad line.
constexpr int LowestElevation = -1000;
constexpr int HighestElevation = 9000;
constexpr double MicroDegrees = 1e6;
constexpr std::size_t Most16 = std::numeric_limits<std::uint16_t>::max();

// The tab-separated fields of a line; a line with more than MostFields has Count beyond it.
constexpr int MostFields = 10;
struct TFields {
    std::array<QByteArrayView, MostFields> Field;
    int Count = 0;

    QByteArrayView operator[](int i) const { return Field[i]; }
};

TFields Fields(QByteArrayView line)
{
    TFields fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == '\t') {
            if (fields.Count < MostFields) {
                fields.Field[fields.Count] = line.sliced(start, i - start);
            }
            ++fields.Count;
            start = i + 1;
        }
    }
    return fields;
}

QString Decoded(QByteArrayView field) { return QString::fromUtf8(field.trimmed()); }

// Whole numbers and degrees in the "C" convention, the whole field or nothing.
template <typename T>
bool ReadNumber(QByteArrayView text, T& value)
{
    if (text.isEmpty()) {
        return false;
    }
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end;
}

bool ReadDegrees(QByteArrayView text, double limit, std::int32_t& microDegrees)
{
    double value = 0;
    if (!ReadNumber(text, value) || !std::isfinite(value) || std::fabs(value) > limit) {
        return false;
    }
    microDegrees = static_cast<std::int32_t>(std::lround(value * MicroDegrees));
    return true;
}

bool IsPlainText(QByteArrayView text) { return !text.trimmed().isEmpty(); }

}  // namespace

// Reads the text line by line into the table; the hashes that share equal codes and zones
// among the records live only while it reads.
class TPlaceTable::TReader {
public:
    explicit TReader(TPlaceTable& table)
        : FTable(table)
    {}

    void Read(QByteArrayView text);

private:
    enum class TSection { None, Countries, Zones, Places };

    bool ReadLine(TSection section, QByteArrayView line);
    bool ReadCountry(const TFields& fields);
    bool ReadZone(const TFields& fields);
    bool ReadPlace(const TFields& fields);
    int CountryNumber(QByteArrayView code);
    int RegionNumber(QByteArrayView code);
    void AddKeys(int place, QStringView name, QStringView asciiName);
    void BuildIndex();

    TPlaceTable& FTable;
    // Keyed by the bytes of the code, which are short enough never to be allocated.
    std::unordered_map<std::string, int> FCountryNumbers;
    std::unordered_map<std::string, int> FRegionNumbers;
};

void TPlaceTable::TReader::Read(QByteArrayView text)
{
    TSection section = TSection::None;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            end = text.size();
        }
        QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (line.trimmed().isEmpty() || line.startsWith('#')) {
            continue;
        }
        if (line == "[countries]") {
            section = TSection::Countries;
        } else if (line == "[zones]") {
            section = TSection::Zones;
        } else if (line == "[places]") {
            section = TSection::Places;
        } else if (!ReadLine(section, line)) {
            ++FTable.FSkipped;
        }
    }
    BuildIndex();
}

bool TPlaceTable::TReader::ReadLine(TSection section, QByteArrayView line)
{
    const TFields fields = Fields(line);
    switch (section) {
    case TSection::Countries: return ReadCountry(fields);
    case TSection::Zones: return ReadZone(fields);
    case TSection::Places: return ReadPlace(fields);
    case TSection::None: break;
    }
    return false;
}

bool TPlaceTable::TReader::ReadCountry(const TFields& fields)
{
    if (fields.Count != 2 || !IsPlainText(fields[0]) || !IsPlainText(fields[1])) {
        return false;
    }
    const int number = CountryNumber(fields[0]);
    if (number < 0) {
        return false;
    }
    FTable.FCountries[number].Name = Decoded(fields[1]);
    FTable.FCountries[number].FoldedName = FoldedName(FTable.FCountries[number].Name);
    return true;
}

bool TPlaceTable::TReader::ReadZone(const TFields& fields)
{
    // A zone is known by its line's number, so a bad line keeps its number, with no zone:
    // the zones after it must not shift onto other places. Places on it are skipped.
    const bool good = fields.Count == 1 && IsPlainText(fields[0]) && !fields[0].contains(' ');
    if (static_cast<std::size_t>(FTable.FZones.size()) < Most16) {
        FTable.FZones.append(good ? QString::fromUtf8(fields[0]) : QString());
    }
    return good;
}

int TPlaceTable::TReader::CountryNumber(QByteArrayView code)
{
    code = code.trimmed();
    const auto [found, added] = FCountryNumbers.try_emplace(std::string(code.data(), code.size()), 0);
    if (!added) {
        return found->second;
    }
    if (FTable.FCountries.size() >= Most16) {
        FCountryNumbers.erase(found);
        return -1;
    }
    // A country without a line of its own is named by its code.
    const QString text = Decoded(code);
    FTable.FCountries.push_back({text, text, FoldedName(text), FoldedName(text)});
    found->second = static_cast<int>(FTable.FCountries.size()) - 1;
    return found->second;
}

int TPlaceTable::TReader::RegionNumber(QByteArrayView code)
{
    code = code.trimmed();
    const auto [found, added] = FRegionNumbers.try_emplace(std::string(code.data(), code.size()), 0);
    if (!added) {
        return found->second;
    }
    if (static_cast<std::size_t>(FTable.FRegions.size()) >= Most16) {
        FRegionNumbers.erase(found);
        return -1;
    }
    FTable.FRegions.append(Decoded(code));
    FTable.FFoldedRegions.append(FoldedName(FTable.FRegions.back()));
    found->second = static_cast<int>(FTable.FRegions.size()) - 1;
    return found->second;
}

bool TPlaceTable::TReader::ReadPlace(const TFields& fields)
{
    enum { Name, AsciiName, Country, Region, Latitude, Longitude, Elevation, Population, Zone, Count };
    if (fields.Count != Count || !IsPlainText(fields[Name]) || !IsPlainText(fields[Country])) {
        return false;
    }
    TRecord record{};
    int elevation = 0;
    int zone = 0;
    if (!ReadDegrees(fields[Latitude], 90, record.Latitude) ||
        !ReadDegrees(fields[Longitude], 180, record.LongitudeEast) || !ReadNumber(fields[Elevation], elevation) ||
        elevation < LowestElevation || elevation > HighestElevation ||
        !ReadNumber(fields[Population], record.Population) || record.Population < 0 ||
        !ReadNumber(fields[Zone], zone) || zone < 0 || zone >= FTable.FZones.size() || FTable.FZones[zone].isEmpty()) {
        return false;
    }
    const QString name = Decoded(fields[Name]);
    const QString asciiName = IsPlainText(fields[AsciiName]) ? Decoded(fields[AsciiName]) : name;
    const int country = CountryNumber(fields[Country]);
    const int region = RegionNumber(fields[Region]);
    if (country < 0 || region < 0 || static_cast<std::size_t>(name.size()) > Most16 ||
        static_cast<std::size_t>(asciiName.size()) > Most16 ||
        FTable.FRecords.size() >= std::size_t(std::numeric_limits<std::int32_t>::max())) {
        return false;
    }
    record.Elevation = static_cast<std::int16_t>(elevation);
    record.Zone = static_cast<std::uint16_t>(zone);
    record.Country = static_cast<std::uint16_t>(country);
    record.Region = static_cast<std::uint16_t>(region);
    record.Name = static_cast<std::uint32_t>(FTable.FText.size());
    record.NameLength = static_cast<std::uint16_t>(name.size());
    FTable.FText.append(name);
    record.AsciiName = record.Name;
    record.AsciiNameLength = record.NameLength;
    if (asciiName != name) {
        record.AsciiName = static_cast<std::uint32_t>(FTable.FText.size());
        record.AsciiNameLength = static_cast<std::uint16_t>(asciiName.size());
        FTable.FText.append(asciiName);
    }
    FTable.FRecords.push_back(record);
    AddKeys(static_cast<int>(FTable.FRecords.size()) - 1, name, asciiName);
    return true;
}

void TPlaceTable::TReader::AddKeys(int place, QStringView name, QStringView asciiName)
{
    const QString folded = FoldedName(name);
    const QString foldedAscii = FoldedName(asciiName);
    const auto add = [&](const QString& key) {
        if (key.isEmpty() || static_cast<std::size_t>(key.size()) > Most16) {
            return;
        }
        FTable.FKeys.push_back(
            {static_cast<std::uint32_t>(FTable.FFolded.size()), static_cast<std::uint16_t>(key.size()), place});
        FTable.FFolded.append(key);
    };
    add(folded);
    if (foldedAscii != folded) {
        add(foldedAscii);
    }
}

void TPlaceTable::TReader::BuildIndex()
{
    FTable.FText.squeeze();
    FTable.FFolded.squeeze();
    FTable.FRecords.shrink_to_fit();
    // The first four letters, packed so that their order as numbers is the keys' order,
    // settle most comparisons of the sort without touching the text.
    std::vector<std::pair<std::uint64_t, TKey>> keys;
    keys.reserve(FTable.FKeys.size());
    for (const TKey& key : FTable.FKeys) {
        std::uint64_t head = 0;
        const QStringView text = FTable.Key(key);
        for (qsizetype i = 0; i < 4; ++i) {
            head = (head << 16) | (i < text.size() ? text[i].unicode() : 0u);
        }
        keys.emplace_back(head, key);
    }
    std::sort(keys.begin(), keys.end(), [this](const auto& a, const auto& b) {
        if (a.first != b.first) {
            return a.first < b.first;
        }
        const int order = FTable.Key(a.second).compare(FTable.Key(b.second));
        return order != 0 ? order < 0 : a.second.Place < b.second.Place;
    });
    for (std::size_t i = 0; i < keys.size(); ++i) {
        FTable.FKeys[i] = keys[i].second;
    }
    FTable.FKeys.shrink_to_fit();
    std::vector<TPlaceGrid::TPoint> points;
    points.reserve(FTable.FRecords.size());
    for (const TRecord& record : FTable.FRecords) {
        points.push_back({record.Latitude / MicroDegrees, record.LongitudeEast / MicroDegrees});
    }
    FTable.FGrid = TPlaceGrid(points);
}

TPlaceTable::TPlaceTable() = default;

TPlaceTable::TPlaceTable(QByteArrayView text) { TReader(*this).Read(text); }

const TPlaceTable& TPlaceTable::BuiltIn()
{
    static const TPlaceTable table = [] {
        QFile file(QStringLiteral(":/places/data/places.tsv"));
        return file.open(QIODevice::ReadOnly) ? TPlaceTable(file.readAll()) : TPlaceTable();
    }();
    return table;
}

QStringView TPlaceTable::Text(std::uint32_t offset, std::uint16_t length) const
{
    return QStringView(FText).sliced(offset, length);
}

QStringView TPlaceTable::Key(const TKey& key) const { return QStringView(FFolded).sliced(key.Offset, key.Length); }

TPlace TPlaceTable::at(int index) const
{
    if (index < 0 || index >= size()) {
        return {};
    }
    const TRecord& record = FRecords[index];
    const TCountry& country = FCountries[record.Country];
    TPlace place;
    place.Name = Text(record.Name, record.NameLength).toString();
    place.AsciiName = Text(record.AsciiName, record.AsciiNameLength).toString();
    place.CountryCode = country.Code;
    place.Country = country.Name;
    place.Region = FRegions[record.Region];
    place.Latitude = record.Latitude / MicroDegrees;
    place.Longitude = WestPositiveLongitude(record.LongitudeEast / MicroDegrees);
    place.Elevation = record.Elevation;
    place.Population = record.Population;
    place.TimeZone = FZones[record.Zone];
    return place;
}

bool TPlaceTable::Narrowed(const TRecord& record, const QStringList& qualifiers) const
{
    const TCountry& country = FCountries[record.Country];
    const QString& region = FFoldedRegions[record.Region];
    return std::all_of(qualifiers.begin(), qualifiers.end(), [&](const QString& qualifier) {
        return country.FoldedCode == qualifier || country.FoldedName.startsWith(qualifier) ||
               region.startsWith(qualifier);
    });
}

QList<int> TPlaceTable::Find(const QString& query, int most) const
{
    if (most < 1) {
        return {};
    }
    const QStringList parts = query.split(u',');
    const QString name = parts.first().trimmed();
    const QString folded = FoldedName(name);
    if (folded.isEmpty()) {
        return {};
    }
    QStringList qualifiers;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString qualifier = FoldedName(parts[i]);
        if (!qualifier.isEmpty()) {
            qualifiers.append(qualifier);
        }
    }

    struct TMatch {
        int Place;
        int Group;  // 0: as typed, 1: equal folded, 2: folded prefix
    };
    std::vector<TMatch> matches;
    const auto first = std::lower_bound(FKeys.begin(), FKeys.end(), QStringView(folded),
                                        [this](const TKey& key, QStringView wanted) { return Key(key) < wanted; });
    for (auto key = first; key != FKeys.end() && Key(*key).startsWith(folded); ++key) {
        const TRecord& record = FRecords[key->Place];
        if (!Narrowed(record, qualifiers)) {
            continue;
        }
        int group = 2;
        if (key->Length == folded.size()) {
            const bool asTyped =
                Text(record.Name, record.NameLength) == name || Text(record.AsciiName, record.AsciiNameLength) == name;
            group = asTyped ? 0 : 1;
        }
        matches.push_back({key->Place, group});
    }
    // A place found under both its names counts once, in its better group.
    std::sort(matches.begin(), matches.end(), [](const TMatch& a, const TMatch& b) {
        return a.Place != b.Place ? a.Place < b.Place : a.Group < b.Group;
    });
    matches.erase(std::unique(matches.begin(), matches.end(),
                              [](const TMatch& a, const TMatch& b) { return a.Place == b.Place; }),
                  matches.end());
    const auto better = [this](const TMatch& a, const TMatch& b) {
        if (a.Group != b.Group) {
            return a.Group < b.Group;
        }
        const int populationA = FRecords[a.Place].Population;
        const int populationB = FRecords[b.Place].Population;
        return populationA != populationB ? populationA > populationB : a.Place < b.Place;
    };
    const auto last = matches.begin() + std::min<std::size_t>(matches.size(), static_cast<std::size_t>(most));
    std::partial_sort(matches.begin(), last, matches.end(), better);
    QList<int> found;
    for (auto match = matches.begin(); match != last; ++match) {
        found.append(match->Place);
    }
    return found;
}

TNearestPlace TPlaceTable::Nearest(double latitude, double longitudeWest) const
{
    const TPlaceGrid::TMatch match = FGrid.Nearest(latitude, EastPositiveLongitude(longitudeWest));
    if (match.Index < 0) {
        return {};
    }
    return {match.Index, match.Angle * EarthMeanRadiusKm};
}
