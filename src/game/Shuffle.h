#pragma once
#include "basics/Integer.h"
#include "basics/Random.h"
#include "Numbers.h"

#include <array>

namespace game {

using Order = std::array<Integer, PaletteColours>;

// 101 exchanges of two places of the palette order, each place drawn after
// seeding from the clock and rounded half to even, so places 0 and 15 come
// up half as often as the others.
void shufflePaletteOrder(Order& order, Random& rng, const Clock& clock);

// n + 1 exchanges over places 0..n: place i with a place drawn uniformly from
// 0..n. Seeds once from the clock.
void shuffleCodeColours(Order& colours, Integer n, Random& rng, const Clock& clock);

} // namespace game
