#pragma once
#include "Numbers.h"
#include "Random.h"

#include <array>

namespace game {

// Colours in an order: the palette's, or a working copy of it.
using Order = std::array<int, PaletteColours>;

// 101 exchanges of two places of the palette order, each place drawn after
// seeding from the clock and rounded half to even, so places 0 and 15 come
// up half as often as the others.
void shufflePaletteOrder(Order& order, Random& random, const Clock& clock);

// n + 1 exchanges over places 0..n: place i with a place drawn uniformly from
// 0..n. Seeds once from the clock.
void shuffleCodeColours(Order& colours, int n, Random& random, const Clock& clock);

} // namespace game
