#pragma once

class QImage;
struct TMoonGeometry;

// Paints the unlit part of the disc black, row by row, with the terminator as half an ellipse.
// phaseAngle: degrees in [0, 360): 0 at full moon, below 180 while waxing (shadow on the left),
//             180 and above while waning (shadow on the right).
// landingDot: paint the landing site pure red first, so that the shadow covers it when the
//             site is dark.
// Rows whose pixels fall outside the canvas are clipped; a null canvas is left alone.
void DrawMoonShadow(QImage& canvas, const TMoonGeometry& geometry, double phaseAngle, bool landingDot);
