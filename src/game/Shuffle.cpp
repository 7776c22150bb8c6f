#include "Shuffle.h"

#include <algorithm>
#include <cmath>
#include <utility>

tk::Integer roundHalfEven(float x)
{
    return tk::Integer(std::nearbyint(x));  // the default rounding mode is to nearest-even
}

void shufflePaletteOrder(Order& order, tk::Random& rng, const Clock& clock)
{
    for (int exchange = 0; exchange < 101; ++exchange) {
        rng.randomize(clock());
        const float a = rng.rnd() * 15.0f;
        rng.randomize(clock());
        const float b = rng.rnd() * 15.0f;
        std::swap(order[std::size_t(roundHalfEven(a))], order[std::size_t(roundHalfEven(b))]);
    }
}

void shuffleCodeColours(Order& colours, tk::Integer n, tk::Random& rng, const Clock& clock)
{
    rng.randomize(clock());
    const float span = float(n + 1);
    for (tk::Integer i = 0; i <= n; ++i) {
        const auto r = std::size_t(std::min<float>(std::floor(rng.rnd() * span), float(n)));
        std::swap(colours[r], colours[std::size_t(i)]);
    }
}
