#include "CodeSpace.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace game::codes {

namespace {

// Binomial coefficients, for ranking colour sets and counting choices of colours.
constexpr auto Binomials = [] {
    std::array<std::array<int, MostPositions + 1>, PaletteColours + 1> c{};
    for (int n = 0; n <= PaletteColours; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= MostPositions; ++k)
            c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
    }
    return c;
}();

// Whether every count of `a` is at most the one of `b` (counts of 0..7 in b,
// 0..8 in a): with each nibble's top bit set in b, a nibble of the
// difference keeps it exactly where no borrow was taken.
constexpr bool atMost(Tally a, Tally b)
{
    constexpr Tally tops = 0x8888888888888888ull;
    return (((b | tops) - a) & tops) == tops;
}

// The `rank`th set of `size` colours of `pool`, in colex order.
Mask nthSubset(Mask pool, int size, std::uint64_t rank)
{
    std::array<int, PaletteColours> colour{};
    int n = 0;
    for (Mask m = pool; m; m &= m - 1)
        colour[std::size_t(n++)] = std::countr_zero(m);
    Mask set = 0;
    for (int k = size, x = n - 1; k > 0; --k) {
        while (std::uint64_t(Binomials[std::size_t(x)][std::size_t(k)]) > rank)
            --x;
        rank -= std::uint64_t(Binomials[std::size_t(x)][std::size_t(k)]);
        set |= Mask(1) << colour[std::size_t(x--)];
    }
    return set;
}

// A code with the colours of `from` replaced, lowest first, by those of `to`.
Code relabel(Code code, int positions, Mask from, Mask to)
{
    std::array<int, PaletteColours> map;
    std::iota(map.begin(), map.end(), 0);
    for (; from; from &= from - 1, to &= to - 1)
        map[std::size_t(std::countr_zero(from))] = std::countr_zero(to);
    Code out = 0;
    for (int k = 0; k < positions; ++k)
        out |= Code(map[code >> (4 * k) & 0xF]) << (4 * k);
    return out;
}

} // namespace

Code pack(std::span<const int> colours)
{
    Code code = 0;
    for (std::size_t k = 0; k < colours.size(); ++k)
        code |= Code(colours[k] & 0xF) << (4 * k);
    return code;
}

std::vector<int> unpack(Code code, int positions)
{
    std::vector<int> colours(static_cast<std::size_t>(positions));
    for (int k = 0; k < positions; ++k)
        colours[std::size_t(k)] = int(code >> (4 * k) & 0xF);
    return colours;
}

Mask coloursOf(Code code, int positions)
{
    Mask set = 0;
    for (int k = 0; k < positions; ++k)
        set |= Mask(1) << (code >> (4 * k) & 0xF);
    return set;
}

