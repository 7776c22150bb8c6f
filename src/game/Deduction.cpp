#include "Deduction.h"
#include "CodeSpace.h"

#include <algorithm>

namespace game {

using codes::CodeSpace;
using codes::Mask;

std::uint64_t possibleCodes(const History& history)
{
    return CodeSpace(history, history.clues.size()).count();
}

Knowledge deduce(const History& history)
{
    return CodeSpace(history, history.clues.size()).knowledge();
}

namespace {

// The smallest and largest counts a try of distinct colours in play, `clue`,
// scores against the completions of `placed`, each count on its own.
std::pair<Score, Score> completionRange(std::span<const int> clue, std::span<const int> placed, Mask inPlay)
{
    const auto bit = [](int c) { return c >= 0 && c < PaletteColours ? Mask(1) << c : 0; };
    Mask placedSet = 0, clueSet = 0;
    int empty = 0, inPlace = 0, canMatch = 0;
    for (std::size_t k = 0; k < placed.size(); ++k) {
        placedSet |= bit(placed[k]);
        clueSet |= bit(clue[k]);
        empty += placed[k] == NoColour;
        inPlace += placed[k] != NoColour && placed[k] == clue[k];
    }
    const Mask left = inPlay & ~placedSet;  // the colours the empty slots choose from
    for (std::size_t k = 0; k < placed.size(); ++k)
        canMatch += placed[k] == NoColour && (left & bit(clue[k]));
    const int shared = codes::bitCount(clueSet & placedSet), fresh = codes::bitCount(clueSet & left);
    const int free = codes::bitCount(left);
    Score least{shared + std::max(0, empty - (free - fresh)), inPlace};
    Score most{shared + std::min(empty, fresh), inPlace + canMatch};
    // Filling every empty slot away from the clue's colour there is possible
    // unless one slot is left with one colour, and that one is the clue's.
    if (empty == 1 && free == 1 && canMatch == 1)
        ++least.positions;
    return {least, most};
}

} // namespace

Verdict judge(const History& history, std::span<const int> tryColours)
{
    Verdict v;
    const std::size_t positions = std::size_t(std::clamp(history.positions, 0, MostPositions));
    std::vector<int> placed(positions, NoColour);
    std::copy_n(tryColours.begin(), std::min(positions, tryColours.size()), placed.begin());
    Mask inPlay = 0, seen = 0;
    for (int c : history.inPlay)
        inPlay |= c >= 0 && c < PaletteColours ? Mask(1) << c : 0;
    for (int c : placed) {
        if (c == NoColour)
            continue;
        if (c < 0 || c >= PaletteColours || !(inPlay >> c & 1) || (seen >> c & 1)) {
            v.possible = false;  // no code of distinct colours in play holds it, whatever was scored
            return v;
        }
        seen |= Mask(1) << c;
    }
    const std::size_t clues = history.clues.size();
    if (CodeSpace(history, clues, placed).any())
        return v;

    v.possible = false;
    // Each clue only narrows what the ones before it allow: the first prefix
    // that allows nothing names the clue.
    for (std::size_t i = 0; i < clues && v.clue < 0; ++i)
        if (!CodeSpace(history, i + 1, placed).any())
            v.clue = int(i);
    if (v.clue < 0)
        return v;
    const Clue& clue = history.clues[std::size_t(v.clue)];
    v.scored = clue.score;
    std::vector<int> clueColours = clue.colours;
    clueColours.resize(positions, NoColour);
    std::tie(v.least, v.most) = completionRange(clueColours, placed, inPlay);
    const auto within = [](int x, int low, int high) { return low <= x && x <= high; };
    if (v.clue == 0 || !within(v.scored.colours, v.least.colours, v.most.colours)
        || !within(v.scored.positions, v.least.positions, v.most.positions)) {
        v.alone = true;
    } else {
        const History single{history.inPlay, history.positions, {clue}};
        v.alone = !CodeSpace(single, 1, placed).any();
    }
    return v;
}

} // namespace game
