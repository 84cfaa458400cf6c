#pragma once
// A dialog that sets the almanac's instant: the caller writes the universal time shown now
// into FValue, shows the dialog modally and, on OK, reads the edited universal time back.

#include "astro/types.h"
#include "controls/button.h"
#include "controls/window.h"

class TSetTimeDialog : public TWindow {
public:
    using TWindow::TWindow;

    // Universal time being edited (TDateTime).
    astro::TDateTime FValue = 0;

    // "Now" sets the current time; OK takes the edited value, Cancel leaves it.
    CONTROL(TButton, btn_now, QStringLiteral("&Now"));
    CONTROL(TButton, btn_ok, QStringLiteral("OK"));
    CONTROL(TButton, btn_cancel, QStringLiteral("Cancel"));
};
