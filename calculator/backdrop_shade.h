#pragma once
// Hue, luminance and saturation on the 0..240 scale of the Windows colour dialog, and the
// shade of a backdrop lit a number of stops above or below the subject.

#include <QColor>

struct THls {
    int hue;
    int luminance;
    int saturation;
};

// The integer RGB -> HLS conversion with HLSMAX 240 and RGBMAX 255 (Microsoft KB Q29240).
THls RgbToHls(const QColor& color);
// The inverse conversion; channels beyond 0..255 are limited to that range, so a luminance
// above 240 drives the colour towards white.
QColor HlsToRgb(const THls& hls);
// The backdrop colour for a background `exposure` stops from the subject: 22 luminance units a
// stop, black once the luminance would reach zero.
QColor BackdropShade(const QColor& background, double exposure);
