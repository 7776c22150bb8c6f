#include "Sizes.h"
#include "Numbers.h"

#include <algorithm>

namespace game {

namespace {
int stepped(int n, Step step)
{
    return step == Step::Up ? n + 1 : step == Step::Down ? n - 1 : n;
}
} // namespace

int coloursAfter(int colours, Step step, int positions)
{
    return std::clamp(stepped(colours, step), std::max(FewestColours, positions), MostColours);
}

int positionsAfter(int positions, Step step, int colours)
{
    return std::clamp(stepped(positions, step), FewestPositions, std::min(MostPositions, colours));
}

} // namespace game
