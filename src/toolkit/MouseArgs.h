#pragma once
#include "Types.h"

class QMouseEvent;
class QObject;

namespace tk {

// Qt's mouse event on receiver as the handlers see it, in twips at the
// window's zoom. A press or release names the one button concerned, a move
// the set of buttons held.
Mouse pressArgs(const QObject* receiver, const QMouseEvent* e);
Mouse moveArgs(const QObject* receiver, const QMouseEvent* e);

} // namespace tk
