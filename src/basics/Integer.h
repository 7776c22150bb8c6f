#pragma once
#include <cstdint>

// The game's whole-number type: counts, indices and window-level variables
// are 16-bit signed, and their arithmetic wraps as such.
using Integer = std::int16_t;
