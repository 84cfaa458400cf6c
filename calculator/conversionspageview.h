#pragma once

class QWidget;
class TFrmMain;

// The "Conversions" page: colour-temperature filters, guide-number conversion, flash distance.
QWidget* createConversionsPage(TFrmMain& form, QWidget* parent);
