#include "Twips.h"

#include <cmath>

namespace tk {

int toPixels(float twips, qreal scale)
{
    return static_cast<int>(std::lround(twips * scale / TwipsPerPixel));
}

float toTwips(qreal pixels, qreal scale)
{
    return static_cast<float>(pixels * TwipsPerPixel / scale);
}

QRect toPixelRect(float left, float top, float width, float height, qreal scale)
{
    // Edges are rounded, not sizes, so that controls laid edge to edge stay
    // edge to edge at any zoom.
    const int x = toPixels(left, scale), y = toPixels(top, scale);
    return {x, y, std::max(0, toPixels(left + width, scale) - x), std::max(0, toPixels(top + height, scale) - y)};
}

} // namespace tk
