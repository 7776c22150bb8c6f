#pragma once
#include "basics/Integer.h"
#include "Numbers.h"

#include <array>

// The window-level variables of the game board. Sizes are held as their last
// index (count - 1); every loop runs from 0 to that index inclusive.
struct GameState {
    Integer DragOffsetX = 0;   // grab point in whole twips; 0 while no drag
    Integer DragOffsetY = 0;
    Integer CurrentTry = 0;    // 0 <= CurrentTry <= MaxTry
    Integer MaxColour = 0;     // colours in play - 1, 5..15
    Integer MaxPosition = 0;   // positions - 1, 2..6
    Integer MaxTry = 0;        // tries - 1, always 9
    Integer FlagYes = 0;
    Integer FlagNo = 0;
    Integer GameOver = 0;      // FlagNo while a game is in progress
    Integer SoundOn = 0;       // never on: the game plays no sound
    std::array<Integer, game::PaletteColours> ColourOrder{};  // palette index shown at place k
    std::array<Integer, game::PaletteColours> CodeColours{};  // 0..MaxPosition: the secret code
    Integer RowFirst = 0;      // first slot of the current try
    Integer RowLast = 0;       // last slot; RowLast - RowFirst == MaxPosition

    Integer positions() const { return Integer(MaxPosition + 1); }
};