CodeSpace::CodeSpace(const History& history, std::size_t clueCount, std::span<const int> placed)
    : positions_(history.positions)
{
    for (int c : history.inPlay)
        if (c >= 0 && c < PaletteColours)
            inPlay_ |= Mask(1) << c;
    none_ = positions_ < 1 || positions_ > MostPositions || positions_ > bitCount(inPlay_);
    if (none_)
        return;

    std::array<std::array<Tally, PaletteColours>, MostPositions> gain{};
    const std::size_t clues = std::min({clueCount, history.clues.size(), std::size_t(MostClues)});
    for (std::size_t i = 0; i < clues; ++i) {
        const Clue& clue = history.clues[i];
        Mask set = 0;
        for (std::size_t k = 0; k < clue.colours.size() && k < std::size_t(positions_); ++k) {
            const int c = clue.colours[k];
            if (c >= 0 && c < PaletteColours) {
                set |= Mask(1) << c;
                gain[k][std::size_t(c)] += Tally(1) << (4 * i);
            }
        }
        const Score s = clue.score;
        if (s.colours < 0 || s.colours > positions_ || s.positions < 0 || s.positions > s.colours)
            none_ = true;
        for (Mask m = set; m; m &= m - 1)
            member_[std::size_t(std::countr_zero(m))] += Tally(1) << (4 * i);
        wanted_ |= Tally(std::clamp(s.colours, 0, 7)) << (4 * i);
        target_ |= Tally(std::clamp(s.positions, 0, 7)) << (4 * i);
    }

    // A colour placed fixes its position: what is left is a shorter code
    // over the other positions, of the colours not placed.
    Tally fixed = 0;
    for (int k = 0; k < positions_; ++k) {
        const int c = std::size_t(k) < placed.size() ? placed[std::size_t(k)] : NoColour;
        if (c < 0 || c >= PaletteColours) {
            slot_[std::size_t(free_)] = k;
            gain_[std::size_t(free_++)] = gain[std::size_t(k)];
            continue;
        }
        placed_ |= Mask(1) << c;
        canBe_[std::size_t(k)] = std::uint16_t(1 << c);
        fixedCode_ |= Code(c) << (4 * k);
        fixed += gain[std::size_t(k)][std::size_t(c)];
    }
    pool_ = inPlay_ & ~placed_;
    Tally placedColours = 0;
    for (int c = 0; c < PaletteColours; ++c) {
        placedColours += placed_ >> c & 1 ? member_[std::size_t(c)] : 0;
        untouched_ |= pool_ >> c & 1 && !member_[std::size_t(c)] ? Mask(1) << c : 0;
    }
    if (!atMost(fixed, target_) || !atMost(placedColours, wanted_))
        none_ = true;
    target_ -= fixed;
    wanted_ -= placedColours;

    // Splitting the positions in the middle keeps both halves' tables small:
    // at 7 positions 560 sets of three colours and 1,820 of four.
    const int sizes[2] = {free_ / 2, free_ - free_ / 2};
    for (int h = 0; h < 2; ++h) {
        Half& half = halves_[h];
        half.from = h == 0 ? 0 : sizes[0];
        half.size = sizes[h];
        std::array<std::uint8_t, 4> p{0, 1, 2, 3};
        do
            half.permutations.push_back(p);
        while (std::next_permutation(p.begin(), p.begin() + half.size));
        half.begin.assign(std::size_t(Binomials[PaletteColours][half.size]), -1);
        half.runCount.assign(half.begin.size(), 0);
    }
    for (unsigned chosen = 0; chosen < (1u << free_); ++chosen) {
        if (std::popcount(chosen) != sizes[0])
            continue;
        Split split{};
        int f = 0, s = 0;
        for (int i = 0; i < free_; ++i)
            (chosen >> i & 1 ? split.first[f++] : split.second[s++]) = std::uint8_t(i);
        splits_.push_back(split);
    }
}

void CodeSpace::makeRuns(Half& half, Mask colours, int rank)
{
    std::array<int, 4> colour{};
    int n = 0;
    for (Mask m = colours; m; m &= m - 1)
        colour[std::size_t(n++)] = std::countr_zero(m);

    // Every order of the colours over the half's positions that no clue
    // disproves on its own, sorted by what it scores.
    struct Order {
        Tally tally;
        Code code;
    };
    std::array<Order, 24> found;
    int count = 0;
    for (const auto& p : half.permutations) {
        Order o{0, 0};
        for (int j = 0; j < half.size; ++j) {
            const std::size_t k = std::size_t(half.from + j), c = std::size_t(colour[p[std::size_t(j)]]);
            o.code |= Code(c) << (4 * slot_[k]);
            o.tally += gain_[k][c];
        }
        if (!atMost(o.tally, target_))
            continue;
        int i = count++;
        for (; i > 0 && found[std::size_t(i - 1)].tally > o.tally; --i)
            found[std::size_t(i)] = found[std::size_t(i - 1)];
        found[std::size_t(i)] = o;
    }

    half.begin[std::size_t(rank)] = std::int32_t(half.runs.size());
    int runs = 0;
    for (int i = 0; i < count; ++runs) {
        Run run{found[std::size_t(i)].tally, 0, std::uint32_t(half.orders.size()), 0};
        for (; i < count && found[std::size_t(i)].tally == run.tally; ++i) {
            const Code code = found[std::size_t(i)].code;
            for (int j = 0; j < half.size; ++j)
                run.where |= std::uint64_t(1) << (16 * j + int(code >> (4 * slot_[std::size_t(half.from + j)]) & 0xF));
            half.orders.push_back(code);
            ++run.size;
        }
        half.runs.push_back(run);
    }
    half.runCount[std::size_t(rank)] = std::uint8_t(runs);
}

CodeSpace::Runs CodeSpace::runsOf(Half& half, Mask colours, int rank)
{
    if (half.begin[std::size_t(rank)] < 0)
        makeRuns(half, colours, rank);
    return {half.runs.data() + half.begin[std::size_t(rank)], half.runCount[std::size_t(rank)]};
}

