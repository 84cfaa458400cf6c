#pragma once
// The program's places: the stored locations, the current one with the zone its days and
// clock run in, and word whenever either changes. The location editor and the More Data window
// change it; the sun page, the moon window and More Data read the place and its zone here, so
// that no window keeps a list of its own or works a zone out for itself.

#include "almanac/placezone.h"
#include "locations/location.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

class TPlaceStore {
public:
    // Reads the list and the current index from settingsFileName (none from a missing file).
    explicit TPlaceStore(QString settingsFileName);

    const QString& settingsFileName() const { return FSettingsFileName; }
    const TLocationList& locations() const { return FLocations; }
    // The current location's index in locations(); -1 when there is none (no locations, or a
    // stored index beyond the list).
    int currentIndex() const;
    const TLocation* current() const;
    // The zone of the current location (its own, else the nearest place's); universal time
    // without one.
    const TPlaceZone& zone() const { return FZone; }

    // Reads the list and the index from the file again: the editor saved, or the file was
    // changed outside the program. Whether they differ from what the store held.
    bool reload();
    // Makes the location at `index` of locations() current and writes the index to the file as
    // SaveLocationIndex does. Throws EUserError "Unable to write to <file>"; the current
    // location changes all the same, since the user picked it.
    void setCurrent(int index);
    // Takes the list and the index that the editor has just saved.
    void replace(const TLocationList& list, int index);

    // A listener's hold on the store: the listener is called while it lives. Either may go
    // first, the store or the subscription.
    class TSubscription {
    public:
        TSubscription() = default;
        TSubscription(TSubscription&& other) noexcept;
        TSubscription& operator=(TSubscription&& other) noexcept;
        ~TSubscription();

    private:
        friend class TPlaceStore;
        struct TListeners;
        TSubscription(std::weak_ptr<TListeners> listeners, int id);
        void end();

        std::weak_ptr<TListeners> FListeners;
        int FId = -1;
    };

    // Calls `listener` after every change (a reload, pick or replacement that leaves the list
    // and the index as they were is none) while the subscription lives. Every listener hears
    // of a change even when one throws; the first exception is passed on.
    [[nodiscard]] TSubscription subscribe(std::function<void()> listener);

    TPlaceStore(const TPlaceStore&) = delete;
    TPlaceStore& operator=(const TPlaceStore&) = delete;

private:
    bool take(TLocationList list, int index);
    void notify();

    const QString FSettingsFileName;
    TLocationList FLocations;
    int FIndex = 0;
    TPlaceZone FZone;
    std::shared_ptr<TSubscription::TListeners> FListeners;
};
