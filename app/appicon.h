#pragma once
// The application's icon: the moon of the program's own artwork, drawn by tools/gen_app_icon.py
// in each size of the desktop's icon theme and stored in the resources.

#include <QIcon>
#include <QString>
#include <array>

// Pixel sizes the icon is drawn in; the build installs each into the hicolor icon theme.
inline constexpr std::array<int, 7> ApplicationIconSizes = {16, 24, 32, 48, 64, 128, 256};

// The resource path of the icon drawn for `size` pixels.
QString ApplicationIconResource(int size);

// All sizes in one icon, for the calculator's window. Needs the application object.
QIcon ApplicationIcon();
