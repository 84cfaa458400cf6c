#include "calculator/backdrop_shade.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int HlsMax = 240;
constexpr int RgbMax = 255;
// Hue given to greys, whose hue is undefined.
constexpr int UndefinedHue = HlsMax * 2 / 3;
constexpr int LuminancePerStop = 22;

int hueToRgb(int n1, int n2, int hue)
{
    if (hue < 0)
        hue += HlsMax;
    if (hue > HlsMax)
        hue -= HlsMax;
    if (hue < HlsMax / 6)
        return n1 + ((n2 - n1) * hue + HlsMax / 12) / (HlsMax / 6);
    if (hue < HlsMax / 2)
        return n2;
    if (hue < HlsMax * 2 / 3)
        return n1 + ((n2 - n1) * (HlsMax * 2 / 3 - hue) + HlsMax / 12) / (HlsMax / 6);
    return n1;
}

int channel(int value) { return std::clamp(value, 0, RgbMax); }

}  // namespace

THls RgbToHls(const QColor& color)
{
    const int r = color.red(), g = color.green(), b = color.blue();
    const int cMax = std::max({r, g, b});
    const int cMin = std::min({r, g, b});
    THls hls{UndefinedHue, ((cMax + cMin) * HlsMax + RgbMax) / (2 * RgbMax), 0};
    if (cMax == cMin)
        return hls;
    const int spread = cMax - cMin;
    if (hls.luminance <= HlsMax / 2)
        hls.saturation = (spread * HlsMax + (cMax + cMin) / 2) / (cMax + cMin);
    else
        hls.saturation = (spread * HlsMax + (2 * RgbMax - cMax - cMin) / 2) / (2 * RgbMax - cMax - cMin);
    const int rDelta = ((cMax - r) * (HlsMax / 6) + spread / 2) / spread;
    const int gDelta = ((cMax - g) * (HlsMax / 6) + spread / 2) / spread;
    const int bDelta = ((cMax - b) * (HlsMax / 6) + spread / 2) / spread;
    if (r == cMax)
        hls.hue = bDelta - gDelta;
    else if (g == cMax)
        hls.hue = HlsMax / 3 + rDelta - bDelta;
    else
        hls.hue = HlsMax * 2 / 3 + gDelta - rDelta;
    if (hls.hue < 0)
        hls.hue += HlsMax;
    if (hls.hue > HlsMax)
        hls.hue -= HlsMax;
    return hls;
}

QColor HlsToRgb(const THls& hls)
{
    const int lum = hls.luminance, sat = hls.saturation;
    if (sat == 0) {
        const int grey = channel(lum * RgbMax / HlsMax);
        return QColor(grey, grey, grey);
    }
    const int magic2 = lum <= HlsMax / 2 ? (lum * (HlsMax + sat) + HlsMax / 2) / HlsMax
                                         : lum + sat - (lum * sat + HlsMax / 2) / HlsMax;
    const int magic1 = 2 * lum - magic2;
    const auto scaled = [&](int hue) {
        return channel((hueToRgb(magic1, magic2, hue) * RgbMax + HlsMax / 2) / HlsMax);
    };
    return QColor(scaled(hls.hue + HlsMax / 3), scaled(hls.hue), scaled(hls.hue - HlsMax / 3));
}

QColor BackdropShade(const QColor& background, double exposure)
{
    const int shift = int(std::trunc(LuminancePerStop * exposure));
    THls hls = RgbToHls(background);
    if (hls.luminance + shift <= 0)
        return QColor(0, 0, 0);
    hls.luminance += shift;
    return HlsToRgb(hls);
}
