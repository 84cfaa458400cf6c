#include "places/placetable.h"

#include "places/greatcircle.h"
#include "places/mapcoordinates.h"
#include "places/namefolding.h"

#include <QCoreApplication>
#include <QResource>
#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

namespace {

// Where the Dead Sea shore and the highest towns lie, with room; a value beyond is a bad line.
constexpr int LowestElevation = -1000;
constexpr int HighestElevation = 9000;
constexpr double MicroDegrees = 1e6;
constexpr std::size_t Most16 = std::numeric_limits<std::uint16_t>::max();

// What parts the words of a folded name.
bool IsWordBreak(QChar letter)
{
    switch (letter.unicode()) {
    case u' ':
    case u'-':
    case u'\'':
    case u'/':
    case u'(':
    case u')': return true;
    default: return false;
    }
}

constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

// The fields of a place line, in their order.
enum TPlaceField { Name, AsciiName, Country, Region, Latitude, Longitude, Elevation, Population, Zone, PlaceFields };

// The tab-separated fields of a line; a line with more than MostFields has Count beyond it.
constexpr int MostFields = 10;
struct TFields {
    std::array<QByteArrayView, MostFields> Field;
    int Count = 0;

    QByteArrayView operator[](int i) const { return Field[i]; }
};

// The first tab in [at, end), or end. Fields are too short for a call to memchr for each to pay;
// eight bytes at a time do better where a word's lowest byte is its first.
const char* NextTab(const char* at, const char* const end)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t Tabs = 0x0909090909090909u;
        constexpr std::uint64_t Lows = 0x7F7F7F7F7F7F7F7Fu;
        for (; end - at >= 8; at += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, at, sizeof word);
            const std::uint64_t x = word ^ Tabs;
            // The high bit of each byte of x that is zero, and no other bit.
            const std::uint64_t zeros = ~(((x & Lows) + Lows) | x | Lows);
            if (zeros != 0) {
                return at + std::countr_zero(zeros) / 8;
            }
        }
    }
    while (at != end && *at != '\t') {
        ++at;
    }
    return at;
}

TFields Fields(QByteArrayView line)
{
    TFields fields;
    const char* start = line.data();
    const char* const end = start + line.size();
    for (;;) {
        const char* const tab = NextTab(start, end);
        if (fields.Count < MostFields) {
            fields.Field[fields.Count] = QByteArrayView(start, tab - start);
        }
        ++fields.Count;
        if (tab == end) {
            return fields;
        }
        start = tab + 1;
    }
}

