#pragma once
#include <QRect>

// The only place where twips meet pixels. Game code keeps every position in
// twips; widgets are placed in Qt's logical pixels through these functions.
// scale is the window's zoom: logical pixels per designed pixel, 1 at the
// size the windows were designed for.
namespace tk {

inline constexpr float TwipsPerPixel = 15.0f;

// Nearest whole pixel, halves away from zero, as the designer snapped them.
int toPixels(float twips, qreal scale = 1.0);
float toTwips(qreal pixels, qreal scale = 1.0);
QRect toPixelRect(float left, float top, float width, float height, qreal scale = 1.0);

} // namespace tk
