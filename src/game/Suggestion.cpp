#include "CodeSpace.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_set>

// The try to play next. Candidate tries are scored against the codes that
// fit (all of them, or an even sample drawn from the history when they are
// many); each candidate splits those codes by the score it would get, and
// the candidate whose parts leave the fewest tries to come is advised, one
// that could win at once when two are as good. The candidates are the codes
// that fit and, at small sizes, every try; at large ones tries drawn at
// random and the best of all improved by small changes, since a try that
// cannot win often tells more than any that can. With few codes left the
// best candidates are looked at one try further.
namespace game {
namespace codes {

namespace {

// The history as a number: the same history draws the same sample.
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

// A try under the history's symmetries: colours no code holds score nothing
// and are alike; colours no try has held are told apart by no score. Tries
// of one shape split the codes alike.
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

using Counts = std::array<std::uint32_t, 64>;  // codes by score, colours * 8 + positions

struct Candidate {
    Packed g;
    bool possible;      // it could be the code itself
    double value = 0;   // lower is better
};

// Values are kept to a millionth, so that splits alike in all but the order
// in which their parts were summed tie.
double rounded(double value)
{
    return std::round(value * 1e6) / 1e6;
}

// Lower value first, then a try that could win at once.
bool before(const Candidate& x, const Candidate& y)
{
    return x.value < y.value || (x.value == y.value && x.possible && !y.possible);
}

class Chooser {
public:
    // `codes`: the most codes ever split at once.
    Chooser(int positions, Metric metric, const Tuning& tuning, std::size_t codes)
        : positions_(positions), scores_(8 * (positions + 1)), win_(positions * 9), metric_(metric)
    {
        for (int k = 0; k < positions; ++k)
            ones_ |= Code(1) << (4 * k);
        // n * (the tries to find one of n codes), the last one included.
        triesFor_.assign(codes + 1, 0.0);
        for (std::size_t n = 1; n <= codes; ++n)
            triesFor_[n] = double(n) * (n == 1 ? 1.0 : n == 2 ? 1.5 : tuning.base + tuning.slope * std::log(double(n)));
    }

    int score(Packed a, Packed b) const { return scoreIndex(a, b, ones_, positions_); }
    void count(Packed g, std::span<const Packed> codes, Counts& counts) const
    {
        std::fill_n(counts.begin(), scores_, 0);
        for (const Packed& c : codes)
            ++counts[std::size_t(score(g, c))];
    }
    bool wins(int score) const { return score == win_; }

    // The tries still needed to find one of `codes` codes, summed over them.
    double tries(std::size_t codes) const { return triesFor_[codes]; }
    // The same after a try that splits the codes so: none for the code it hits.
    double triesLeft(const Counts& counts) const
    {
        double sum = 0;
        for (int i = 0; i < scores_; ++i)
            sum += i == win_ ? 0.0 : triesFor_[counts[std::size_t(i)]];
        return sum;
    }
    double value(const Counts& counts) const
    {
        if (metric_ == Metric::TriesLeft)
            return rounded(triesLeft(counts));
        double v = 0;
        for (int i = 0; i < scores_; ++i) {
            const double n = counts[std::size_t(i)];
            v += n == 0 ? 0.0 : metric_ == Metric::Entropy ? n * std::log(n) : metric_ == Metric::Size ? n * n : -1.0;
        }
        return rounded(v);
    }

private:
    int positions_, scores_, win_;  // scores_: colours * 8 + positions stays below it
    Metric metric_;
    Code ones_ = 0;
    std::vector<double> triesFor_;
};

// What the suggestion works from.
struct Ground {
    int positions = 0;
    std::vector<int> colours;  // in play
    std::vector<Packed> pool;  // the codes scored against
    bool complete = false;     // the pool holds every code that fits
    std::vector<std::pair<Packed, int>> clues;  // each try with its score

