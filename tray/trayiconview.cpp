#include "tray/trayiconview.h"

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QWidget>

#include "controls/bindingview.h"
#include "controls/guard.h"
#include "tray/trayicon.h"

namespace {

TTrayMouseMessage MouseMessage(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger: return tmLeftButtonUp;
    case QSystemTrayIcon::DoubleClick: return tmLeftButtonDoubleClick;
    case QSystemTrayIcon::Context: return tmRightButtonUp;
    default: return tmOther;
    }
}

}  // namespace

TSystemTrayPlatform::TSystemTrayPlatform(TTrayIcon& tray, QObject* parent)
    : QObject(parent),
      FIcon(new QSystemTrayIcon(this))
{
    setObjectName(QStringLiteral("TrayIcon"));
    connect(FIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        TGuard::run([&] { deliverMouseMessage(MouseMessage(reason)); });
    });
    Bind::timer(tray.animationTimer(), this);
    tray.setPlatform(this);
}

bool TSystemTrayPlatform::isAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void TSystemTrayPlatform::apply(const TNotifyIconData& data)
{
    if (data.flags & nifIcon)
        FIcon->setIcon(data.icon.isNull() ? QIcon() : QIcon(QPixmap::fromImage(data.icon)));
    if (data.flags & nifTip)
        FIcon->setToolTip(data.tip);
}

bool TSystemTrayPlatform::add(const TNotifyIconData& data)
{
    apply(data);
    if (!isAvailable())
        return false;
    FIcon->show();
    return true;
}

bool TSystemTrayPlatform::modify(const TNotifyIconData& data)
{
    apply(data);
    return isAvailable();
}

bool TSystemTrayPlatform::remove(const TNotifyIconData&)
{
    FIcon->hide();
    return isAvailable();
}

void TSystemTrayPlatform::postResetToolTip()
{
    QMetaObject::invokeMethod(
        this, [this] { TGuard::run([this] { deliverResetToolTip(); }); }, Qt::QueuedConnection);
}

QPoint TSystemTrayPlatform::cursorPos() const { return QCursor::pos(); }

Qt::KeyboardModifiers TSystemTrayPlatform::keyboardModifiers() const
{
    return QGuiApplication::queryKeyboardModifiers();
}

void TSystemTrayPlatform::bringToForeground()
{
    if (QWidget* window = QApplication::activeWindow()) {
        window->raise();
        window->activateWindow();
    }
    QCoreApplication::processEvents();
}
