#include "MouseArgs.h"
#include "Keys.h"
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

Mouse argsOf(const QObject* receiver, const QMouseEvent* e, Integer button)
{
    const QPointF p = e->position();
    const qreal scale = scaleOf(qobject_cast<const QWidget*>(receiver));
    return {button, shiftOf(e->modifiers()), toTwips(p.x(), scale), toTwips(p.y(), scale)};
}
} // namespace

std::optional<Mouse> pressArgs(const QObject* receiver, const QMouseEvent* e)
{
    // Back and forward thumb buttons have no number: the game never hears of them.
    const Integer button = buttonsOf(e->button());
    if (button == 0)
        return std::nullopt;
    return argsOf(receiver, e, button);
}

Mouse moveArgs(const QObject* receiver, const QMouseEvent* e)
{
    return argsOf(receiver, e, buttonsOf(e->buttons()));
}

} // namespace tk
