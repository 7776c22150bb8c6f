#pragma once
#include "Deduction.h"

#include <cstdint>
#include <span>
#include <vector>

// The codes that fit what the game has shown, for the deduction and the
// suggestion. A code of distinct colours is a set of colours and an order:
// the colours count depends on the set alone, so the sets are filtered
// first; the orders of each surviving set are then counted by splitting the
// positions in two halves, whose orders are grouped by the positions they
// score against every clue, and matching the groups that add up to the
// scores seen.
namespace game::codes {

using Code = std::uint32_t;  // the colour of position k in bits 4k..4k+3
using Mask = std::uint32_t;  // bit c for palette colour c

// Bits of a colour mask, without the popcnt instruction that the baseline
// x86-64 the program is built for lacks (std::popcount becomes a call there).
constexpr int bitCount(Mask m)
{
    m = m - ((m >> 1) & 0x5555u);
    m = (m & 0x3333u) + ((m >> 2) & 0x3333u);
    m = (m + (m >> 4)) & 0x0F0Fu;
    return int((m + (m >> 8)) & 0x1Fu);
}

// Colours by position (0..15 each) as a code, and back.
Code pack(std::span<const int> colours);
std::vector<int> unpack(Code code, int positions);
Mask coloursOf(Code code, int positions);

// A code with its colour set, ready to be scored many times.
struct Packed {
    Code code = 0;
    Mask set = 0;
};

// Both counts of one code against another as one number, colours * 8 +
// positions (0..63). `ones` has bit 4k for each position k.
inline int scoreIndex(Packed a, Packed b, Code ones, int positions)
{
    const Code x = a.code ^ b.code;
    const Code differ = (x | x >> 1 | x >> 2 | x >> 3) & ones;
    const int misplaced = int(((differ * 0x1111111u) >> 24) & 0xFu);  // adds the bits into the top nibble
    return bitCount(a.set & b.set) * 8 + positions - misplaced;
}

// splitmix64: a small generator whose whole state is one number.
inline std::uint64_t nextRandom(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Positions scored by a half order against each clue, 4 bits a clue.
using Tally = std::uint64_t;
inline constexpr int MostClues = 16;

class CodeSpace {
public:
    // The codes that give the scores of the first `clueCount` clues and hold
    // `placed[k]` at every position k where it is not NoColour (colours
    // assumed distinct and in play: judge() checks them).
    CodeSpace(const History& history, std::size_t clueCount, std::span<const int> placed = {});

    // How many codes fit; whether any does (stopping at the first); what
    // they have in common.
    std::uint64_t count();
    bool any();
    Knowledge knowledge();
    // Every fitting code when there are at most `most`; otherwise `most` of
    // them (fewer when a rank is drawn twice) drawn evenly from the seed.
    std::vector<Code> codes(std::size_t most, std::uint64_t seed);

private:
    // A colour set with at least one fitting order, and how many. It stands
    // for all the sets that differ from it only in which of the colours no
    // clue holds it has (`blanks` of them, the lowest).
    struct SetCount {
        Mask set;
        int blanks;
        std::uint64_t orders;
    };
    struct Run {
        Tally tally;                // what each of its orders scores
        std::uint64_t where;        // the colours its orders put at the half's positions, 16 bits a position
        std::uint32_t first, size;  // its orders, in `orders`
    };
    struct Half {
        int from = 0, size = 0;     // positions from .. from + size - 1
        std::vector<std::array<std::uint8_t, 4>> permutations;
        std::vector<Code> orders;
        std::vector<Run> runs;
        std::vector<std::int32_t> begin;    // per rank of a colour set: its first run, -1 until made
        std::vector<std::uint8_t> runCount;
    };
    struct Split {
        std::array<std::uint8_t, 4> first, second;  // indices of a set's colours going to each half
    };
    struct Runs {
        const Run* data;
        int size;
    };

    Runs runsOf(Half& half, Mask colours, int rank);
    void makeRuns(Half& half, Mask colours, int rank);
    template <class Visit> bool join(Mask set, Visit&& visit);
    template <class Visit> void forEachSet(Mask pool, int size, Visit&& visit) const;
    template <class Visit> void forEachShape(Visit&& visit);
    std::uint64_t choices(int blanks) const;
    void scan();
    void emitCodes(const SetCount& s, std::vector<Code>& out);
    Code nth(const SetCount& s, std::uint64_t rank);

    int positions_ = 0, free_ = 0;        // positions of the code, and those not placed
    std::array<int, MostPositions> slot_{};  // the position of each free one
    Mask inPlay_ = 0, placed_ = 0, pool_ = 0;  // pool_: in play, not placed
    Mask untouched_ = 0;                     // in the pool, in no clue
    Code fixedCode_ = 0;                     // the colours placed
    bool none_ = false;  // a score no code can give, or sizes out of range
    std::array<Tally, PaletteColours> member_{};  // per colour: 1 in the nibble of each clue holding it
    Tally wanted_ = 0, target_ = 0;                // the counts of colours and positions left to score
    std::array<std::array<Tally, PaletteColours>, MostPositions> gain_{};  // per free position and colour
    Half halves_[2];
    std::vector<Split> splits_;
    bool scanned_ = false;
    std::vector<SetCount> sets_;
    std::array<std::uint16_t, MostPositions> canBe_{};
};

} // namespace game::codes

namespace game::codes {

// How the suggestion chooses; the defaults are what the benchmarks settled
// on (bench/README.md has the figures of the others).
// What a split of the codes is valued by: the tries left (estimated), its
// entropy, the codes left on average, or the number of its parts.
enum class Metric { TriesLeft, Entropy, Size, Parts };

struct Tuning {
    Metric metric = Metric::TriesLeft;
    double base = 1.0, slope = 0.5;       // the tries to find one of n > 2 codes: base + slope * ln n
    std::size_t pool = 1000;              // codes scored against: all of them when no more fit
    std::size_t allTries = 6000;          // every try is a candidate when there are no more than this,
    std::size_t randomTries = 200;        // ... otherwise this many drawn, beside the pool's codes,
    int climbs = 4;                       // ... and the best ones improved by small changes
    int lookahead = 20;                   // candidates looked at one try further,
    std::size_t lookaheadPool = 1000;     // ... when every code that fits is in the pool and no more,
    std::size_t lookaheadChildren = 10;   // ... with the best this many, and each part's codes, as next tries
    bool deadline = true;                 // the last two tries aim at finding the code in time
};
std::vector<int> suggestTry(const History& history, const Tuning& tuning);

} // namespace game::codes
