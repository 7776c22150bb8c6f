#include "MouseArgs.h"
#include "Placed.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QWidget>

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

Mouse argsOf(const QObject* receiver, const QMouseEvent* e, Integer button)
{
    const QPointF p = e->position();
    const qreal scale = scaleOf(qobject_cast<const QWidget*>(receiver));
    return {button, shiftOf(e->modifiers()), toTwips(p.x(), scale), toTwips(p.y(), scale)};
}
} // namespace

Mouse pressArgs(const QObject* receiver, const QMouseEvent* e)
{
    return argsOf(receiver, e, buttonsOf(e->button()));
}

Mouse moveArgs(const QObject* receiver, const QMouseEvent* e)
{
    return argsOf(receiver, e, buttonsOf(e->buttons()));
}

} // namespace tk
