#pragma once
#include "toolkit/Random.h"
#include "toolkit/Types.h"

#include <array>
#include <functional>

using Order = std::array<tk::Integer, 16>;
using Clock = std::function<double()>;

// Nearest whole number, a half going to the even neighbour.
tk::Integer roundHalfEven(float x);

// 101 exchanges of two places of the palette order, each place drawn after
// seeding from the clock, so places 0 and 15 come up half as often.
void shufflePaletteOrder(Order& order, tk::Random& rng, const Clock& clock);

// n + 1 exchanges over places 0..n: place i with a place drawn uniformly from
// 0..n. Seeds once from the clock.
void shuffleCodeColours(Order& colours, tk::Integer n, tk::Random& rng, const Clock& clock);
