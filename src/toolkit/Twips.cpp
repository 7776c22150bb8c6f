#include "Twips.h"

#include <cmath>

namespace tk {

int toPixels(float twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

float toTwips(qreal pixels)
{
    return static_cast<float>(pixels * TwipsPerPixel);
}

QRect toPixelRect(float left, float top, float width, float height)
{
    return {toPixels(left), toPixels(top), std::max(0, toPixels(width)), std::max(0, toPixels(height))};
}

} // namespace tk
