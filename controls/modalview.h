#pragma once
// Modal windows block only the windows that were open before them: the window they were opened
// from, with the windows that window belongs to. The windows opened from a modal window (a help
// viewer, a window of more data, another dialog) take input.

class QWidget;
class TWindow;

// Makes ShowModal show widget, a main window rather than a dialog, modal to owner's window and
// kept above it: it runs a local event loop until the window is hidden (closed or exited).
void BindModalOver(TWindow& control, QWidget* widget, QWidget* owner);

// Makes window, which is about to be shown, belong to the modal window on top if there is one,
// so that that window does not block it.
void BelongToActiveModal(QWidget* window);
