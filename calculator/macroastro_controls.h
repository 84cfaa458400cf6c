#pragma once
// The macro and astrophotography pages.

struct TMacroAstroControls {
};