// The line that begins at `start`, without its line break; `start` moves on to the next.
QByteArrayView NextLine(QByteArrayView text, qsizetype& start)
{
    const char* const begin = text.data() + start;
    const char* const stop = text.data() + text.size();
    const char* end = static_cast<const char*>(std::memchr(begin, '\n', stop - begin));
    if (!end) {
        end = stop;
    }
    start = end - text.data() + 1;
    QByteArrayView line(begin, end - begin);
    if (line.endsWith('\r')) {
        line.chop(1);
    }
    return line;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// QByteArrayView::trimmed(), quicker for the fields of the table, which have nothing to trim.
QByteArrayView Trimmed(QByteArrayView field)
{
    if (field.isEmpty() || (!IsSpace(field.front()) && !IsSpace(field.back()))) {
        return field;
    }
    return field.trimmed();
}

bool IsAscii(QByteArrayView text)
{
    unsigned char all = 0;
    for (char c : text) {
        all |= static_cast<unsigned char>(c);
    }
    return all < 0x80;
}

// Appends the UTF-8 `field`, trimmed; plain ASCII, as nearly every field is, needs no decoding.
void AppendDecoded(QString& out, QByteArrayView field)
{
    field = Trimmed(field);
    if (IsAscii(field)) {
        const qsizetype start = out.size();
        out.resize(start + field.size());
        std::transform(field.begin(), field.end(), out.begin() + start, [](char c) { return QLatin1Char(c); });
    } else {
        out.append(QString::fromUtf8(field));
    }
}

QString Decoded(QByteArrayView field) { return QString::fromUtf8(Trimmed(field)); }

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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Degrees in the table's own form, at most three digits and six decimals, read exactly as whole
// micro-degrees, sparing the conversion of a double. False for any other form.
bool ReadPlainDegrees(QByteArrayView text, std::int64_t& microDegrees)
{
    constexpr int MostWhole = 3;
    constexpr int MostDecimals = 6;
    const char* at = text.begin();
    const char* const end = text.end();
    const bool negative = at != end && *at == '-';
    at += negative ? 1 : 0;
    std::int64_t value = 0;
    int whole = 0;
    for (; at != end && IsDigit(*at) && whole < MostWhole; ++at, ++whole) {
        value = value * 10 + (*at - '0');
    }
    int decimals = 0;
    if (at != end && *at == '.') {
        ++at;
        for (; at != end && IsDigit(*at) && decimals < MostDecimals; ++at, ++decimals) {
            value = value * 10 + (*at - '0');
        }
        if (decimals == 0) {
            return false;
        }
    }
    if (whole == 0 || at != end) {
        return false;
    }
    for (; decimals < MostDecimals; ++decimals) {
        value *= 10;
    }
    microDegrees = negative ? -value : value;
    return true;
}

bool ReadDegrees(QByteArrayView text, double limit, std::int32_t& microDegrees)
{
    if (std::int64_t exact = 0; ReadPlainDegrees(text, exact)) {
        if (std::abs(exact) > limit * MicroDegrees) {
            return false;
        }
        microDegrees = static_cast<std::int32_t>(exact);
        return true;
    }
    double value = 0;
    if (!ReadNumber(text, value) || !std::isfinite(value) || std::fabs(value) > limit) {
        return false;
    }
    microDegrees = static_cast<std::int32_t>(std::lround(value * MicroDegrees));
    return true;
}

bool IsPlainText(QByteArrayView text) { return !Trimmed(text).isEmpty(); }

// The numbers given to codes (of countries, of regions), keyed by views of the text being read,
// which outlives it. Open addressing: every place asks twice, and a few hundred codes in a
// table of their own are found far quicker than in a map of nodes.
class TCodeNumbers {
public:
    // The number of `code`; null if it has none.
    const int* Find(QByteArrayView code) const
    {
        const TSlot& slot = FSlots[SlotOf(code)];
        return slot.Number < 0 ? nullptr : &slot.Number;
    }

    // `code` must have no number yet.
    void Add(QByteArrayView code, int number)
    {
        if (2 * (FUsed + 1) > FSlots.size()) {
            Grow();
        }
        FSlots[SlotOf(code)] = {code, number};
        ++FUsed;
    }

private:
    struct TSlot {
        QByteArrayView Code;
        int Number = -1;
    };

    // FNV-1a: codes are a few bytes long, too short for a stronger hash to pay.
    static std::size_t Hash(QByteArrayView code)
    {
        std::uint64_t hash = 14695981039346656037u;
        for (char c : code) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
        }
        return static_cast<std::size_t>(hash);
    }

    // Inline, unlike QByteArrayView's comparison.
    static bool IsSame(QByteArrayView a, QByteArrayView b)
    {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
    }

    // The slot that holds `code`, or the free one where it belongs.
    std::size_t SlotOf(QByteArrayView code) const
    {
        const std::size_t mask = FSlots.size() - 1;
        std::size_t slot = Hash(code) & mask;
        while (FSlots[slot].Number >= 0 && !IsSame(FSlots[slot].Code, code)) {
            slot = (slot + 1) & mask;
        }
        return slot;
    }

    void Grow()
    {
        std::vector<TSlot> previous(2 * FSlots.size());
        std::swap(previous, FSlots);
        for (const TSlot& slot : previous) {
            if (slot.Number >= 0) {
                FSlots[SlotOf(slot.Code)] = slot;
            }
        }
    }

    std::vector<TSlot> FSlots = std::vector<TSlot>(256);  // a power of two, at most half used
    std::size_t FUsed = 0;
};

// The first eight letters of a key, a byte each, so that a smaller number is always a smaller
// key: sorted by these, only keys of equal heads need their texts compared. A missing letter
// counts as 0; one beyond 0xFE as 0xFF, and as that stands for many letters, those after it
// cannot count.
std::uint64_t SortHead(QStringView key)
{
    constexpr char16_t Many = 0xFF;
    std::uint64_t head = 0;
    bool exact = true;
    for (qsizetype i = 0; i < 8; ++i) {
        const char16_t letter = exact && i < key.size() ? std::min(key[i].unicode(), Many) : u'\0';
        exact = exact && letter != Many;
        head = (head << 8) | letter;
    }
    return head;
}

