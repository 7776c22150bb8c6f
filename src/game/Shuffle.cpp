#include "Shuffle.h"

#include "basics/Rounding.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace game {

void shufflePaletteOrder(Order& order, Random& rng, const Clock& clock)
{
    constexpr float LastPlace = PaletteColours - 1;
    for (int exchange = 0; exchange < 101; ++exchange) {
        rng.randomize(clock());
        const float a = rng.rnd() * LastPlace;
        rng.randomize(clock());
        const float b = rng.rnd() * LastPlace;
        std::swap(order[std::size_t(roundHalfEven(a))], order[std::size_t(roundHalfEven(b))]);
    }
}

void shuffleCodeColours(Order& colours, Integer n, Random& rng, const Clock& clock)
{
    rng.randomize(clock());
    const float span = float(n + 1);
    for (Integer i = 0; i <= n; ++i) {
        const auto r = std::size_t(std::min<float>(std::floor(rng.rnd() * span), float(n)));
        std::swap(colours[r], colours[std::size_t(i)]);
    }
}

} // namespace game
