#pragma once

class QWidget;
class TFrmMain;

// The "Macro" page: magnification and extension compensation.
QWidget* createMacroPage(TFrmMain& form, QWidget* parent);
