#pragma once
#include "Deduction.h"
#include "Numbers.h"
#include "Random.h"
#include "Scoring.h"
#include "Shuffle.h"

#include <array>
#include <optional>
#include <span>

namespace game {

// Where a game stands.
enum class Phase {
    SettingUp,  // nothing put into a try yet: the sizes may still change
    Playing,
    Won,
    Lost,       // the tenth try scored without a win
    GivenUp,
};

// A step of a size selector.
enum class Step { Up, Down, None };

// What became of a palette colour put into a slot.
enum class Placement {
    OutsideTry,    // not a slot of the current try: nothing at all
    AlreadyThere,  // the try holds the colour already: refused, but the sizes are settled
    Placed,        // the slot takes the colour, whatever it held
};

// What became of a slot's colour dropped on a slot of the current try.
enum class SlotDrop {
    Refused,  // not on the current try, no colour, or a colour the try holds elsewhere
    Kept,     // dropped on itself
    Moved,    // the target takes it, the source (of the current try) is emptied
    Copied,   // the target takes it, the source (of an earlier try) keeps it
};

// What handing in the current try led to.
enum class Handed { Incomplete, Next, Won, Lost };

// A slot of the board: try t, 0 <= t < Tries; position p, 0 <= p < positions().
struct Slot {
    int t = 0, p = 0;
    bool operator==(const Slot&) const = default;
};

// One game and the sizes that carry over to the next: the palette order,
// the code, every try with its score, and where the game stands. The rules
// are its operations; a refused one changes nothing and says so.
class Game {
public:
    // The first game, at the first sizes, already set up.
    explicit Game(Random random = Random::fromTimeOfDay(), Clock clock = timeOfDay);

    int colours() const { return colours_; }      // in play, FewestColours..MostColours
    int positions() const { return positions_; }  // FewestPositions..MostPositions, never above colours()
    // The palette row: the colour at place k, 0 <= k < PaletteColours; places
    // below colours() hold the colours in play.
    int colourAtPlace(int place) const { return order_[std::size_t(place)]; }
    int placeOf(int colour) const;
    bool inPlay(int colour) const { return placeOf(colour) < colours_; }
    std::span<const int> code() const { return {code_.data(), std::size_t(positions_)}; }

    int currentTry() const { return current_; }
    // Try t's colours by position, NoColour where empty; 0 <= t < Tries.
    std::span<const int> tryColours(int t) const { return {tries_[std::size_t(t)].colours.data(), std::size_t(positions_)}; }
    int colourIn(Slot s) const { return tries_[std::size_t(s.t)].colours[std::size_t(s.p)]; }
    std::optional<Score> score(int t) const { return tries_[std::size_t(t)].score; }
    // The score whose sentence the player reads: the last one, until a new game or giving up.
    std::optional<Score> feedback() const { return feedback_; }

    Phase phase() const;
    bool over() const { return outcome_ != Phase::Playing; }
    // A colour has been put into a slot since the game was set up: the sizes are settled.
    bool begun() const { return begun_; }
    // Whether the current try can be handed in: offered once a colour has been
    // put into a slot, withdrawn by a loss or giving up, kept by a new game.
    bool handInOffered() const { return handInOffered_; }
    // Where a colour double-clicked goes: the lowest empty position of the
    // current try, or -1 when the try is full or holds the colour.
    int firstEmptyFor(int colour) const;
    bool currentTryHolds(int colour) const;
    // What the game has shown so far: the colours in play, the positions, every scored try.
    History history() const;

    void newGame();
    // Before anything is put into a try, the sizes: each within its limits,
    // the positions never above the colours in play. The colours reshuffle
    // the palette; both draw a new code. False once begun or over.
    bool changeColours(Step step);
    bool changePositions(Step step);
    // A palette colour into position p of the current try (p outside it: OutsideTry).
    Placement place(int colour, int p);
    // The colour of slot `from` dropped on position `to` of the current try.
    SlotDrop drop(Slot from, int to);
    Handed handIn();
    // False, and nothing done, once the game is over.
    bool giveUp();

private:
    struct Try {
        std::array<int, MostPositions> colours;
        std::optional<Score> score;
    };
    void shufflePalette();
    void drawCode();
    std::array<int, MostPositions>& current() { return tries_[std::size_t(current_)].colours; }

    Random random_;
    Clock clock_;
    int colours_ = FirstColours;
    int positions_ = FirstPositions;
    Order order_;
    std::array<int, MostPositions> code_{};
    std::array<Try, Tries> tries_{};
    int current_ = 0;
    std::optional<Score> feedback_;
    Phase outcome_ = Phase::Playing;  // Won, Lost or GivenUp once over
    bool begun_ = false;
    bool handInOffered_ = false;
};

} // namespace game
