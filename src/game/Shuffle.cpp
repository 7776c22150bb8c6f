#include "Shuffle.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace game {

void shufflePaletteOrder(Order& order, Random& random, const Clock& clock)
{
    constexpr float LastPlace = PaletteColours - 1;
    // Nearest place, a half going to the even neighbour (the default rounding mode).
    const auto place = [](float x) { return std::size_t(std::nearbyint(x)); };
    for (int exchange = 0; exchange < 101; ++exchange) {
        random.randomize(clock());
        const float a = random.rnd() * LastPlace;
        random.randomize(clock());
        const float b = random.rnd() * LastPlace;
        std::swap(order[place(a)], order[place(b)]);
    }
}

void shuffleCodeColours(Order& colours, int n, Random& random, const Clock& clock)
{
    random.randomize(clock());
    const float span = float(n + 1);
    for (int i = 0; i <= n; ++i) {
        const auto r = std::size_t(std::min<float>(std::floor(random.rnd() * span), float(n)));
        std::swap(colours[r], colours[std::size_t(i)]);
    }
}

} // namespace game
