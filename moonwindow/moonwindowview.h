#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

class FrmAboutView;
class FrmJewishView;
class FrmJulianView;
class QLabel;
class TMainForm;

// The moon window: menus, the almanac labels in the columns the logic arranges, its moon
// picture and compass, the notification-area icon, the clipboard and the help viewer. Every
// rule is TMainForm's.
class MoonWindowView : public QMainWindow {
    Q_OBJECT
public:
    explicit MoonWindowView(TMainForm& form, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildClientArea();
    void placeLabels();
    int placeCompass(int left);
    void connectDesktop();
    void hideApplication();
    void restoreApplication();

    TMainForm& FForm;
    QWidget* FClient = nullptr;
    QList<QLabel*> FLabels;  // in the order of the form's arranged labels
    // Top-level windows the tray hid, to be shown again on the way back.
    QList<QPointer<QWidget>> FHiddenWindows;
};