// Calls visit(first, second) for every pair of half runs whose orders make
// codes of `set` that fit: the first half on one side of a split, the second
// on the other, the two tallies adding up to the scores seen. Runs are sorted
// by tally, and a tally plus another never carries from one clue's nibble to
// the next, so one pass from either end finds the pairs. Stops when visit
// returns true, and says so.
template <class Visit> bool CodeSpace::join(Mask set, Visit&& visit)
{
    std::array<int, MostPositions> colour{};
    int n = 0;
    for (Mask m = set; m; m &= m - 1)
        colour[std::size_t(n++)] = std::countr_zero(m);
    for (const Split& split : splits_) {
        Mask m1 = 0, m2 = 0;
        int r1 = 0, r2 = 0;
        for (int t = 0; t < halves_[0].size; ++t) {
            const int c = colour[split.first[std::size_t(t)]];
            m1 |= Mask(1) << c;
            r1 += Binomials[std::size_t(c)][std::size_t(t + 1)];
        }
        for (int t = 0; t < halves_[1].size; ++t) {
            const int c = colour[split.second[std::size_t(t)]];
            m2 |= Mask(1) << c;
            r2 += Binomials[std::size_t(c)][std::size_t(t + 1)];
        }
        const Runs a = runsOf(halves_[0], m1, r1);
        const Runs b = runsOf(halves_[1], m2, r2);
        for (int i = 0, j = b.size - 1; i < a.size && j >= 0;) {
            const Tally sum = a.data[i].tally + b.data[j].tally;
            if (sum == target_) {
                if (visit(a.data[i], b.data[j]))
                    return true;
                ++i;
                --j;
            } else if (sum < target_) {
                ++i;
            } else {
                --j;
            }
        }
    }
    return false;
}

// Every set of `size` colours of `pool` that holds as many colours of each
// clue as it scored, in a fixed order. Each colour in turn is taken or left,
// for as long as the counts can still be met.
template <class Visit> void CodeSpace::forEachSet(Mask pool, int size, Visit&& visit) const
{
    std::array<int, PaletteColours> colour{};
    std::array<Tally, PaletteColours + 1> rest{};  // clue colours among colour i and after
    int n = 0;
    for (Mask m = pool; m; m &= m - 1)
        colour[std::size_t(n++)] = std::countr_zero(m);
    for (int i = n - 1; i >= 0; --i)
        rest[std::size_t(i)] = rest[std::size_t(i) + 1] + member_[std::size_t(colour[std::size_t(i)])];
    const auto choose = [&](const auto& self, int i, int left, Mask set, Tally held) -> void {
        if (left == 0) {
            if (held == wanted_)
                visit(set);
            return;
        }
        if (n - i < left)
            return;
        const Tally with = held + member_[std::size_t(colour[std::size_t(i)])];
        if (atMost(with, wanted_))
            self(self, i + 1, left - 1, set | Mask(1) << colour[std::size_t(i)], with);
        if (atMost(wanted_ - held, rest[std::size_t(i) + 1]))
            self(self, i + 1, left, set, held);
    };
    choose(choose, 0, size, 0, 0);
}

// The colours no clue holds are alike: a set's orders are counted with the
// lowest of them, and stand for every choice of as many.
template <class Visit> void CodeSpace::forEachShape(Visit&& visit)
{
    const Mask touched = pool_ & ~untouched_;
    Mask blanks = 0, rest = untouched_;
    for (int b = 0; b <= free_; ++b) {
        forEachSet(touched, free_ - b, [&](Mask set) { visit(set | blanks, b); });
        if (!rest)
            break;
        blanks |= rest & (~rest + 1);  // the lowest left
        rest &= rest - 1;
    }
}

std::uint64_t CodeSpace::choices(int blanks) const
{
    return std::uint64_t(Binomials[std::size_t(bitCount(untouched_))][std::size_t(blanks)]);
}

