#pragma once
// One icon with a tooltip in the desktop's notification area, reporting clicks on it. The icon
// is there exactly while Active is true and a notification area exists; icon and tooltip set
// while inactive are kept for the next showing.

#include <QString>
#include <functional>

#include "controls/controllist.h"
#include "controls/timer.h"
#include "moonpicture/moonicon.h"
#include "tray/trayiconplatform.h"

class TImageList;
class TPopupMenu;

class TTrayIcon : public TControlOwner {
public:
    // Longest tooltip the notification area takes (characters).
    static constexpr int MaxToolTipLength = 62;

    TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;
    // Removes a shown icon.
    ~TTrayIcon();

    // The notification area to work through (set by the view; null detaches). An active icon
    // is added to the new platform at once.
    void setPlatform(TTrayPlatform* platform);
    // False on a desktop without a notification area (or before a view attached one): the
    // program must then keep its windows reachable without the tray.
    bool isAvailable() const;

    bool active() const { return FActive; }
    void setActive(bool active);
    bool animate() const { return FAnimate; }
    // Switching on needs Images with at least one image and Active; otherwise it is ignored.
    void setAnimate(bool animate);
    int animateInterval() const { return FAnimateInterval; }
    // Values of 0 and below are ignored.
    void setAnimateInterval(int milliseconds);
    const TIcon& icon() const { return FIcon; }
    // Copies the image, unless it is this component's own icon.
    void setIcon(const TIcon& icon);
    const TImageList* images() const { return FImages; }
    void setImages(TImageList* images);
    QString toolTip() const { return FToolTip; }
    // Keeps the first MaxToolTipLength characters.
    void setToolTip(const QString& toolTip);
    TPopupMenu* popupMenu() const { return FPopupMenu; }
    void setPopupMenu(TPopupMenu* menu) { FPopupMenu = menu; }

    TNotifyEvent onClick;
    TNotifyEvent onDblClick;
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)> onRightClick;

    // The timer that steps the animation; the view runs it.
    TTimer& animationTimer() { return TrayIconAnimation; }

    // Mouse events on the icon, from the platform.
    void mouseMessage(TTrayMouseMessage message);
    // The posted reset: applies the tooltip again.
    void resetToolTip() { setToolTip(FToolTip); }

private:
    TNotifyIconData record(unsigned parts) const;
    bool addIcon();
    void modifyIcon(unsigned parts);
    void deleteIcon();
    void animationStep();
    void imagesDestroyed();

    TTrayPlatform* FPlatform = nullptr;
    bool FActive = false;
    bool FAnimate = false;
    int FAnimateInterval = 100;
    TIcon FIcon;
    TIcon FSavedIcon;  // the icon before the animation started
    TImageList* FImages = nullptr;
    QString FToolTip;
    TPopupMenu* FPopupMenu = nullptr;
    CONTROL(TTimer, TrayIconAnimation, 100, false);
    int FFrame = 0;
};
