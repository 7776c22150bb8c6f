#pragma once
#include <optional>

class QMouseEvent;
class QWidget;

namespace tk {

// The mouse buttons the game tells apart; a move reports those held, summed.
enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// A pointer event as a control's handlers see it: x and y in twips from the
// control's top-left corner, at its window's zoom.
struct Pointer {
    int button = 0;
    float x = 0, y = 0;
};

// A press or release names the one button concerned, and is not the game's
// at all (empty) for a button beyond those three; a move names those held.
std::optional<Pointer> pressOrRelease(const QWidget* receiver, const QMouseEvent* e);
Pointer movement(const QWidget* receiver, const QMouseEvent* e);

} // namespace tk
