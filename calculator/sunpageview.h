#pragma once

class QWidget;
class TFrmMain;

// The "Sun, Moon, and model comfort" page: the almanac the moon window and the More Data window
// write, the compass with the sun's bearing, and the model-comfort group.
QWidget* createSunPage(TFrmMain& form, QWidget* parent);
