#pragma once
// The choices a moon picture offers: its size, its artwork and its orientation.

#include <cstdint>

enum TMoonSize : std::uint8_t { ms64, ms32, ms16 };

enum TMoonStyle : std::uint8_t { msClassic, msColor };

// Quarter turns: rot_90 is counter-clockwise, rot_270 clockwise.
enum TRotate : std::uint8_t { rot_none, rot_90, rot_180, rot_270 };

// A picture never aligns itself to its parent; alNone is its only alignment.
enum TAlign : std::uint8_t { alNone };
