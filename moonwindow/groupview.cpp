#include "moonwindow/groupview.h"

#include "controls/bindingview.h"
#include "controls/button.h"
#include "controls/edit.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>

QGroupBox* BindGroup(TLabel& caption, QWidget* parent)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QString::fromLatin1(caption.name()));
    QPointer<QGroupBox> guarded(group);
    auto refresh = [guarded, &caption] {
        if (guarded)
            guarded->setTitle(caption.text());
    };
    caption.setObserver(refresh);
    refresh();
    return group;
}

QMenu* BindMenu(TMenuItem& item, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QString::fromLatin1(item.name()));
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

QHBoxLayout* NowOkCancelRow(TButton& now, TButton& ok, TButton& cancel, QWidget* parent)
{
    QPushButton* nowButton = Bind::button(now, parent);
    nowButton->setAutoDefault(false);
    QPushButton* okButton = Bind::button(ok, parent);
    okButton->setDefault(true);
    QPushButton* cancelButton = Bind::button(cancel, parent);
    cancelButton->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addWidget(nowButton);
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    return row;
}

QSpacerItem* TitleRoom(const QWidget* window)
{
    // Title bars show their text in a bold face and keep room for the icon and three buttons.
    constexpr int FrameButtonsRoom = 100;
    QFont bold = window->font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(window->windowTitle()) + FrameButtonsRoom;
    return new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
}
