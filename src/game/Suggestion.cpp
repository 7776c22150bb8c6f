#include "CodeSpace.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_set>

namespace game {
namespace codes {

namespace {

// The history as a number: the same history draws the same codes.
std::uint64_t seedOf(const History& history)
{
    std::uint64_t x = 0xCBF29CE484222325ull;  // FNV-1a
    const auto mix = [&x](int v) { x = (x ^ std::uint32_t(v)) * 0x100000001B3ull; };
    for (int c : history.inPlay)
        mix(c);
    mix(history.positions);
    for (const Clue& clue : history.clues) {
        for (int c : clue.colours)
            mix(c);
        mix(clue.score.colours * 8 + clue.score.positions);
    }
    return x;
}

std::uint64_t nextRandom(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A try under the history's symmetries: colours no code holds score nothing
// and are alike; colours no try has held are told apart by no score.
std::uint64_t shapeOf(Code code, int positions, Mask absent, Mask untouched)
{
    std::uint64_t shape = 0;
    std::array<int, PaletteColours> alias{};
    int next = PaletteColours + 1;
    for (int k = 0; k < positions; ++k) {
        const int c = int(code >> (4 * k) & 0xF);
        int symbol = c;
        if (absent >> c & 1)
            symbol = PaletteColours;
        else if (untouched >> c & 1)
            symbol = alias[std::size_t(c)] ? alias[std::size_t(c)] : (alias[std::size_t(c)] = next++);
        shape |= std::uint64_t(symbol) << (5 * k);
    }
    return shape;
}

using Counts = std::array<std::uint32_t, 64>;

class Chooser {
public:
    Chooser(int positions, const Tuning& tuning, int metric)
        : positions_(positions), win_(positions * 9), metric_(metric), tuning_(tuning)
    {
        for (int k = 0; k < positions; ++k)
            ones_ |= Code(1) << (4 * k);
    }

    void count(Packed g, std::span<const Packed> codes, Counts& counts) const
    {
        counts.fill(0);
        for (const Packed& c : codes)
            ++counts[std::size_t(scoreIndex(g, c, ones_, positions_))];
    }
    int scoreOf(Packed g, Packed c) const { return scoreIndex(g, c, ones_, positions_); }

    // Further tries to find one of `s` codes, guessed.
    double estimate(std::uint32_t s) const
    {
        return s == 1 ? 1.0 : s == 2 ? 1.5 : tuning_.base + tuning_.slope * std::log(double(s));
    }
    // Further tries after a try that splits the codes so, summed over the codes.
    double tries(const Counts& counts) const
    {
        double sum = 0;
        for (int i = 0; i < 64; ++i)
            if (counts[std::size_t(i)] && i != win_)
                sum += counts[std::size_t(i)] * estimate(counts[std::size_t(i)]);
        return sum;
    }
    double value(const Counts& counts) const
    {
        double v = 0;
        for (std::uint32_t n : counts) {
            if (!n)
                continue;
            switch (metric_) {
            case 1: v += n * std::log(double(n)); break;
            case 2: v += double(n) * n; break;
            case 3: v -= 1; break;
            default: break;
            }
        }
        return metric_ == 0 ? tries(counts) : v;
    }
    int win() const { return win_; }

private:
    int positions_, win_, metric_;
    Code ones_ = 0;
    const Tuning& tuning_;
};

struct Candidate {
    Packed g;
    bool possible;
    double value = 0;
};

} // namespace

std::vector<int> suggestTry(const History& history, const Tuning& tuning)
{
    const int positions = history.positions;
    Mask inPlay = 0;
    for (int c : history.inPlay)
        if (c >= 0 && c < PaletteColours)
            inPlay |= Mask(1) << c;
    std::vector<int> colours;
    for (int c = 0; c < PaletteColours; ++c)
        if (inPlay >> c & 1)
            colours.push_back(c);
    if (positions < 1 || positions > MostPositions || positions > int(colours.size()))
        return {};
    const std::vector<int> first(colours.begin(), colours.begin() + positions);
    // Every first try is alike: the scores say nothing yet about any colour.
    if (history.clues.empty())
        return first;

    CodeSpace space(history, history.clues.size());
    const std::uint64_t total = space.count();
    if (total == 0)
        return first;
    std::uint64_t seed = seedOf(history);
    std::vector<Code> drawn = space.codes(tuning.pool, seed);
    if (total <= 2)
        return unpack(drawn.front(), positions);
    std::vector<Packed> pool;
    for (Code c : drawn)
        pool.push_back({c, coloursOf(c, positions)});
    const bool complete = pool.size() == total;

    const Knowledge known = space.knowledge();
    Mask touched = 0;
    for (const Clue& clue : history.clues)
        for (int c : clue.colours)
            touched |= c >= 0 && c < PaletteColours ? Mask(1) << c : 0;
    const Mask absent = known.notInCode, untouched = inPlay & ~touched & ~absent;

    std::vector<Candidate> candidates;
    std::unordered_set<std::uint64_t> shapes;
    const auto add = [&](Code code, bool possible) {
        if (shapes.insert(shapeOf(code, positions, absent, untouched)).second)
            candidates.push_back({{code, coloursOf(code, positions)}, possible});
    };
    for (const Packed& p : pool)
        add(p.code, true);
    std::uint64_t tries = 1;
    for (int k = 0; k < positions; ++k)
        tries *= colours.size() - std::size_t(k);
    if (tries <= tuning.allTries) {
        std::vector<Code> sorted(drawn);
        std::sort(sorted.begin(), sorted.end());
        std::vector<int> order(colours);
        // Every arrangement of `positions` colours in play, by recursion over the positions.
        std::array<int, MostPositions> row{};
        const auto place = [&](const auto& self, int k, Mask used) -> void {
            if (k == positions) {
                const Code code = pack(std::span<const int>(row.data(), std::size_t(positions)));
                add(code, complete && std::binary_search(sorted.begin(), sorted.end(), code));
                return;
            }
            for (int c : colours)
                if (!(used >> c & 1)) {
                    row[std::size_t(k)] = c;
                    self(self, k + 1, used | Mask(1) << c);
                }
        };
        place(place, 0, 0);
    } else {
        for (std::size_t r = 0; r < tuning.randomTries; ++r) {
            std::vector<int> order(colours);
            for (int k = 0; k < positions; ++k)
                std::swap(order[std::size_t(k)], order[std::size_t(k) + nextRandom(seed) % (order.size() - std::size_t(k))]);
            const Code code = pack(std::span<const int>(order.data(), std::size_t(positions)));
            add(code, false);
        }
    }

    // Near the last try, what counts is finding the code in time: with two
    // tries left that is the chance that the next one is known, one code per
    // score; with one left, only a code that can win.
    const int left = Tries - int(history.clues.size());
    if (tuning.deadline && left <= 1)
        std::erase_if(candidates, [](const Candidate& c) { return !c.possible; });
    const Chooser chooser(positions, tuning, tuning.deadline && left == 2 ? 3 : tuning.metric);
    Counts counts;
    for (Candidate& c : candidates) {
        chooser.count(c.g, pool, counts);
        c.value = chooser.value(counts);
    }
    std::vector<std::pair<Packed, int>> clues;
    for (const Clue& clue : history.clues)
        clues.push_back({{pack(clue.colours), coloursOf(pack(clue.colours), positions)}, clue.score.colours * 8 + clue.score.positions});
    const auto fits = [&](Packed g) {
        return std::all_of(clues.begin(), clues.end(), [&](const auto& c) { return chooser.scoreOf(c.first, g) == c.second; });
    };
    const auto before = [](const Candidate& x, const Candidate& y) {
        if (std::abs(x.value - y.value) > 1e-9 * (1 + std::abs(x.value)))
            return x.value < y.value;
        return x.possible && !y.possible;
    };
    if (tuning.climbs > 0 && tries > tuning.allTries && !(tuning.deadline && left <= 1)) {
        std::vector<Candidate> start(candidates);
        std::stable_sort(start.begin(), start.end(), before);
        start.resize(std::min(start.size(), std::size_t(tuning.climbs)));
        for (Candidate c : start) {
            for (bool moved = true; moved;) {
                moved = false;
                const Candidate from = c;
                const auto consider = [&](Code code) {
                    Candidate n{{code, coloursOf(code, positions)}, false};
                    chooser.count(n.g, pool, counts);
                    n.value = chooser.value(counts);
                    n.possible = fits(n.g);
                    if (before(n, c)) {
                        c = n;
                        moved = true;
                    }
                };
                for (int i = 0; i < positions; ++i) {
                    const Code at = Code(0xF) << (4 * i);
                    for (int j = i + 1; j < positions; ++j) {
                        const Code bt = Code(0xF) << (4 * j);
                        const Code a = (from.g.code & at) >> (4 * i), b = (from.g.code & bt) >> (4 * j);
                        consider((from.g.code & ~at & ~bt) | a << (4 * j) | b << (4 * i));
                    }
                    for (int x : colours)
                        if (!(from.g.set >> x & 1))
                            consider((from.g.code & ~at) | Code(x) << (4 * i));
                }
            }
            candidates.push_back(c);
        }
    }
    // Lower value first, then a try that could win at once, then the first made.
    std::vector<std::size_t> rank(candidates.size());
    std::iota(rank.begin(), rank.end(), 0);
    const auto better = [&](std::size_t a, std::size_t b) {
        return before(candidates[a], candidates[b]) || (!before(candidates[b], candidates[a]) && a < b);
    };
    std::stable_sort(rank.begin(), rank.end(), better);
    std::size_t best = rank.front();

    if (tuning.lookahead > 0 && complete && pool.size() <= tuning.lookaheadPool) {
        double bestTries = 0;
        const std::size_t top = std::min(rank.size(), std::size_t(tuning.lookahead));
        for (std::size_t t = 0; t < top; ++t) {
            const Candidate& c = candidates[rank[t]];
            std::array<std::vector<Packed>, 64> cells;
            for (const Packed& p : pool)
                cells[std::size_t(chooser.scoreOf(c.g, p))].push_back(p);
            double sum = 0;
            for (int i = 0; i < 64; ++i) {
                const std::vector<Packed>& cell = cells[std::size_t(i)];
                if (cell.empty() || i == chooser.win())
                    continue;
                double further = chooser.estimate(std::uint32_t(cell.size()));
                if (cell.size() > 2) {
                    further = 1e300;
                    for (const Candidate& d : candidates) {
                        chooser.count(d.g, cell, counts);
                        further = std::min(further, 1 + chooser.tries(counts) / double(cell.size()));
                    }
                }
                sum += double(cell.size()) * further;
            }
            if (t == 0 || sum < bestTries - 1e-9) {
                bestTries = sum;
                best = rank[t];
            }
        }
    }
    return unpack(candidates[best].g.code, positions);
}

} // namespace codes

std::vector<int> suggestTry(const History& history)
{
    return codes::suggestTry(history, codes::Tuning{});
}

} // namespace game
