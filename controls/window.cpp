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
    FVisible = true;
    FormShow();
    if (onVisibleChange)
        onVisibleChange(true);
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
    FVisible = true;
    FormShow();
    FModalResult = onShowModal();
    FVisible = false;
    FormHide();
    return FModalResult;
}

void TWindow::setModalResult(TModalResult result)
{
    FModalResult = result;
    if (onModalResultSet)
        onModalResultSet(result);
}

void TWindow::Close() { Hide(); }