void CodeSpace::scan()
{
    if (scanned_)
        return;
    scanned_ = true;
    if (none_)
        return;
    forEachShape([&](Mask set, int blanks) {
        std::uint64_t orders = 0;
        join(set, [&](const Run& a, const Run& b) {
            orders += std::uint64_t(a.size) * b.size;
            for (int j = 0; j < halves_[0].size; ++j)
                canBe_[std::size_t(slot_[std::size_t(j)])] |= std::uint16_t(a.where >> (16 * j));
            for (int j = 0; j < halves_[1].size; ++j)
                canBe_[std::size_t(slot_[std::size_t(halves_[1].from + j)])] |= std::uint16_t(b.where >> (16 * j));
            return false;
        });
        if (orders)
            sets_.push_back({set, blanks, orders});
    });
    // A position that can hold one colour no clue holds can hold any of them.
    for (std::uint16_t& c : canBe_)
        c |= c & untouched_ ? std::uint16_t(untouched_) : 0;
}

std::uint64_t CodeSpace::count()
{
    scan();
    std::uint64_t total = 0;
    for (const SetCount& s : sets_)
        total += s.orders * choices(s.blanks);
    return total;
}

bool CodeSpace::any()
{
    if (scanned_ || none_)
        return !sets_.empty();
    bool found = false;
    forEachShape([&](Mask set, int) {
        found = found || join(set, [](const Run&, const Run&) { return true; });
    });
    return found;
}

Knowledge CodeSpace::knowledge()
{
    Knowledge k;
    k.possible = count();
    if (sets_.empty()) {
        k.notInCode = std::uint16_t(inPlay_);
        return k;
    }
    const int untouched = bitCount(untouched_);
    Mask all = placed_, every = pool_;
    for (const SetCount& s : sets_) {
        const Mask set = s.set & ~untouched_;
        all |= set | (s.blanks > 0 ? untouched_ : 0);
        every &= set | (s.blanks == untouched ? untouched_ : 0);
    }
    k.inCode = std::uint16_t(every | placed_);
    k.notInCode = std::uint16_t(inPlay_ & ~all);
    for (int p = 0; p < positions_; ++p)
        k.canBe[std::size_t(p)] = canBe_[std::size_t(p)];
    return k;
}

void CodeSpace::emitCodes(const SetCount& s, std::vector<Code>& out)
{
    const Mask blanks = s.set & untouched_;
    const std::size_t first = out.size();
    join(s.set, [&](const Run& a, const Run& b) {
        for (std::uint32_t i = a.first; i < a.first + a.size; ++i)
            for (std::uint32_t j = b.first; j < b.first + b.size; ++j)
                out.push_back(fixedCode_ | halves_[0].orders[i] | halves_[1].orders[j]);
        return false;
    });
    const std::size_t last = out.size();
    for (std::uint64_t q = 1; q < choices(s.blanks); ++q) {
        const Mask chosen = nthSubset(untouched_, s.blanks, q);
        for (std::size_t i = first; i < last; ++i)
            out.push_back(relabel(out[i], positions_, blanks, chosen));
    }
}

Code CodeSpace::nth(const SetCount& s, std::uint64_t rank)
{
    const std::uint64_t choice = rank / s.orders;
    rank %= s.orders;
    Code code = 0;
    join(s.set, [&](const Run& a, const Run& b) {
        const std::uint64_t here = std::uint64_t(a.size) * b.size;
        if (rank >= here) {
            rank -= here;
            return false;
        }
        code = fixedCode_ | halves_[0].orders[a.first + rank / b.size] | halves_[1].orders[b.first + rank % b.size];
        return true;
    });
    return relabel(code, positions_, s.set & untouched_, nthSubset(untouched_, s.blanks, choice));
}

std::vector<Code> CodeSpace::codes(std::size_t most, std::uint64_t seed)
{
    std::vector<Code> out;
    const std::uint64_t total = count();
    if (total <= most) {
        out.reserve(std::size_t(total));
        for (const SetCount& s : sets_)
            emitCodes(s, out);
        return out;
    }
    std::vector<std::uint64_t> ranks(most);
    for (std::uint64_t& r : ranks)
        r = nextRandom(seed) % total;
    std::sort(ranks.begin(), ranks.end());
    ranks.erase(std::unique(ranks.begin(), ranks.end()), ranks.end());
    std::uint64_t base = 0;
    auto r = ranks.begin();
    for (const SetCount& s : sets_) {
        const std::uint64_t here = s.orders * choices(s.blanks);
        for (; r != ranks.end() && *r < base + here; ++r)
            out.push_back(nth(s, *r - base));
        base += here;
    }
    return out;
}

} // namespace game::codes