// Sorts by the heads, a byte at a time from the lowest (a radix sort): eight passes over the keys
// instead of the many comparisons of a sort that compares.
template <typename T>
void SortByHead(std::vector<std::pair<std::uint64_t, T>>& items)
{
    std::vector<std::pair<std::uint64_t, T>> sorted(items.size());
    for (int shift = 0; shift < 64; shift += 8) {
        std::array<std::size_t, 256> starts{};
        for (const auto& item : items) {
            ++starts[(item.first >> shift) & 0xFF];
        }
        if (std::find(starts.begin(), starts.end(), items.size()) != starts.end()) {
            continue;  // every head has the same byte here
        }
        std::size_t next = 0;
        for (std::size_t& start : starts) {
            next += std::exchange(start, next);
        }
        for (const auto& item : items) {
            sorted[starts[(item.first >> shift) & 0xFF]++] = item;
        }
        std::swap(items, sorted);
    }
}

}  // namespace

// Reads the text line by line into the table; the tables that give equal codes one number live
// only while it reads.
class TPlaceTable::TReader {
public:
    explicit TReader(TPlaceTable& table)
        : FTable(table)
    {}

    void Read(QByteArrayView text);

private:
    enum class TSection { None, Countries, Zones, Places };

    void Reserve(QByteArrayView text);
    bool ReadLine(TSection section, QByteArrayView line);
    bool ReadCountry(const TFields& fields);
    bool ReadZone(const TFields& fields);
    bool ReadPlace(const TFields& fields);
    bool ReadValues(const TFields& fields, TRecord& record) const;
    bool AddNames(const TFields& fields, TRecord& record);
    int CountryNumber(QByteArrayView code);
    int RegionNumber(QByteArrayView code);
    void AddKeys(const TRecord& record, std::int32_t place);
    void AddNameKeys(const TRecord& record, std::int32_t place);
    bool KeepKey(qsizetype start, std::int32_t place);
    void Finish();
    void SortKeys();
    void BuildGrid();

    TPlaceTable& FTable;
    TCodeNumbers FCountryNumbers;
    TCodeNumbers FRegionNumbers;
    TNameFolder FFolder;
};

