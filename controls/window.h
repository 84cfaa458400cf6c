#pragma once

#include "controls/controllist.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

// The result of a modal window, as its OK and Cancel buttons set it.
enum class TModalResult { None, OK, Cancel };

// The frame of a window as the logic sees it: caption, visibility, modal showing. The view
// connects the hooks; headless, Show and ShowModal only record the request.
class TWindow : public TControlOwner {
public:
    explicit TWindow(const QString& caption)
        : FCaption(caption)
    {}
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    virtual ~TWindow() = default;

    QString caption() const { return FCaption; }
    void setCaption(const QString& caption);
    bool visible() const { return FVisible; }

    void Show();
    void Hide();
    // Shows the window, or puts it in front of the others and gives it the focus when it is
    // shown already (a menu that calls up a window the user has lost behind another).
    void BringToFront();
    // Shows the window and waits until it closes; returns how it was closed.
    TModalResult ShowModal();
    // Ends a modal showing with the given result (the OK and Cancel buttons).
    void setModalResult(TModalResult result);
    TModalResult modalResult() const { return FModalResult; }
    void Close();

    // The window's frame on the screen, for dialogs placed relative to it.
    QRect bounds() const { return onBounds ? onBounds() : QRect(); }

    // Called on the way up and down so that each window runs its own show and hide handlers.
    virtual void FormShow() {}
    virtual void FormHide() {}

    std::function<void(bool visible)> onVisibleChange;
    std::function<TModalResult()> onShowModal;
    std::function<void()> onCaptionChange;
    std::function<QRect()> onBounds;
    std::function<void(TModalResult)> onModalResultSet;
    std::function<void()> onRaise;

private:
    void runFormShow();

    QString FCaption;
    bool FVisible = false;
    TModalResult FModalResult = TModalResult::None;
};
