#pragma once
// Group boxes and menus whose captions are held by logic controls.

class QGroupBox;
class QHBoxLayout;
class QMenu;
class QSpacerItem;
class QWidget;
class TButton;
class TLabel;
class TMenuItem;

// A group box titled with the label's text, following it.
QGroupBox* BindGroup(TLabel& caption, QWidget* parent);

// A menu (or submenu) titled with the item's caption, following its caption, enabled and
// visible state.
QMenu* BindMenu(TMenuItem& item, QWidget* parent);

// The button row of the date dialogs: "Now" on the left, OK (the default) and Cancel on the right.
QHBoxLayout* NowOkCancelRow(TButton& now, TButton& ok, TButton& cancel, QWidget* parent);

// Room as wide as the window's title in the title bar, so that the desktop does not shorten
// the title of a small dialog: add it to the dialog's top-level layout.
QSpacerItem* TitleRoom(const QWidget* window);
