#pragma once
// A window that starts hidden gets its view when the logic first shows it, so that start-up does
// not build windows the user may never open. The view binds itself to the window as it is made
// (Bind::window); from then on the window talks to it directly.

#include <QWidget>

#include <functional>
#include <memory>

class TWindow;
enum class TModalResult;

class TViewOnDemand {
public:
    // `make` builds the view of `window`, unshown; it runs at most once.
    TViewOnDemand(TWindow& window, std::function<std::unique_ptr<QWidget>()> make);
    ~TViewOnDemand();
    TViewOnDemand(const TViewOnDemand&) = delete;
    TViewOnDemand& operator=(const TViewOnDemand&) = delete;

    // The view, or null while the window has never been shown.
    QWidget* view() const { return FView.get(); }

private:
    void made();
    void setVisible(bool visible);
    TModalResult showModal();

    TWindow& FWindow;
    std::function<std::unique_ptr<QWidget>()> FMake;
    std::unique_ptr<QWidget> FView;
};
