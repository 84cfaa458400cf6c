#include "locations/location.h"

#include "controls/numbers.h"
#include "locations/inifile.h"

#include "controls/errors.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

const QString CurrentSection = QStringLiteral("Current");
constexpr double ArcSecondsPerDegree = 3600;

QString locationSection(int number) { return QStringLiteral("Location%1").arg(number); }

constexpr double LargestLatitude = 90;
constexpr double LargestLongitude = 180;

// Degrees as the whole arc-seconds the file stores, halves to the even neighbour. A coordinate
// outside its range (NaN included) is refused before it is converted: its arc-seconds would
// not fit, or not read back.
qint64 arcSeconds(double degrees, double largest, const char* what, const QString& name)
{
    if (!(std::fabs(degrees) <= largest))
        throw EUserError(QCoreApplication::translate("Messages", "The %1 of %2 must lie between -%3 and %3 degrees")
                             .arg(QCoreApplication::translate("Messages", what), name)
                             .arg(largest));
    return qint64(RoundTo(degrees * ArcSecondsPerDegree));
}

// A place named like the end marker would cut off every location after it when read back; it
// is stored under the ellipsis character, which looks the same.
QString storedName(const QString& name) { return name == EndOfListName ? QStringLiteral("\u2026") : name; }

// The numbers of the sections "Location<n>" (n written without leading zeros) in the file, in
// ascending order and each once.
QList<int> storedLocationNumbers(const TIniFile& file)
{
    static const QRegularExpression pattern(QStringLiteral("^location(0|[1-9][0-9]{0,8})$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QList<int> numbers;
    for (const QString& section : file.Sections()) {
        const QRegularExpressionMatch match = pattern.match(section);
        if (match.hasMatch())
            numbers.append(match.captured(1).toInt());
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

}  // namespace

TMoonOptions ReadMoonOptions(const QString& fileName)
{
    const TIniFile file(fileName);
    return {file.ReadInteger(CurrentSection, QStringLiteral("Rotate"), 0),
            file.ReadInteger(CurrentSection, QStringLiteral("Color"), 0) != 0};
}

void WriteMoonOptions(const QString& fileName, int rotate, bool color)
{
    TIniFile file(fileName);
    file.Batch([&] {
        file.WriteInteger(CurrentSection, QStringLiteral("Rotate"), rotate);
        file.WriteInteger(CurrentSection, QStringLiteral("Color"), color ? 1 : 0);
    });
}

void LoadLocations(const QString& fileName, TLocationList& list, int& index)
{
    const TIniFile file(fileName);
    // A section deleted by hand leaves a gap that must not cost the places after it; a section
    // without a name is such a gap too, and only the end marker ends the list.
    for (int n : storedLocationNumbers(file)) {
        const QString section = locationSection(n);
        TLocation location;
        location.Name = file.ReadString(section, QStringLiteral("Name"), QString());
        if (location.Name.isNull())
            continue;
        if (location.Name == EndOfListName)
            break;
        location.Longitude = file.ReadInteger(section, QStringLiteral("Longitude"), 0) / ArcSecondsPerDegree;
        location.Latitude = file.ReadInteger(section, QStringLiteral("Latitude"), 0) / ArcSecondsPerDegree;
        location.Elevation = file.ReadInteger(section, QStringLiteral("Elevation"), 0);
        location.TimeZone = file.ReadString(section, QStringLiteral("TimeZone"), QString()).trimmed();
        list.append(location);
    }
    index = file.ReadInteger(CurrentSection, QStringLiteral("Index"), 0);
}

void SaveLocation(const TLocation& location, int number, TIniFile& file)
{
    const QString section = locationSection(number);
    file.WriteString(section, QStringLiteral("Name"), storedName(location.Name));
    file.WriteInteger(
        section, QStringLiteral("Longitude"),
        arcSeconds(location.Longitude, LargestLongitude, QT_TRANSLATE_NOOP("Messages", "longitude"), location.Name));
    file.WriteInteger(
        section, QStringLiteral("Latitude"),
        arcSeconds(location.Latitude, LargestLatitude, QT_TRANSLATE_NOOP("Messages", "latitude"), location.Name));
    file.WriteInteger(section, QStringLiteral("Elevation"), location.Elevation);
    // A location without a chosen zone is written as an older version wrote it; the key of a
    // location that stood in this section before must not pass its zone on.
    if (!location.TimeZone.isEmpty())
        file.WriteString(section, QStringLiteral("TimeZone"), location.TimeZone);
    else
        file.DeleteKey(section, QStringLiteral("TimeZone"));
}

namespace {
// While any place is stored the stored index names one of them: an index of none would leave
// every rise and set unknown after a restart.
int StoredIndex(const TLocationList& list, int index)
{
    return list.isEmpty() ? index : std::clamp(index, 0, int(list.size()) - 1);
}
}  // namespace

void SaveLocations(const QString& fileName, const TLocationList* list, int index)
{
    if (!list)
        return;
    index = StoredIndex(*list, index);
    TIniFile file(fileName);
    file.Batch([&] {
        int written = 0;
        for (const TLocation& location : *list)
            SaveLocation(location, written++, file);
        file.WriteInteger(CurrentSection, QStringLiteral("Index"), index);
        QStringList beyond;
        for (int number : storedLocationNumbers(file))
            if (number >= written)
                beyond.append(locationSection(number));
        file.EraseSections(beyond);
    });
}

bool SamePlace(const TLocation& a, const TLocation& b)
{
    return a.Name == b.Name && a.Latitude == b.Latitude && a.Longitude == b.Longitude && a.Elevation == b.Elevation;
}

void SaveLocationIndex(const QString& fileName, const TLocationList* list, int index)
{
    if (!list)
        return;
    TLocationList stored;
    int storedIndex = 0;
    LoadLocations(fileName, stored, storedIndex);
    const bool unchanged =
        stored.size() == list->size() && std::equal(stored.begin(), stored.end(), list->begin(), SamePlace);
    if (!unchanged) {
        if (index < 0 || index >= list->size())
            return;
        const auto found = std::find_if(stored.begin(), stored.end(),
                                        [&](const TLocation& place) { return SamePlace(place, list->at(index)); });
        if (found == stored.end())
            return;
        index = int(found - stored.begin());
    }
    index = StoredIndex(stored, index);
    TIniFile(fileName).WriteInteger(CurrentSection, QStringLiteral("Index"), index);
}
