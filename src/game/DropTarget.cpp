#include "DropTarget.h"

namespace game {

int dropTarget(std::span<const Box> slots, float x, float y)
{
    for (std::size_t k = 0; k < slots.size(); ++k) {
        const Box& b = slots[k];
        if (b.left < x && x < b.left + b.width && b.top < y && y < b.top + b.height)
            return int(k);
    }
    return -1;
}

} // namespace game
