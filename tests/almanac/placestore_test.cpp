// The one store of the program's places: what it reads, what it writes, and who hears of it.

#include "almanac/placestore.h"

#include "controls/errors.h"
#include "locations/inifile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

TLocation At(const char* name, double latitude, double longitudeWest, const char* zone = "")
{
    TLocation place;
    place.Name = QString::fromUtf8(name);
    place.Latitude = latitude;
    place.Longitude = longitudeWest;
    place.TimeZone = QString::fromUtf8(zone);
    return place;
}

class PlaceStore : public testing::Test {
protected:
    QString file() const { return folder.filePath(QStringLiteral("shutterly.ini")); }
    void save(const TLocationList& list, int index) { SaveLocations(file(), &list, index); }
    int storedIndex() const
    {
        TLocationList list;
        int index = -1;
        LoadLocations(file(), list, index);
        return index;
    }

    QTemporaryDir folder;
    const TLocationList places{At("Berlin", 52.52, -13.405, "Europe/Berlin"), At("Tromso", 69.65, -18.96),
                               At("Sydney", -33.87, -151.21, "Australia/Sydney")};
};

// The current place and its zone: the place's own, the nearest town's where it has none; a
// stored index that names no place (written by an older version) gives the first place, and
// only an empty list leaves universal time.
TEST_F(PlaceStore, CurrentPlaceAndZoneFollowTheStoredIndex)
{
    const struct {
        int index;
        const char* name;
        const char* zone;
        int current;
    } cases[] = {{0, "Berlin", "Europe/Berlin", 0},
                 {1, "Tromso", "Europe/Oslo", 1},
                 {2, "Sydney", "Australia/Sydney", 2},
                 {3, "Berlin", "Europe/Berlin", 0},
                 {-1, "Berlin", "Europe/Berlin", 0}};
    for (const auto& c : cases) {
        save(places, 0);
        TIniFile(file()).WriteInteger(QStringLiteral("Current"), QStringLiteral("Index"), c.index);
        const TPlaceStore store(file());
        ASSERT_EQ(store.locations().size(), 3);
        ASSERT_NE(store.current(), nullptr) << c.index;
        EXPECT_EQ(store.current()->Name, c.name);
        EXPECT_EQ(store.currentIndex(), c.current);
        EXPECT_EQ(store.zone().id(), c.zone) << c.index;
    }
    save({}, -1);
    const TPlaceStore none(file());
    EXPECT_EQ(none.current(), nullptr);
    EXPECT_EQ(none.zone().id(), "UTC");
}

TEST_F(PlaceStore, EveryChangeIsHeardAndAPickIsWritten)
{
    save(places, 0);
    TPlaceStore store(file());
    QStringList heard;
    const auto subscription = store.subscribe([&] { heard.append(store.zone().id()); });

    store.setCurrent(2);
    EXPECT_EQ(storedIndex(), 2);
    store.replace({At("Tromso", 69.65, -18.96)}, 0);
    save(places, 1);
    store.reload();
    EXPECT_EQ(heard, QStringList({"Australia/Sydney", "Europe/Oslo", "Europe/Oslo"}));
    EXPECT_EQ(store.current()->Name, "Tromso");
    EXPECT_EQ(store.locations().size(), 3);
}

// Windows come and go in either order with the store: a listener gone is not called, a store
// gone leaves its subscriptions harmless, and one listener's failure does not silence the rest.
TEST_F(PlaceStore, SubscriptionsOutliveOrPrecedeTheStoreSafely)
{
    save(places, 0);
    TPlaceStore store(file());
    int first = 0, second = 0;
    auto one = store.subscribe([&] {
        ++first;
        throw EUserError("Unable to write to the file");
    });
    {
        const auto two = store.subscribe([&] { ++second; });
        EXPECT_THROW(store.setCurrent(1), EUserError);
        EXPECT_EQ(second, 1) << "told although the first listener threw";
        EXPECT_EQ(storedIndex(), 1) << "written although a listener threw";
    }
    one = TPlaceStore::TSubscription();
    EXPECT_NO_THROW(store.setCurrent(0));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);

    auto orphan = std::make_unique<TPlaceStore>(file());
    TPlaceStore::TSubscription kept = orphan->subscribe([] { FAIL() << "the store is gone"; });
    orphan.reset();
    kept = TPlaceStore::TSubscription();
}

}  // namespace
