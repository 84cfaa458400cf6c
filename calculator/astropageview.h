#pragma once

class QWidget;
class TFrmMain;

// The "&Astrophotography" page: telescope and camera combinations, image size and angles.
QWidget* createAstroPage(TFrmMain& form, QWidget* parent);
