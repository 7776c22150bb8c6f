#pragma once
#include <cstdint>

namespace tk {

// The game's whole-number type: counts, indices and window-level variables
// are 16-bit signed, and their arithmetic wraps as such.
using Integer = std::int16_t;

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

} // namespace tk