void TPlaceTable::TReader::Read(QByteArrayView text)
{
    Reserve(text);
    TSection section = TSection::None;
    // An editor may have saved the table with a byte order mark, which would hide its first line.
    for (qsizetype start = text.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0; start < text.size();) {
        const QByteArrayView line = NextLine(text, start);
        if (Trimmed(line).isEmpty() || line.startsWith('#')) {
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
    Finish();
}

// Room for as many places as the text has lines, so that nothing is moved while reading; the few
// records left unused are not worth a copy of all the others. No text has more UTF-16 units than
// UTF-8 bytes, and folding seldom lengthens a name; Finish() gives back what the texts leave.
void TPlaceTable::TReader::Reserve(QByteArrayView text)
{
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    FTable.FRecords.reserve(lines);
    FTable.FKeys.reserve(2 * lines);
    FTable.FText.reserve(text.size());
    FTable.FFolded.reserve(text.size());
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
    code = Trimmed(code);
    if (const int* known = FCountryNumbers.Find(code)) {
        return *known;
    }
    if (FTable.FCountries.size() >= Most16) {
        return -1;
    }
    // A country without a line of its own is named by its code.
    const QString text = Decoded(code);
    FTable.FCountries.push_back({text, text, FoldedName(text), FoldedName(text)});
    const int number = static_cast<int>(FTable.FCountries.size()) - 1;
    FCountryNumbers.Add(code, number);
    return number;
}

int TPlaceTable::TReader::RegionNumber(QByteArrayView code)
{
    code = Trimmed(code);
    if (const int* known = FRegionNumbers.Find(code)) {
        return *known;
    }
    if (static_cast<std::size_t>(FTable.FRegions.size()) >= Most16) {
        return -1;
    }
    FTable.FRegions.append(Decoded(code));
    FTable.FFoldedRegions.append(FoldedName(FTable.FRegions.back()));
    const int number = static_cast<int>(FTable.FRegions.size()) - 1;
    FRegionNumbers.Add(code, number);
    return number;
}

bool TPlaceTable::TReader::ReadPlace(const TFields& fields)
{
    if (fields.Count != PlaceFields || !IsPlainText(fields[Name]) || !IsPlainText(fields[Country])) {
        return false;
    }
    TRecord record{};
    if (!ReadValues(fields, record) || !AddNames(fields, record)) {
        return false;
    }
    const int country = CountryNumber(fields[Country]);
    const int region = RegionNumber(fields[Region]);
    if (country < 0 || region < 0 || FTable.FRecords.size() >= std::size_t(std::numeric_limits<std::int32_t>::max())) {
        FTable.FText.truncate(record.Name);
        return false;
    }
    record.Country = static_cast<std::uint16_t>(country);
    record.Region = static_cast<std::uint16_t>(region);
    FTable.FRecords.push_back(record);
    AddKeys(record, static_cast<std::int32_t>(FTable.FRecords.size()) - 1);
    return true;
}

// The numbers of a place line, each in its range.
bool TPlaceTable::TReader::ReadValues(const TFields& fields, TRecord& record) const
{
    int elevation = 0;
    int zone = 0;
    if (!ReadDegrees(fields[Latitude], 90, record.Latitude) ||
        !ReadDegrees(fields[Longitude], 180, record.LongitudeEast) || !ReadNumber(fields[Elevation], elevation) ||
        elevation < LowestElevation || elevation > HighestElevation ||
        !ReadNumber(fields[Population], record.Population) || record.Population < 0 ||
        !ReadNumber(fields[Zone], zone) || zone < 0 || zone >= FTable.FZones.size() || FTable.FZones[zone].isEmpty()) {
        return false;
    }
    record.Elevation = static_cast<std::int16_t>(elevation);
    record.Zone = static_cast<std::uint16_t>(zone);
    return true;
}

// Both names into FText; an ASCII name that is empty or the same as the name shares its text.
bool TPlaceTable::TReader::AddNames(const TFields& fields, TRecord& record)
{
    QString& text = FTable.FText;
    const qsizetype nameStart = text.size();
    AppendDecoded(text, fields[Name]);
    const qsizetype asciiStart = text.size();
    if (IsPlainText(fields[AsciiName])) {
        AppendDecoded(text, fields[AsciiName]);
    }
    const qsizetype nameLength = asciiStart - nameStart;
    const qsizetype asciiLength = text.size() - asciiStart;
    // Decoding drops a byte order mark, and a field of nothing else is empty.
    if (nameLength == 0) {
        text.truncate(nameStart);
        return false;
    }
    const QStringView all(text);
    const bool shared = asciiLength == 0 || all.sliced(asciiStart) == all.sliced(nameStart, nameLength);
    if (shared) {
        text.truncate(asciiStart);
    }
    if (static_cast<std::size_t>(nameLength) > Most16 || static_cast<std::size_t>(asciiLength) > Most16) {
        text.truncate(nameStart);
        return false;
    }
    record.Name = static_cast<std::uint32_t>(nameStart);
    record.NameLength = static_cast<std::uint16_t>(nameLength);
    record.AsciiName = shared ? record.Name : static_cast<std::uint32_t>(asciiStart);
    record.AsciiNameLength = shared ? record.NameLength : static_cast<std::uint16_t>(asciiLength);
    return true;
}

// The keys of a place: its names and the later words of them.
void TPlaceTable::TReader::AddKeys(const TRecord& record, std::int32_t place)
{
    const std::size_t nameKeys = FTable.FKeys.size();
    AddNameKeys(record, place);
    // The later words of a name need no text of their own: their keys are tails of its key.
    for (std::size_t i = nameKeys, end = FTable.FKeys.size(); i < end; ++i) {
        const TKey whole = FTable.FKeys[i];
        const QStringView name = FTable.Key(whole);
        for (qsizetype at = 1; at < name.size(); ++at) {
            if (IsWordBreak(name[at - 1]) && !IsWordBreak(name[at])) {
                FTable.FKeys.push_back({whole.Offset + static_cast<std::uint32_t>(at),
                                        static_cast<std::uint16_t>(whole.Length - at), 1, place});
            }
        }
    }
}

// A key for the folded name and one for the folded ASCII name where the two differ.
void TPlaceTable::TReader::AddNameKeys(const TRecord& record, std::int32_t place)
{
    QString& folded = FTable.FFolded;
    const qsizetype nameStart = folded.size();
    FFolder.Append(folded, FTable.Text(record.Name, record.NameLength));
    const bool nameKept = KeepKey(nameStart, place);
    if (record.AsciiName == record.Name) {
        return;
    }
    const qsizetype asciiStart = folded.size();
    FFolder.Append(folded, FTable.Text(record.AsciiName, record.AsciiNameLength));
    if (nameKept && FTable.Key(FTable.FKeys.back()) == QStringView(folded).sliced(asciiStart)) {
        folded.truncate(asciiStart);
        return;
    }
    KeepKey(asciiStart, place);
}

// The folded text from `start` on becomes a key of `place`, unless it is empty or too long for
// one: then it is dropped.
bool TPlaceTable::TReader::KeepKey(qsizetype start, std::int32_t place)
{
    QString& folded = FTable.FFolded;
    const qsizetype length = folded.size() - start;
    if (length == 0 || static_cast<std::size_t>(length) > Most16) {
        folded.truncate(start);
        return false;
    }
    FTable.FKeys.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint16_t>(length), 0, place});
    return true;
}

