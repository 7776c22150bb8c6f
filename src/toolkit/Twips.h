#pragma once
#include <QRect>

// The only place where twips meet pixels. Game code keeps every position in
// twips; widgets are placed in Qt's logical pixels through these functions.
namespace tk {

inline constexpr float TwipsPerPixel = 15.0f;

// Nearest whole pixel, halves away from zero, as the designer snapped them.
int toPixels(float twips);
float toTwips(qreal pixels);
QRect toPixelRect(float left, float top, float width, float height);

} // namespace tk
