#pragma once

class QWidget;
class TFrmMain;

// The first page: camera format, lens and depth of field above the studio lighting plan.
QWidget* createDofPage(TFrmMain& form, QWidget* parent);
