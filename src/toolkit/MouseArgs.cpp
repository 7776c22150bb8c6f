#include "MouseArgs.h"
#include "Twips.h"

#include <QMouseEvent>

namespace tk {

namespace {
Integer buttonsOf(Qt::MouseButtons b)
{
    Integer v = 0;
    if (b & Qt::LeftButton) v |= LeftButton;
    if (b & Qt::RightButton) v |= RightButton;
    if (b & Qt::MiddleButton) v |= MiddleButton;
    return v;
}

Integer shiftOf(Qt::KeyboardModifiers m)
{
    Integer v = 0;
    if (m & Qt::ShiftModifier) v |= 1;
    if (m & Qt::ControlModifier) v |= 2;
    if (m & Qt::AltModifier) v |= 4;
    return v;
}

Mouse argsOf(const QMouseEvent* e, Integer button)
{
    const QPointF p = e->position();
    return {button, shiftOf(e->modifiers()), toTwips(p.x()), toTwips(p.y())};
}
} // namespace

Mouse pressArgs(const QMouseEvent* e)
{
    return argsOf(e, buttonsOf(e->button()));
}

Mouse moveArgs(const QMouseEvent* e)
{
    return argsOf(e, buttonsOf(e->buttons()));
}

} // namespace tk
