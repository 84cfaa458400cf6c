#pragma once
// The desktop's notification area as the tray icon component uses it. The view implements it
// with a real system tray icon; without one the component keeps its state and shows nothing.

#include <QPoint>
#include <QString>
#include <cstdint>
#include <qnamespace.h>

#include "moonpicture/moonicon.h"

class TTrayIcon;

// Which parts of a notification record are meant.
enum TNotifyIconPart : std::uint8_t {
    nifMessage = 1,  // report mouse events on the icon
    nifIcon = 2,
    nifTip = 4,
};

struct TNotifyIconData {
    unsigned flags = 0;  // TNotifyIconPart bits
    TIcon icon;          // with nifIcon
    QString tip;         // with nifTip
};

// Mouse events on the icon, as the component tells them apart.
enum TTrayMouseMessage : std::uint8_t {
    tmLeftButtonUp,
    tmLeftButtonDoubleClick,
    tmRightButtonUp,
    tmOther,
};

class TTrayPlatform {
public:
    TTrayPlatform() = default;
    TTrayPlatform(const TTrayPlatform&) = delete;
    TTrayPlatform& operator=(const TTrayPlatform&) = delete;
    // Detaches from the component, which then goes on without a notification area.
    virtual ~TTrayPlatform();

    // True when the desktop has a notification area at all.
    virtual bool isAvailable() const = 0;
    // Show the icon, change what the record's flags name, remove the icon. Each returns
    // whether the desktop took the command.
    virtual bool add(const TNotifyIconData& data) = 0;
    virtual bool modify(const TNotifyIconData& data) = 0;
    virtual bool remove(const TNotifyIconData& data) = 0;
    // Calls deliverResetToolTip() from the event loop later.
    virtual void postResetToolTip() = 0;
    virtual QPoint cursorPos() const = 0;
    virtual Qt::KeyboardModifiers keyboardModifiers() const = 0;
    // Brings the application's window to the foreground and lets pending events run, so that a
    // pop-up menu closes when the user clicks elsewhere.
    virtual void bringToForeground() = 0;

protected:
    // The component this platform serves, or null.
    TTrayIcon* tray() const { return FTray; }
    // Runs the component's posted tooltip reset, if a component is still attached.
    void deliverResetToolTip() const;
    // Hands a mouse event on the icon to the component, if one is attached.
    void deliverMouseMessage(TTrayMouseMessage message) const;

private:
    friend class TTrayIcon;
    TTrayIcon* FTray = nullptr;
};
