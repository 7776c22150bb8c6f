#pragma once
#include "Numbers.h"
#include "Scoring.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The deduction aid: what the scores seen so far leave possible, whether a
// try could still be the code, and which try to play next. Plain functions
// of what the game has shown, safe to call from any thread at once.
namespace game {

// A scored try as the deduction reads it.
struct Clue {
    std::vector<int> colours;  // palette colours by position: distinct, all in play
    Score score;
};

// What the game has shown the player so far.
struct History {
    std::vector<int> inPlay;  // the palette colours in play (6..16 distinct indices of 0..15), in palette order
    int positions = FirstPositions;  // 3..7, never more than inPlay.size()
    std::vector<Clue> clues;  // the scored tries, first to last (0 to 10 of them)
};

// How many codes (distinct colours in play, one per position) would have
// given every score seen. A history outside the limits above fits no code.
std::uint64_t possibleCodes(const History& history);

// What all the possible codes have in common; masks have bit c for palette colour c.
// When no code fits, no colour is in the code, every colour in play is out
// of it and no position can hold any.
struct Knowledge {
    std::uint64_t possible = 0;
    std::uint16_t inCode = 0;     // colours in play that every possible code holds
    std::uint16_t notInCode = 0;  // colours in play that no possible code holds
    std::array<std::uint16_t, MostPositions> canBe{};  // per position 0..positions-1: the colours some possible code has there
};
Knowledge deduce(const History& history);

// Whether a try, complete or partly placed (NoColour where a slot is empty),
// could still be the code.
struct Verdict {
    bool possible = true;  // some possible code agrees with every colour placed
    int clue = -1;         // if not: the first scored try that, with the ones before it, rules the try out
                           // (-1 when no scored try is needed: a colour twice, or one not in play)
    Score scored;          // what that scored try scored
    Score least, most;     // the counts that scored try would have got if this try were the code: exact
                           // (least == most) for a complete try; for a partial one the smallest and largest
                           // over every completion with distinct colours in play. When `scored` lies outside
                           // least..most, that scored try alone rules the try out.
    bool alone = false;    // that scored try rules it out by itself, without the ones before it: always so
                           // when `scored` lies outside least..most, but also when both counts lie inside
                           // and no single completion gives both (a colour placed out of its place can
                           // leave too few new colours for the positions scored)
};
Verdict judge(const History& history, std::span<const int> tryColours);

// The try advised next: `positions` distinct colours in play, the same for
// the same history (no clock, no shared random state). It may be a try that
// cannot itself be the code when that tells more (judge() says so).
std::vector<int> suggestTry(const History& history);

} // namespace game
