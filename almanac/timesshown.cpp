#include "almanac/timesshown.h"

#include "controls/clock.h"
#include "locations/inifile.h"

namespace {

const QString Section = QStringLiteral("Current");
const QString Key = QStringLiteral("Times");

const struct {
    TTimesShown times;
    const char* name;
} Names[] = {{tsPlace, "place"}, {tsComputer, "computer"}, {tsUtc, "utc"}};

}  // namespace

TTimesShown ReadTimesShown(const QString& fileName)
{
    const QString stored = TIniFile(fileName).ReadString(Section, Key, QString()).toLower();
    for (const auto& name : Names)
        if (stored == QLatin1String(name.name))
            return name.times;
    return tsPlace;
}

void WriteTimesShown(const QString& fileName, TTimesShown times)
{
    for (const auto& name : Names)
        if (name.times == times)
            TIniFile(fileName).WriteString(Section, Key, QLatin1String(name.name));
}

TPlaceZone ShownZone(TTimesShown times, const TPlaceZone& place, const TClock& clock)
{
    switch (times) {
    case tsComputer: return TPlaceZone(clock.zone());
    case tsUtc: return TPlaceZone();
    default: return place;
    }
}
