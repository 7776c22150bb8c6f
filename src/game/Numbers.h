#pragma once
#include <QString>

// The game's numbers, named once.
namespace game {

inline constexpr int PaletteColours = 16;  // Picture1(0..15)
inline constexpr int CodePegs = 8;         // answer(0..7)
inline constexpr int Tries = 10;           // NoCorCol(0..9), NoCorpos(0..9)

// Colours in play and positions of the code, with the counts a new window starts with.
inline constexpr int FewestColours = 6, MostColours = 16, FirstColours = 6;
inline constexpr int FewestPositions = 3, MostPositions = 7, FirstPositions = 4;

// Slots and palette colours are laid out this size, edge to edge, and each
// new row of slots this far below the one above; in twips.
inline constexpr float SlotSize = 360;
inline constexpr float RowPitch = 360;

// What a slot holds: a colour index 0..15, or nothing.
inline constexpr int NoColour = -1;
// The Tag of an empty slot; a filled one carries its colour blank-led (" 7").
inline const QString EmptyTag = QStringLiteral("-1");
inline bool isEmptyTag(const QString& tag) { return tag == EmptyTag; }

} // namespace game
