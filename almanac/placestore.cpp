#include "almanac/placestore.h"

#include "almanac/locationzone.h"

#include <exception>
#include <utility>
#include <vector>

TPlaceStore::TPlaceStore(QString settingsFileName)
    : FSettingsFileName(std::move(settingsFileName)),
      FListeners(std::make_shared<TSubscription::TListeners>())
{
    reload();
}

int TPlaceStore::currentIndex() const { return FIndex >= 0 && FIndex < FLocations.size() ? FIndex : -1; }

const TLocation* TPlaceStore::current() const
{
    const int index = currentIndex();
    return index >= 0 ? &FLocations[index] : nullptr;
}

bool TPlaceStore::reload()
{
    TLocationList list;
    int index = 0;
    LoadLocations(FSettingsFileName, list, index);
    // A file written by an older version may store an index of no place beside its places.
    if (!list.isEmpty() && (index < 0 || index >= list.size()))
        index = 0;
    return take(std::move(list), index);
}

void TPlaceStore::setCurrent(int index)
{
    try {
        SaveLocationIndex(FSettingsFileName, &FLocations, index);
    } catch (...) {
        take(FLocations, index);
        throw;
    }
    take(FLocations, index);
}

void TPlaceStore::replace(const TLocationList& list, int index) { take(list, index); }

bool TPlaceStore::take(TLocationList list, int index)
{
    // Windows that opened again, or the editor showing the unchanged file, need no recomputing.
    if (list == FLocations && index == FIndex)
        return false;
    FLocations = std::move(list);
    FIndex = index;
    // The zone is looked up once a change: the nearest place's suggestion walks the place table.
    FZone = current() ? PlaceZoneOf(*current()) : TPlaceZone();
    notify();
    return true;
}

struct TPlaceStore::TSubscription::TListeners {
    std::map<int, std::function<void()>> Calls;
    int Next = 0;
};

TPlaceStore::TSubscription::TSubscription(std::weak_ptr<TListeners> listeners, int id)
    : FListeners(std::move(listeners)),
      FId(id)
{}

TPlaceStore::TSubscription::TSubscription(TSubscription&& other) noexcept
    : FListeners(std::move(other.FListeners)),
      FId(std::exchange(other.FId, -1))
{}

TPlaceStore::TSubscription& TPlaceStore::TSubscription::operator=(TSubscription&& other) noexcept
{
    if (this != &other) {
        end();
        FListeners = std::move(other.FListeners);
        FId = std::exchange(other.FId, -1);
    }
    return *this;
}

TPlaceStore::TSubscription::~TSubscription() { end(); }

void TPlaceStore::TSubscription::end()
{
    if (const auto listeners = FListeners.lock())
        listeners->Calls.erase(FId);
    FListeners.reset();
}

TPlaceStore::TSubscription TPlaceStore::subscribe(std::function<void()> listener)
{
    const int id = FListeners->Next++;
    FListeners->Calls.emplace(id, std::move(listener));
    return TSubscription(FListeners, id);
}

void TPlaceStore::notify()
{
    std::exception_ptr first;
    // The ids of now, each looked up as it comes: a listener may end a subscription, or begin
    // one, while it is told.
    std::vector<int> ids;
    for (const auto& call : FListeners->Calls)
        ids.push_back(call.first);
    for (const int id : ids) {
        const auto call = FListeners->Calls.find(id);
        if (call == FListeners->Calls.end())
            continue;
        try {
            const std::function<void()> listener = call->second;
            listener();
        } catch (...) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
}
