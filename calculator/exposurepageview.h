#pragma once

class QWidget;
class TFrmMain;

// The "S+L=A+T and EV Exposure" page.
QWidget* createExposurePage(TFrmMain& form, QWidget* parent);
