#pragma once
#include "basics/Integer.h"

#include <optional>

class QMouseEvent;
class QObject;

namespace tk {

// Mouse button values as the handlers see them; a move reports the sum of
// the buttons held.
inline constexpr Integer LeftButton = 1;
inline constexpr Integer RightButton = 2;
inline constexpr Integer MiddleButton = 4;

// What a pointer handler receives: X and Y in twips from the control's
// top-left corner.
struct Mouse {
    Integer Button = 0;
    Integer Shift = 0;
    float X = 0;
    float Y = 0;
};

// Qt's mouse event on receiver as the handlers see it, in twips at the
// window's zoom. A press or release names the one button concerned, and is
// not the game's at all (empty) for any button beyond the left, right and
// middle ones; a move reports the set of those three held.
std::optional<Mouse> pressArgs(const QObject* receiver, const QMouseEvent* e);
Mouse moveArgs(const QObject* receiver, const QMouseEvent* e);

} // namespace tk
