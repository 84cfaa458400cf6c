#include "controls/viewondemand.h"

#include "controls/window.h"

// Each hook hands over to a member function at once: made() replaces the hooks, the running one
// included, and nothing of a replaced lambda is touched afterwards.
TViewOnDemand::TViewOnDemand(TWindow& window, std::function<std::unique_ptr<QWidget>()> make)
    : FWindow(window),
      FMake(std::move(make))
{
    FWindow.onVisibleChange = [this](bool visible) { setVisible(visible); };
    FWindow.onShowModal = [this] { return showModal(); };
}

TViewOnDemand::~TViewOnDemand()
{
    // The hooks must not outlive the object they call; the view's own go with the view.
    FWindow.onVisibleChange = {};
    FWindow.onShowModal = {};
}

void TViewOnDemand::made()
{
    if (FView)
        return;
    FWindow.onVisibleChange = {};
    FWindow.onShowModal = {};
    FView = FMake();
}

void TViewOnDemand::setVisible(bool visible)
{
    // A window never shown needs no view to be hidden.
    if (!visible)
        return;
    made();
    if (FWindow.onVisibleChange)
        FWindow.onVisibleChange(true);
}

TModalResult TViewOnDemand::showModal()
{
    made();
    return FWindow.onShowModal ? FWindow.onShowModal() : TModalResult::Cancel;
}
