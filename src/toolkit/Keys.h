#pragma once
#include "basics/Integer.h"

#include <Qt>

class QKeyEvent;

namespace tk {

// Key codes as the key handlers see them (a letter is its capital's code);
// a handler sets KeyCode to 0 to swallow the key.
inline constexpr Integer KeyReturn = 13;  // Return and Enter, on either keyboard
inline constexpr Integer KeyEscape = 27;
inline constexpr Integer KeySpace = 32;
inline constexpr Integer KeyLeft = 37;
inline constexpr Integer KeyUp = 38;
inline constexpr Integer KeyRight = 39;
inline constexpr Integer KeyDown = 40;
inline constexpr Integer KeyAdd = 107;       // + on either keyboard
inline constexpr Integer KeySubtract = 109;  // - on either keyboard

// 0 for a key no handler takes notice of.
Integer keyCodeOf(const QKeyEvent* e);
// Shift, Ctrl and Alt as 1, 2 and 4, for keys and the mouse alike.
Integer shiftOf(Qt::KeyboardModifiers m);

} // namespace tk
