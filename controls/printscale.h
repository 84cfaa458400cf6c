#pragma once
// How large a window image is printed.

#include <QSize>

// A window image has 96 pixels per inch. On a printer of dotsPerInch it prints at that size,
// or, where that would not fit the printable area (in printer dots), as large as fits with its
// proportions kept.
double PrintScale(const QSize& image, const QSize& printable, double dotsPerInch);
