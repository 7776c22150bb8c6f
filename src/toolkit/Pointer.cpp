#include "Pointer.h"
#include "Placed.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QWidget>

namespace tk {

namespace {
int buttonsOf(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? LeftButton : 0) | (b & Qt::RightButton ? RightButton : 0)
           | (b & Qt::MiddleButton ? MiddleButton : 0);
}

Pointer at(const QWidget* receiver, const QMouseEvent* e, int button)
{
    const QPointF p = e->position();
    const qreal scale = scaleOf(receiver);
    return {button, toTwips(p.x(), scale), toTwips(p.y(), scale)};
}
} // namespace

std::optional<Pointer> pressOrRelease(const QWidget* receiver, const QMouseEvent* e)
{
    // Back and forward thumb buttons: the game never hears of them.
    const int button = buttonsOf(e->button());
    if (button == 0)
        return std::nullopt;
    return at(receiver, e, button);
}

Pointer movement(const QWidget* receiver, const QMouseEvent* e)
{
    return at(receiver, e, buttonsOf(e->buttons()));
}

} // namespace tk
