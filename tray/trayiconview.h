#pragma once
// The notification area of the desktop, through Qt's system tray icon.

#include <QObject>

#include "tray/trayiconplatform.h"

class QSystemTrayIcon;
class TTrayIcon;

class TSystemTrayPlatform : public QObject, public TTrayPlatform {
    Q_OBJECT
public:
    // Attaches itself to tray (adding its icon at once if the tray icon is active) and runs
    // its animation timer.
    TSystemTrayPlatform(TTrayIcon& tray, QObject* parent = nullptr);

    bool isAvailable() const override;
    bool add(const TNotifyIconData& data) override;
    bool modify(const TNotifyIconData& data) override;
    bool remove(const TNotifyIconData& data) override;
    void postResetToolTip() override;
    QPoint cursorPos() const override;
    Qt::KeyboardModifiers keyboardModifiers() const override;
    void bringToForeground() override;

private:
    void apply(const TNotifyIconData& data);

    QSystemTrayIcon* FIcon;
};
