#pragma once
// A list of icons that components may refer to; they hear when it goes away.

#include <QList>
#include <functional>
#include <map>

#include "moonpicture/moonicon.h"

class TImageList {
public:
    TImageList() = default;
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;
    ~TImageList()
    {
        // A handler may unregister itself; work from a copy.
        const auto notifications = FFreeNotifications;
        for (const auto& [client, handler] : notifications)
            handler();
    }

    int count() const { return static_cast<int>(FImages.size()); }
    const TIcon& image(int index) const { return FImages.at(index); }
    void add(const TIcon& icon) { FImages.append(icon); }

    // handler runs when the list is destroyed, until client removes it.
    void addFreeNotification(const void* client, std::function<void()> handler)
    {
        FFreeNotifications[client] = std::move(handler);
    }
    void removeFreeNotification(const void* client) { FFreeNotifications.erase(client); }

private:
    QList<TIcon> FImages;
    std::map<const void*, std::function<void()>> FFreeNotifications;
};
