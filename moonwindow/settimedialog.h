#pragma once
// A dialog that sets the almanac's instant: the caller writes the universal time shown now
// into FValue, shows the dialog modally and, on OK, reads the edited universal time back.

#include "astro/types.h"
#include "controls/button.h"
#include "controls/window.h"

#include <QCoreApplication>

class TSetTimeDialog : public TWindow {
public:
    using TWindow::TWindow;

    // Universal time being edited (TDateTime).
    astro::TDateTime FValue = 0;

    // "Now" sets the current time; OK takes the edited value, Cancel leaves it.
    CONTROL(TButton, btn_now, QStringLiteral("&Now"));
    // The platform's own words for OK and Cancel, as Qt's dialogs show them.
    CONTROL(TButton, btn_ok, QCoreApplication::translate("QPlatformTheme", "OK"));
    CONTROL(TButton, btn_cancel, QCoreApplication::translate("QPlatformTheme", "Cancel"));
};
