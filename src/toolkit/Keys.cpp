#include "Keys.h"

#include <QKeyEvent>

namespace tk {

Integer keyCodeOf(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyReturn;
    case Qt::Key_Escape: return KeyEscape;
    case Qt::Key_Space: return KeySpace;
    case Qt::Key_Left: return KeyLeft;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Right: return KeyRight;
    case Qt::Key_Down: return KeyDown;
    case Qt::Key_Plus: return KeyAdd;
    case Qt::Key_Minus: return KeySubtract;
    default: break;
    }
    if (e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return Integer(e->key());  // Qt's letter codes are the capitals'
    return 0;
}

Integer shiftOf(Qt::KeyboardModifiers m)
{
    Integer v = 0;
    if (m & Qt::ShiftModifier) v |= 1;
    if (m & Qt::ControlModifier) v |= 2;
    if (m & Qt::AltModifier) v |= 4;
    return v;
}

} // namespace tk
