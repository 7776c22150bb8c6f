#pragma once

// The game's numbers, named once.
namespace game {

inline constexpr int PaletteColours = 16;  // colours 0..15
inline constexpr int Tries = 10;

// Colours in play and positions of the code, with the counts the first game starts with.
inline constexpr int FewestColours = 6, MostColours = 16, FirstColours = 6;
inline constexpr int FewestPositions = 3, MostPositions = 7, FirstPositions = 4;

// What an empty slot holds: never a colour.
inline constexpr int NoColour = -1;

} // namespace game
