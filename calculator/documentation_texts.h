#pragma once
// The read-only documentation texts of the calculator's pages.

extern const char* const ZoneSystemText;
extern const char* const HelpText;
extern const char* const ContactText;
