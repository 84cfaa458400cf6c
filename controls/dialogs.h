#pragma once
// Dialogs and menus the window logic opens. The view supplies what each one does on screen;
// a headless test supplies a stand-in.

#include "controls/button.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

// Seeds a colour choice with color(); Execute() returns true and updates color() on OK.
class TColorDialog {
public:
    QColor color() const { return FColor; }
    void setColor(const QColor& color) { FColor = color; }
    bool Execute()
    {
        if (!onExecute)
            return false;
        return onExecute(FColor);
    }

    std::function<bool(QColor&)> onExecute;

private:
    QColor FColor = Qt::black;
};

// A dialog with nothing to return, such as the printer set-up.
class TCommonDialog {
public:
    bool Execute() const { return onExecute ? onExecute() : false; }
    std::function<bool()> onExecute;
};

// A question with a few answers, each a button besides "Cancel". Execute() returns the index
// of the answer taken, or -1 when the user cancels or closes it.
class TQuestionDialog {
public:
    int Execute(const QString& question, const QStringList& answers) const
    {
        return onExecute ? onExecute(question, answers) : -1;
    }
    std::function<int(const QString&, const QStringList&)> onExecute;
};

// A pop-up menu shown at a screen point.
class TPopupMenu {
public:
    explicit TPopupMenu(QList<TMenuItem*> items = {})
        : FItems(std::move(items))
    {}

    const QList<TMenuItem*>& items() const { return FItems; }
    void Popup(QPoint screenPoint) const
    {
        if (onPopup)
            onPopup(screenPoint);
    }

    std::function<void(QPoint)> onPopup;

private:
    QList<TMenuItem*> FItems;
};
