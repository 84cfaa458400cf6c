#include "controls/modalview.h"

#include "controls/window.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace {

// The window system knows which window another belongs to through its native window.
QWindow* nativeWindow(QWidget* widget)
{
    widget->winId();
    return widget->windowHandle();
}

}  // namespace

void BindModalOver(TWindow& control, QWidget* widget, QWidget* owner)
{
    // Window managers keep a dialog above the window it belongs to; a main window would go
    // behind the blocked window the moment the user clicked that.
    widget->setWindowFlag(Qt::Dialog);
    widget->setWindowFlag(Qt::WindowMinimizeButtonHint);
    QPointer<QWidget> guarded(widget);
    QPointer<QWidget> blocked(owner);
    control.onShowModal = [&control, guarded, blocked] {
        if (!guarded)
            return TModalResult::Cancel;
        QEventLoop loop;
        const std::function<void(bool)> mirror = control.onVisibleChange;
        control.onVisibleChange = [&](bool visible) {
            if (mirror)
                mirror(visible);
            if (!visible)
                loop.quit();
        };
        // Window-modal blocks the window it belongs to and that window's owners only; an
        // application-modal window would block every window opened from it as well.
        guarded->setWindowModality(Qt::WindowModal);
        nativeWindow(guarded)->setTransientParent(blocked ? nativeWindow(blocked->window()) : nullptr);
        guarded->show();
        loop.exec();
        control.onVisibleChange = mirror;
        if (guarded) {
            guarded->hide();
            guarded->setWindowModality(Qt::NonModal);
        }
        return TModalResult::OK;
    };
}

void BelongToActiveModal(QWidget* window)
{
    QWidget* modal = QApplication::activeModalWidget();
    nativeWindow(window)->setTransientParent(modal && modal != window ? nativeWindow(modal) : nullptr);
}
