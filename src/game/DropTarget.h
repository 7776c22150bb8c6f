#pragma once
#include <span>

namespace game {

// A slot's place on the board, in twips.
struct Box {
    float left, top, width, height;
};

// The first slot whose box holds the drop point strictly inside (a point on
// an edge hits nothing), or -1. Where boxes overlap the lower index wins.
int dropTarget(std::span<const Box> slots, float x, float y);

} // namespace game
