#include "Placement.h"

#include "Numbers.h"

#include <algorithm>

namespace game {

bool holds(Try row, int colour)
{
    return std::find(row.begin(), row.end(), colour) != row.end();
}

int lowestEmpty(Try row)
{
    const auto it = std::find(row.begin(), row.end(), NoColour);
    return it == row.end() ? -1 : int(it - row.begin());
}

Placement placeColour(Try row, int position, int colour)
{
    if (position < 0 || position >= int(row.size()))
        return Placement::OutsideTry;
    return holds(row, colour) ? Placement::AlreadyThere : Placement::Placed;
}

int doubleClickTarget(Try row, int colour)
{
    const int empty = lowestEmpty(row);
    return empty < 0 || holds(row, colour) ? -1 : empty;
}

SlotDrop dropSlotColour(Try row, int from, int to, int colour)
{
    if (to < 0 || to >= int(row.size()))
        return SlotDrop::Refused;
    for (int j = 0; j < int(row.size()); ++j)
        if (row[std::size_t(j)] == colour && j != from)
            return SlotDrop::Refused;
    if (from == to)
        return SlotDrop::Kept;
    return from >= 0 ? SlotDrop::Moved : SlotDrop::Copied;
}

} // namespace game
