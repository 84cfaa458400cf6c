#pragma once
// What a user would see cut off in a shown window, measured with the fonts the window really
// uses: texts wider or taller than their widgets (labels, buttons, check boxes, radio buttons,
// group box titles, every item of a combo box, line edit contents, tab captions), widgets
// outside their parent's visible area, texts that run into a neighbour placed by hand, and
// scroll boxes that need scrolling. Each fault is one line naming the widget.

#include <QStringList>

class QWidget;

QStringList ClippedTexts(QWidget* window);
