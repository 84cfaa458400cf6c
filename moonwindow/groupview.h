#pragma once
// Group boxes and menus whose captions are held by logic controls.

class QGroupBox;
class QMenu;
class QWidget;
class TLabel;
class TMenuItem;

// A group box titled with the label's text, following it.
QGroupBox* BindGroup(TLabel& caption, const char* name, QWidget* parent);

// A menu (or submenu) titled with the item's caption, following its caption, enabled and
// visible state.
QMenu* BindMenu(TMenuItem& item, const char* name, QWidget* parent);
