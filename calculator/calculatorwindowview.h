#pragma once

#include <QMainWindow>
#include <memory>

class QPrinter;

class TFrmMain;
class TImageWidget;

// The calculator window: menus, eight pages in a scroll box, the status bar. It only builds and
// binds widgets; every computation is TFrmMain's.
class CalculatorWindowView : public QMainWindow {
    Q_OBJECT
public:
    explicit CalculatorWindowView(TFrmMain& form, QWidget* parent = nullptr);
    ~CalculatorWindowView() override;

    // The printer Print Setup sets up and Print prints on, for as long as the window is open.
    QPrinter& printer();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void growToFitPages();
    void keepOnScreen();
    QWidget* createPages();
    void connectDesktop();
    void printWindowImage();

    TFrmMain& FForm;
    std::unique_ptr<QPrinter> FPrinter;
    bool FRoomReserved = false;
};
