#pragma once
// Whether a view shows every control of its window.

#include "controls/controllist.h"

#include <QStringList>

class QObject;

// The controls that `view` has no object for: none of the control's name, or only ones of
// another kind than the control shows as (a label as a label or a group's title, a menu item
// as an action or a menu, ...). One line a fault, naming the control.
QStringList UnboundControls(const TControlList& controls, const QObject& view);
