#pragma once
// A dialog that sets the almanac's instant: the caller writes the universal time shown now
// into FValue, shows the dialog modally and, on OK, reads the edited universal time back.

#include "astro/types.h"
#include "controls/window.h"

class TSetTimeDialog : public TWindow {
public:
    using TWindow::TWindow;

    // Universal time being edited (TDateTime).
    astro::TDateTime FValue = 0;
};
