#include "Game.h"

#include <algorithm>
#include <numeric>

namespace game {

namespace {
int stepped(int n, Step step)
{
    return step == Step::Up ? n + 1 : step == Step::Down ? n - 1 : n;
}
} // namespace

Game::Game(Random random, Clock clock) : random_(random), clock_(std::move(clock))
{
    std::iota(order_.begin(), order_.end(), 0);
    newGame();
}

int Game::placeOf(int colour) const
{
    return int(std::find(order_.begin(), order_.end(), colour) - order_.begin());
}

Phase Game::phase() const
{
    if (over())
        return outcome_;
    return begun_ ? Phase::Playing : Phase::SettingUp;
}

bool Game::currentTryHolds(int colour) const
{
    const std::span<const int> row = tryColours(current_);
    return std::find(row.begin(), row.end(), colour) != row.end();
}

int Game::firstEmptyFor(int colour) const
{
    // An empty source holds NoColour, which the empty slot matches: it goes nowhere.
    const std::span<const int> row = tryColours(current_);
    const auto empty = std::find(row.begin(), row.end(), NoColour);
    return empty == row.end() || currentTryHolds(colour) ? -1 : int(empty - row.begin());
}

History Game::history() const
{
    History h{{order_.begin(), order_.begin() + colours_}, positions_, {}};
    for (int t = 0; t < Tries; ++t)
        if (const std::optional<Score> s = score(t))
            h.clues.push_back({{tryColours(t).begin(), tryColours(t).end()}, *s});
    return h;
}

void Game::newGame()
{
    outcome_ = Phase::Playing;
    begun_ = false;
    current_ = 0;
    for (Try& t : tries_) {
        t.score.reset();
        t.colours.fill(NoColour);
    }
    feedback_.reset();
    shufflePalette();
    drawCode();
}

bool Game::changeColours(Step step)
{
    if (over() || begun_)
        return false;
    // The order is shuffled before the new count takes effect, as the palette is laid out.
    shufflePalette();
    colours_ = std::clamp(stepped(colours_, step), std::max(FewestColours, positions_), MostColours);
    drawCode();
    return true;
}

bool Game::changePositions(Step step)
{
    if (over() || begun_)
        return false;
    positions_ = std::clamp(stepped(positions_, step), FewestPositions, std::min(MostPositions, colours_));
    current().fill(NoColour);
    drawCode();
    return true;
}

Placement Game::place(int colour, int p)
{
    if (p < 0 || p >= positions_)
        return Placement::OutsideTry;
    begun_ = true;
    handInOffered_ = true;
    if (currentTryHolds(colour))
        return Placement::AlreadyThere;
    current()[std::size_t(p)] = colour;
    return Placement::Placed;
}

SlotDrop Game::drop(Slot from, int to)
{
    const bool fromCurrent = from.t == current_;
    if (to < 0 || to >= positions_ || from.t > current_)
        return SlotDrop::Refused;
    const int colour = colourIn(from);
    if (colour == NoColour)
        return SlotDrop::Refused;
    const std::span<const int> row = tryColours(current_);
    for (int p = 0; p < positions_; ++p)
        if (row[std::size_t(p)] == colour && !(fromCurrent && p == from.p))
            return SlotDrop::Refused;
    if (fromCurrent && from.p == to)
        return SlotDrop::Kept;
    current()[std::size_t(to)] = colour;
    if (!fromCurrent)
        return SlotDrop::Copied;
    current()[std::size_t(from.p)] = NoColour;
    return SlotDrop::Moved;
}

Handed Game::handIn()
{
    const std::span<const int> row = tryColours(current_);
    if (std::find(row.begin(), row.end(), NoColour) != row.end())
        return Handed::Incomplete;
    const Score s = scoreTry(row, code());
    tries_[std::size_t(current_)].score = s;
    feedback_ = s;
    // A right last try wins. The try stays current after the end, to be set right and handed in again.
    if (s.positions == positions_) {
        outcome_ = Phase::Won;
        return Handed::Won;
    }
    if (current_ == Tries - 1) {
        outcome_ = Phase::Lost;
        handInOffered_ = false;
        return Handed::Lost;
    }
    ++current_;
    return Handed::Next;
}

bool Game::giveUp()
{
    if (over())
        return false;
    outcome_ = Phase::GivenUp;
    handInOffered_ = false;
    feedback_.reset();
    return true;
}

void Game::shufflePalette()
{
    shufflePaletteOrder(order_, random_, clock_);
}

void Game::drawCode()
{
    // A shuffled copy of the colours in play; the code is its first positions.
    Order work = order_;
    shuffleCodeColours(work, colours_ - 1, random_, clock_);
    std::copy_n(work.begin(), MostPositions, code_.begin());
}

} // namespace game
