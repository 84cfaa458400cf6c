#include "controls/window.h"

void TWindow::setCaption(const QString& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    if (onCaptionChange)
        onCaptionChange();
}

void TWindow::Show()
{
    if (FVisible)
        return;
    runFormShow();
    if (onVisibleChange)
        onVisibleChange(true);
}

void TWindow::BringToFront()
{
    Show();
    if (onRaise)
        onRaise();
}

void TWindow::Hide()
{
    if (!FVisible)
        return;
    FVisible = false;
    FormHide();
    if (onVisibleChange)
        onVisibleChange(false);
}

TModalResult TWindow::ShowModal()
{
    FModalResult = TModalResult::None;
    if (!onShowModal) {
        // Headless: the window opens and closes again at once, as if cancelled.
        Show();
        Hide();
        return FModalResult = TModalResult::Cancel;
    }
    runFormShow();
    FModalResult = onShowModal();
    FVisible = false;
    FormHide();
    return FModalResult;
}

// A show handler that fails leaves the window hidden, so that it can be called up again.
void TWindow::runFormShow()
{
    FVisible = true;
    try {
        FormShow();
    } catch (...) {
        FVisible = false;
        throw;
    }
}

void TWindow::setModalResult(TModalResult result)
{
    FModalResult = result;
    if (onModalResultSet)
        onModalResultSet(result);
}

void TWindow::Close() { Hide(); }