void TPlaceTable::TReader::Finish()
{
    FTable.FText.squeeze();
    FTable.FFolded.squeeze();
    SortKeys();
    BuildGrid();
}

void TPlaceTable::TReader::SortKeys()
{
    const std::vector<TKey>& keys = FTable.FKeys;
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
    order.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        order.emplace_back(SortHead(FTable.Key(keys[i])), static_cast<std::uint32_t>(i));
    }
    SortByHead(order);
    const auto earlier = [this, &keys](const auto& a, const auto& b) {
        const TKey& keyA = keys[a.second];
        const TKey& keyB = keys[b.second];
        const int compared = FTable.Key(keyA).compare(FTable.Key(keyB));
        return compared != 0 ? compared < 0 : keyA.Place < keyB.Place;
    };
    for (auto run = order.begin(); run != order.end();) {
        const std::uint64_t head = run->first;
        const auto end = std::find_if(run, order.end(), [head](const auto& item) { return item.first != head; });
        std::sort(run, end, earlier);
        run = end;
    }
    std::vector<TKey> sorted;
    sorted.reserve(order.size());
    for (const auto& item : order) {
        sorted.push_back(keys[item.second]);
    }
    FTable.FKeys = std::move(sorted);
}

void TPlaceTable::TReader::BuildGrid()
{
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
    // Read in place: a resource stored uncompressed is never copied.
    static const TPlaceTable table(QResource(QStringLiteral(":/places/data/places.tsv")).uncompressedData());
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
        int Group;  // 0: as typed, 1: equal folded, 2: folded prefix of the name or a later word
    };
    // A place found under several keys (its two names, its words) counts once, in its best
    // group: a mark per place costs less than sorting every match of a short query.
    constexpr std::int8_t Unseen = 3;
    std::vector<std::int8_t> bestGroup(FRecords.size(), Unseen);
    std::vector<int> seen;
    const auto first = std::lower_bound(FKeys.begin(), FKeys.end(), QStringView(folded),
                                        [this](const TKey& key, QStringView wanted) { return Key(key) < wanted; });
    for (auto key = first; key != FKeys.end() && Key(*key).startsWith(folded); ++key) {
        const TRecord& record = FRecords[key->Place];
        if (!Narrowed(record, qualifiers)) {
            continue;
        }
        int group = 2;
        if (key->Length == folded.size() && !key->LaterWord) {
            const bool asTyped =
                Text(record.Name, record.NameLength) == name || Text(record.AsciiName, record.AsciiNameLength) == name;
            group = asTyped ? 0 : 1;
        }
        std::int8_t& best = bestGroup[key->Place];
        if (best == Unseen) {
            seen.push_back(key->Place);
        }
        best = std::min(best, static_cast<std::int8_t>(group));
    }
    std::vector<TMatch> matches;
    matches.reserve(seen.size());
    for (int place : seen) {
        matches.push_back({place, bestGroup[place]});
    }
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

TNearestPlace TPlaceTable::NamingPlace(double latitude, double longitudeWest) const
{
    constexpr double FartherKm = 10;
    constexpr double NearKm = 1;
    const TNearestPlace nearest = Nearest(latitude, longitudeWest);
    if (!nearest.valid()) {
        return nearest;
    }
    const auto weight = [this](int index, double km) {
        return FRecords[index].Population / ((NearKm + km) * (NearKm + km));
    };
    const double reach = (nearest.DistanceKm + FartherKm) / EarthMeanRadiusKm;
    TNearestPlace best = nearest;
    double bestWeight = weight(nearest.Index, nearest.DistanceKm);
    for (const TPlaceGrid::TMatch& match : FGrid.Within(latitude, EastPositiveLongitude(longitudeWest), reach)) {
        const double km = match.Angle * EarthMeanRadiusKm;
        const double matchWeight = weight(match.Index, km);
        if (matchWeight > bestWeight || (matchWeight == bestWeight && km < best.DistanceKm)) {
            best = {match.Index, km};
            bestWeight = matchWeight;
        }
    }
    return best;
}

QString PlaceDataCredit()
{
    return QCoreApplication::translate("Messages", "Place data: %1").arg(QLatin1StringView(PlaceDataSource));
}
