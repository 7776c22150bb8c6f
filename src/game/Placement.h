#pragma once
#include <span>

// How colours get into the current try, which never holds a colour twice.
// A try is its colours by position, game::NoColour where a slot is empty.
// Positions are counted from the try's first slot: one before it (< 0)
// belongs to an earlier try.
namespace game {

using Try = std::span<const int>;

bool holds(Try row, int colour);
// The lowest empty position, or -1 when the try is full.
int lowestEmpty(Try row);

enum class Placement {
    OutsideTry,   // the slot is not one of the current try: nothing at all
    AlreadyThere, // the try holds the colour already: refused, but the game has begun
    Placed,       // the slot takes the colour, whatever it held
};
// A palette colour put into a slot (0 <= position < row.size() for a slot of the try).
Placement placeColour(Try row, int position, int colour);

// Where a double-click puts a colour: the lowest empty position, or -1 when
// the try is full or holds the colour. An empty source (NoColour) matches
// the empty slot it would fill, so it goes nowhere.
int doubleClickTarget(Try row, int colour);

enum class SlotDrop {
    Refused,  // the source shows its colour again, at its picture's size
    Kept,     // dropped on itself: it shows its colour again, at the slot size
    Moved,    // the target takes the colour; the source is emptied
    Copied,   // the target takes the colour; the source, of an earlier try, keeps it
};
// A slot's colour dropped on position `to` (< 0: not on the current try);
// `from` is the source's position, `colour` what it holds.
SlotDrop dropSlotColour(Try row, int from, int to, int colour);

} // namespace game
