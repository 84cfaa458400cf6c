#include "tray/trayicon.h"

#include "controls/dialogs.h"
#include "tray/trayiconimagelist.h"

TTrayPlatform::~TTrayPlatform()
{
    if (FTray)
        FTray->setPlatform(nullptr);
}

void TTrayPlatform::deliverResetToolTip() const
{
    if (FTray)
        FTray->resetToolTip();
}

void TTrayPlatform::deliverMouseMessage(TTrayMouseMessage message) const
{
    if (FTray)
        FTray->mouseMessage(message);
}

TTrayIcon::TTrayIcon()
{
    setAnimateInterval(100);
    TrayIconAnimation.onTimer = [this] { animationStep(); };
}

TTrayIcon::~TTrayIcon()
{
    if (FActive)
        deleteIcon();
    setImages(nullptr);
    setPlatform(nullptr);
}

void TTrayIcon::setPlatform(TTrayPlatform* platform)
{
    if (platform == FPlatform)
        return;
    if (FPlatform)
        FPlatform->FTray = nullptr;
    FPlatform = platform;
    if (FPlatform) {
        FPlatform->FTray = this;
        if (FActive)
            addIcon();
    }
}

bool TTrayIcon::isAvailable() const { return FPlatform && FPlatform->isAvailable(); }

void TTrayIcon::setActive(bool active)
{
    if (active == FActive)
        return;
    FActive = active;
    if (active)
        addIcon();
    else
        deleteIcon();
}

void TTrayIcon::setAnimate(bool animate)
{
    // Writing the current state again must not overwrite the saved icon with a frame, nor
    // replace the icon by an empty saved one.
    if (animate == FAnimate)
        return;
    if (animate) {
        if (!FImages || FImages->count() < 1 || !FActive)
            return;
        FAnimate = true;
        FSavedIcon = FIcon;
        FFrame = 0;
        TrayIconAnimation.setEnabled(true);
    } else {
        FAnimate = false;
        TrayIconAnimation.setEnabled(false);
        setIcon(FSavedIcon);
    }
}

void TTrayIcon::setAnimateInterval(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    FAnimateInterval = milliseconds;
    TrayIconAnimation.setInterval(milliseconds);
}

void TTrayIcon::setIcon(const TIcon& icon)
{
    if (&icon == &FIcon)
        return;
    FIcon = icon;
    modifyIcon(nifIcon);
}

void TTrayIcon::setImages(TImageList* images)
{
    if (images == FImages)
        return;
    if (FImages)
        FImages->removeFreeNotification(this);
    FImages = images;
    if (FImages)
        FImages->addFreeNotification(this, [this] { imagesDestroyed(); });
}

void TTrayIcon::imagesDestroyed()
{
    setAnimate(false);
    FImages = nullptr;
}

void TTrayIcon::setToolTip(const QString& toolTip)
{
    QString kept = toolTip.left(MaxToolTipLength);
    // Never keep half of a character outside the basic plane.
    if (!kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    FToolTip = kept;
    modifyIcon(nifIcon | nifTip);
}

TNotifyIconData TTrayIcon::record(unsigned parts) const
{
    TNotifyIconData data;
    data.flags = parts;
    if (parts & nifIcon)
        data.icon = FIcon;
    if (parts & nifTip)
        data.tip = FToolTip;
    return data;
}

bool TTrayIcon::addIcon()
{
    if (!FPlatform)
        return false;
    const bool added = FPlatform->add(record(nifMessage | nifIcon | nifTip));
    if (FToolTip.isEmpty())
        FPlatform->postResetToolTip();
    return added;
}

void TTrayIcon::modifyIcon(unsigned parts)
{
    if (FActive && FPlatform)
        FPlatform->modify(record(parts));
}

void TTrayIcon::deleteIcon()
{
    if (FPlatform)
        FPlatform->remove(record(0));
}

void TTrayIcon::animationStep()
{
    if (!FImages || FImages->count() == 0)
        return;
    FFrame = FFrame >= FImages->count() - 1 ? 0 : FFrame + 1;
    setIcon(FImages->image(FFrame));
}

void TTrayIcon::mouseMessage(TTrayMouseMessage message)
{
    switch (message) {
    case tmLeftButtonUp:
        if (onClick)
            onClick();
        break;
    case tmLeftButtonDoubleClick:
        if (onDblClick)
            onDblClick();
        break;
    case tmRightButtonUp: {
        const QPoint cursor = FPlatform ? FPlatform->cursorPos() : QPoint();
        const Qt::KeyboardModifiers shift = FPlatform ? FPlatform->keyboardModifiers() : Qt::KeyboardModifiers();
        if (FPopupMenu) {
            if (FPlatform)
                FPlatform->bringToForeground();
            FPopupMenu->Popup(cursor);
        }
        if (onRightClick)
            onRightClick(Qt::RightButton, shift, cursor.x(), cursor.y());
        break;
    }
    case tmOther: break;
    }
}
