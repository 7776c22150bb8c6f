#pragma once
#include "Types.h"

class QMouseEvent;

namespace tk {

// Qt's mouse event as the handlers see it. A press or release names the one
// button concerned, a move the set of buttons held.
Mouse pressArgs(const QMouseEvent* e);
Mouse moveArgs(const QMouseEvent* e);

} // namespace tk
