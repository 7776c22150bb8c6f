#include "Colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace tk {

namespace {
QPalette::ColorRole roleOf(Colour c)
{
    switch (c) {
    case WindowText: return QPalette::WindowText;
    case ButtonShadow: return QPalette::Dark;
    case ButtonText: return QPalette::ButtonText;
    case Highlight3D: return QPalette::Light;
    default: return QPalette::Button;
    }
}
} // namespace

QColor toQColor(Colour c)
{
    if (isSystemColour(c))
        return QGuiApplication::palette().color(roleOf(c));
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

} // namespace tk
