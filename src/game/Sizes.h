#pragma once

// The selectors' rules: each raises or lowers its count by one within its
// limits, and the positions never outnumber the colours in play, so that
// every code can be found.
namespace game {

enum class Step { Up, Down, None };

int coloursAfter(int colours, Step step, int positions);
int positionsAfter(int positions, Step step, int colours);

} // namespace game
