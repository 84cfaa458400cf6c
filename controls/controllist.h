#pragma once
// Controls whose names are written once: CONTROL declares the member, names the control after
// it and enters it in its owner's list, so that a view and its tests find every control by the
// name the logic knows it by.

#include "controls/control.h"

#include <vector>

// Controls in the order they are declared.
using TControlList = std::vector<TControl*>;

// A window, or a part of one, that declares controls with CONTROL.
class TControlOwner {
public:
    const TControlList& controls() const { return FControls; }

protected:
    TControlList FControls;
};

// Names a control and lists it; holds nothing itself.
class TControlName {
public:
    TControlName(TControl& control, const char* name, TControlList& owner)
    {
        control.FName = name;
        owner.push_back(&control);
    }
};

// CONTROL(TLabel, lblHyperfocal, "N/A") declares `TLabel lblHyperfocal{"N/A"}` named
// "lblHyperfocal" (with no arguments, a plain `TLabel lblHyperfocal;`). The owner's FControls
// must be declared before it.
#define CONTROL(Type, member, ...)                                                                                     \
    Type member __VA_OPT__({__VA_ARGS__});                                                                             \
    [[no_unique_address]] TControlName member##Named { member, #member, FControls }