    bool fits(Packed g, const Chooser& chooser) const
    {
        const auto gives = [&](const auto& clue) { return chooser.score(clue.first, g) == clue.second; };
        return std::all_of(clues.begin(), clues.end(), gives);
    }
};

// Every try of distinct colours in play, by recursion over the positions.
template <class Add> void forEachTry(const Ground& ground, Add&& add)
{
    std::array<int, MostPositions> row{};
    const auto place = [&](const auto& self, int k, Mask used) -> void {
        if (k == ground.positions)
            return add(pack(std::span<const int>(row.data(), std::size_t(k))));
        for (int c : ground.colours)
            if (!(used >> c & 1)) {
                row[std::size_t(k)] = c;
                self(self, k + 1, used | Mask(1) << c);
            }
    };
    place(place, 0, 0);
}

// A candidate improved by small changes for as long as one helps: two
// positions swapped, or one colour replaced by another in play.
Candidate climb(Candidate c, const Ground& ground, const Chooser& chooser)
{
    Counts counts;
    for (bool moved = true; moved;) {
        moved = false;
        const Candidate from = c;
        const auto consider = [&](Code code) {
            Candidate n{{code, coloursOf(code, ground.positions)}, false};
            chooser.count(n.g, ground.pool, counts);
            n.value = chooser.value(counts);
            n.possible = ground.fits(n.g, chooser);
            if (before(n, c)) {
                c = n;
                moved = true;
            }
        };
        for (int i = 0; i < ground.positions; ++i) {
            const Code at = Code(0xF) << (4 * i), colour = from.g.code & at;
            for (int j = i + 1; j < ground.positions; ++j) {
                const Code to = Code(0xF) << (4 * j), other = from.g.code & to;
                consider((from.g.code & ~at & ~to) | colour << (4 * (j - i)) | other >> (4 * (j - i)));
            }
            for (int x : ground.colours)
                if (!(from.g.set >> x & 1))
                    consider((from.g.code & ~at) | Code(x) << (4 * i));
        }
    }
    return c;
}

// One try further for the best candidates: each part of the codes a
// candidate leaves is valued by the best next try there, among the best
// candidates and the part's own codes, rather than by its size alone.
std::size_t lookAhead(const std::vector<Candidate>& candidates, const std::vector<std::size_t>& rank, const Ground& ground,
                      const Chooser& chooser, const Tuning& tuning)
{
    Counts counts;
    std::size_t best = rank.front();
    double bestValue = 0;
    const std::size_t top = std::min(rank.size(), std::size_t(tuning.lookahead));
    for (std::size_t t = 0; t < top; ++t) {
        std::array<std::vector<Packed>, 64> parts;
        for (const Packed& p : ground.pool)
            parts[std::size_t(chooser.score(candidates[rank[t]].g, p))].push_back(p);
        double value = 0;  // the tries left, summed over the codes
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const std::vector<Packed>& part = parts[i];
            if (part.empty() || chooser.wins(int(i)))
                continue;
            double next = chooser.tries(part.size());
            if (part.size() > 2) {
                const auto consider = [&](Packed g) {
                    chooser.count(g, part, counts);
                    next = std::min(next, rounded(double(part.size()) + chooser.triesLeft(counts)));
                };
                next = 1e300;
                for (std::size_t r = 0; r < std::min(rank.size(), tuning.lookaheadChildren); ++r)
                    consider(candidates[rank[r]].g);
                for (const Packed& g : part)
                    consider(g);
            }
            value += next;
        }
        if (t == 0 || value < bestValue) {
            bestValue = value;
            best = rank[t];
        }
    }
    return best;
}

} // namespace

std::vector<int> suggestTry(const History& history, const Tuning& tuning)
{
    Ground ground;
    ground.positions = history.positions;
    Mask inPlay = 0;
    for (int c : history.inPlay)
        inPlay |= c >= 0 && c < PaletteColours ? Mask(1) << c : 0;
    for (int c = 0; c < PaletteColours; ++c)
        if (inPlay >> c & 1)
            ground.colours.push_back(c);
    const int positions = ground.positions;
    if (positions < 1 || positions > MostPositions || positions > int(ground.colours.size()))
        return {};
    const std::vector<int> first(ground.colours.begin(), ground.colours.begin() + positions);
    // Every first try is alike: no score tells any colour or position apart yet.
    if (history.clues.empty())
        return first;

    CodeSpace space(history, history.clues.size());
    const std::uint64_t total = space.count();
    if (total == 0)
        return first;  // nothing fits: any try will do
    std::uint64_t seed = seedOf(history);
    const std::vector<Code> drawn = space.codes(tuning.pool, seed);
    if (total <= 2)
        return unpack(drawn.front(), positions);  // it wins, or tells the other
    for (Code c : drawn)
        ground.pool.push_back({c, coloursOf(c, positions)});
    ground.complete = ground.pool.size() == total;
    for (const Clue& clue : history.clues) {
        const Code code = pack(clue.colours);
        ground.clues.push_back({{code, coloursOf(code, positions)}, clue.score.colours * 8 + clue.score.positions});
    }

    // Near the last try what counts is finding the code in time: with one try
    // left only a code that fits can win; with two, the next is sure exactly
    // when this one leaves one code per score, so the more parts the better.
    const int left = game::Tries - int(history.clues.size());
    const bool last = tuning.deadline && left <= 1, lastButOne = tuning.deadline && left == 2;
    const Chooser chooser(positions, lastButOne ? Metric::Parts : tuning.metric, tuning, ground.pool.size());

    const Knowledge known = space.knowledge();
    Mask touched = 0;
    for (const auto& clue : ground.clues)
        touched |= clue.first.set;
    const Mask absent = known.notInCode, untouched = inPlay & ~touched & ~absent;
    std::vector<Candidate> candidates;
    std::unordered_set<std::uint64_t> shapes;
    const auto add = [&](Code code) {
        if (!shapes.insert(shapeOf(code, positions, absent, untouched)).second)
            return;
        const Packed g{code, coloursOf(code, positions)};
        const bool possible = ground.fits(g, chooser);
        if (possible || !last)
            candidates.push_back({g, possible});
    };
    for (const Packed& p : ground.pool)
        add(p.code);
    std::uint64_t tries = 1;
    for (int k = 0; k < positions; ++k)
        tries *= ground.colours.size() - std::size_t(k);
    const bool everyTry = tries <= tuning.allTries;
    if (everyTry) {
        forEachTry(ground, add);
    } else {
        for (std::size_t r = 0; r < tuning.randomTries; ++r) {
            std::vector<int> order(ground.colours);
            for (std::size_t k = 0; k < std::size_t(positions); ++k)
                std::swap(order[k], order[k + nextRandom(seed) % (order.size() - k)]);
            add(pack(std::span<const int>(order.data(), std::size_t(positions))));
        }
    }

    Counts counts;
    for (Candidate& c : candidates) {
        chooser.count(c.g, ground.pool, counts);
        c.value = chooser.value(counts);
    }
    std::vector<std::size_t> rank(candidates.size());
    std::iota(rank.begin(), rank.end(), 0);
    const auto ranked = [&] {
        std::stable_sort(rank.begin(), rank.end(),
                         [&](std::size_t a, std::size_t b) { return before(candidates[a], candidates[b]); });
    };
    ranked();
    if (!everyTry && !last && tuning.climbs > 0) {
        const std::size_t starts = std::min(rank.size(), std::size_t(tuning.climbs));
        for (std::size_t s = 0; s < starts; ++s)
            candidates.push_back(climb(candidates[rank[s]], ground, chooser));
        rank.resize(candidates.size());
        std::iota(rank.begin(), rank.end(), 0);
        ranked();
    }
    std::size_t best = rank.front();
    if (tuning.lookahead > 0 && ground.complete && ground.pool.size() <= tuning.lookaheadPool && !last && !lastButOne)
        best = lookAhead(candidates, rank, ground, chooser, tuning);
    return unpack(candidates[best].g.code, positions);
}

} // namespace codes

std::vector<int> suggestTry(const History& history)
{
    return codes::suggestTry(history, codes::Tuning{});
}

} // namespace game
