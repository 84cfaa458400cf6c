#include "moonwindow/groupview.h"

#include "controls/button.h"
#include "controls/edit.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPointer>

QGroupBox* BindGroup(TLabel& caption, const char* name, QWidget* parent)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QString::fromLatin1(name));
    QPointer<QGroupBox> guarded(group);
    auto refresh = [guarded, &caption] {
        if (guarded)
            guarded->setTitle(caption.text());
    };
    caption.setObserver(refresh);
    refresh();
    return group;
}

QMenu* BindMenu(TMenuItem& item, const char* name, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QString::fromLatin1(name));
    QPointer<QMenu> guarded(menu);
    auto refresh = [guarded, &item] {
        if (!guarded)
            return;
        guarded->setTitle(item.caption());
        guarded->menuAction()->setEnabled(item.enabled());
        guarded->menuAction()->setVisible(item.visible());
    };
    item.setObserver(refresh);
    refresh();
    return menu;
}
