#include "controls/printscale.h"

#include <algorithm>

namespace {

constexpr double ScreenPixelsPerInch = 96;

}  // namespace

double PrintScale(const QSize& image, const QSize& printable, double dotsPerInch)
{
    double scale = dotsPerInch / ScreenPixelsPerInch;
    if (image.width() > 0)
        scale = std::min(scale, double(printable.width()) / image.width());
    if (image.height() > 0)
        scale = std::min(scale, double(printable.height()) / image.height());
    return scale;
}
