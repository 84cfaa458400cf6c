#pragma once
// The read-only documentation texts of the exposure, macro and astrophotography pages.

extern const char* const ExposureValueText;
extern const char* const MacroText;
extern const char* const AstroText;
