// The deduction aid's speed and strength, run by hand (see README.md):
//   bench_deduction [count] [judge] [suggest] [strength10] [strength6] [strength16] [variants] [games=N]
// With no part named, all of them but the variants. games=N sets the number
// of seeded games of the parts that play them.
#include "game/CodeSpace.h"
#include "game/Deduction.h"
#include "game/Scoring.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

using game::Clue;
using game::History;
using game::Score;

namespace {

// Wall-clock time and the thread's CPU time (which leaves out the time the
// scheduler gave to other processes on a shared machine), in microseconds.
struct Times {
    std::vector<double> wall, cpu;

    static double cpuNow()
    {
        timespec t;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
    }
    template <class F> auto operator()(F&& f)
    {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = cpuNow();
        auto result = f();
        cpu.push_back(cpuNow() - cpuStart);
        wall.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        return result;
    }
    void add(const Times& t)
    {
        wall.insert(wall.end(), t.wall.begin(), t.wall.end());
        cpu.insert(cpu.end(), t.cpu.begin(), t.cpu.end());
    }
    static void header()
    {
        std::printf("  %-40s %6s | %27s | %27s\n", "", "", "wall clock, us", "thread cpu time, us");
        std::printf("  %-40s %6s | %8s %9s %8s | %8s %9s %8s\n", "", "calls", "p50", "p99", "max", "p50", "p99", "max");
    }
    void print(const std::string& what) const
    {
        if (wall.empty())
            return;
        const auto quantiles = [](std::vector<double> v) {
            std::sort(v.begin(), v.end());
            const auto at = [&](double q) { return v[std::min(v.size() - 1, std::size_t(q * double(v.size())))]; };
            return std::array<double, 3>{at(0.5), at(0.99), v.back()};
        };
        const auto w = quantiles(wall), c = quantiles(cpu);
        std::printf("  %-40s %6zu | %8.1f %9.1f %8.1f | %8.1f %9.1f %8.1f\n", what.c_str(), wall.size(), w[0], w[1], w[2], c[0],
                    c[1], c[2]);
    }
};

std::string size(int colours, int positions)
{
    return std::to_string(colours) + "/" + std::to_string(positions);
}

// A game's colours in play: `colours` of the 16, drawn, in palette order.
std::vector<int> drawInPlay(std::mt19937_64& rng, int colours)
{
    std::vector<int> all(game::PaletteColours);
    std::iota(all.begin(), all.end(), 0);
    std::shuffle(all.begin(), all.end(), rng);
    all.resize(std::size_t(colours));
    std::sort(all.begin(), all.end());
    return all;
}

std::vector<int> drawTry(std::mt19937_64& rng, const std::vector<int>& inPlay, int positions)
{
    std::vector<int> t(inPlay);
    std::shuffle(t.begin(), t.end(), rng);
    t.resize(std::size_t(positions));
    return t;
}

Clue scored(const std::vector<int>& t, const std::vector<int>& code)
{
    return {t, game::scoreTry(t, code)};
}

// The histories of seeded games, after each of up to `tries` tries: tries
// drawn among all tries (`fitting` false), or among the codes that fit the
// scores before them, as a player who never plays a try known to be wrong.
std::vector<History> histories(int colours, int positions, int games, int tries, bool fitting, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    std::vector<History> out;
    for (int g = 0; g < games; ++g) {
        History h{drawInPlay(rng, colours), positions, {}};
        const std::vector<int> code = drawTry(rng, h.inPlay, positions);
        for (int t = 0; t < tries; ++t) {
            std::vector<int> next = drawTry(rng, h.inPlay, positions);
            if (fitting && !h.clues.empty()) {
                game::codes::CodeSpace space(h, h.clues.size());
                next = game::codes::unpack(space.codes(1, rng()).front(), positions);
            }
            h.clues.push_back(scored(next, code));
            if (h.clues.back().score.positions == positions)
                break;
            out.push_back(h);
        }
    }
    return out;
}

void benchCount(int games)
{
    std::printf("\nCounting the possible codes, and deduce(): %d seeded games of each kind, their histories after 1..9 tries\n",
                games);
    Times::header();
    for (const bool fitting : {false, true}) {
        const char* kind = fitting ? ", fitting tries" : ", random tries";
        std::map<std::size_t, Times> byTries;
        Times count, deduce;
        for (const History& h : histories(16, 7, games, 9, fitting, 7 + fitting)) {
            byTries[h.clues.size()]([&] { return game::possibleCodes(h); });
            deduce([&] { return game::deduce(h); });
        }
        for (const auto& [tries, t] : byTries) {
            count.add(t);
            t.print("16/7 count after " + std::to_string(tries) + kind);
        }
        count.print(std::string("16/7 count after 1..9") + kind);
        deduce.print(std::string("16/7 deduce() after 1..9") + kind);
    }
    for (const bool fitting : {false, true}) {
        Times count, deduce;
        for (const History& h : histories(6, 4, games, 9, fitting, 9 + fitting)) {
            count([&] { return game::possibleCodes(h); });
            deduce([&] { return game::deduce(h); });
        }
        count.print(fitting ? "6/4 count, fitting tries" : "6/4 count, random tries");
        deduce.print(fitting ? "6/4 deduce(), fitting tries" : "6/4 deduce(), random tries");
    }
}

void benchJudge(int games)
{
    std::printf("\njudge(): %d seeded games of random tries; after each try, tries of 1..positions colours placed\n", games);
    Times::header();
    for (const auto& [colours, positions] : {std::pair{16, 7}, std::pair{6, 4}}) {
        std::mt19937_64 rng(11);
        Times partial, complete, ruledOut;
        for (const History& h : histories(colours, positions, games, 9, false, 13)) {
            for (int placed = 1; placed <= positions; ++placed) {
                std::vector<int> t = drawTry(rng, h.inPlay, positions);
                for (int k = placed; k < positions; ++k)
                    t[std::size_t(k)] = game::NoColour;
                std::shuffle(t.begin(), t.end(), rng);
                Times& into = placed == positions ? complete : partial;
                if (!into([&] { return game::judge(h, t); }).possible) {
                    ruledOut.wall.push_back(into.wall.back());
                    ruledOut.cpu.push_back(into.cpu.back());
                }
            }
        }
        partial.print(size(colours, positions) + " partial tries");
        complete.print(size(colours, positions) + " complete tries");
        ruledOut.print(size(colours, positions) + " of both, those ruled out");
    }
}

// A way of choosing, by name.
struct Variant {
    const char* name;
    game::codes::Tuning tuning;
};

// The strategy is deterministic, so every code can be played at once: the
// codes that score alike against the suggested try share the rest of the game.
struct Strength {
    std::map<int, std::uint64_t> byTries;  // codes found at each try
    std::uint64_t unfound = 0;
    Times suggest;
};

void playAll(History& h, const std::vector<std::vector<int>>& codes, const game::codes::Tuning& tuning, Strength& s)
{
    const std::vector<int> t = s.suggest([&] { return game::codes::suggestTry(h, tuning); });
    std::map<std::pair<int, int>, std::vector<std::vector<int>>> groups;
    for (const auto& code : codes) {
        const Score sc = game::scoreTry(t, code);
        groups[{sc.colours, sc.positions}].push_back(code);
    }
    const int tries = int(h.clues.size()) + 1;
    for (const auto& [score, group] : groups) {
        if (score.second == h.positions) {
            s.byTries[tries] += group.size();
        } else if (tries >= 20) {
            s.unfound += group.size();
        } else {
            h.clues.push_back({t, {score.first, score.second}});
            playAll(h, group, tuning, s);
            h.clues.pop_back();
        }
    }
}

Strength allCodes(int colours, int positions, const game::codes::Tuning& tuning)
{
    History h{std::vector<int>(std::size_t(colours)), positions, {}};
    std::iota(h.inPlay.begin(), h.inPlay.end(), 0);
    std::vector<std::vector<int>> codes;
    std::vector<int> code;
    const auto all = [&](const auto& self) -> void {
        if (code.size() == std::size_t(positions))
            return codes.push_back(code);
        for (int c = 0; c < colours; ++c)
            if (std::find(code.begin(), code.end(), c) == code.end()) {
                code.push_back(c);
                self(self);
                code.pop_back();
            }
    };
    all(all);
    Strength s;
    playAll(h, codes, tuning, s);
    return s;
}

void benchAllCodes(int colours, int positions)
{
    const auto start = std::chrono::steady_clock::now();
    const Strength s = allCodes(colours, positions, {});
    std::uint64_t total = 0, codes = 0;
    for (const auto& [tries, n] : s.byTries) {
        total += std::uint64_t(tries) * n;
        codes += n;
    }
    std::printf("\nStrength at %d colours and %d positions, every code played from the first try (%llu codes, %.1f s)\n",
                colours, positions, (unsigned long long)(codes + s.unfound),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    std::printf("  total tries %llu, average %.4f, most %d, not found within 20 tries %llu\n", (unsigned long long)total,
                double(total) / double(codes), s.byTries.rbegin()->first, (unsigned long long)s.unfound);
    std::printf("  codes found at try:");
    for (const auto& [tries, n] : s.byTries)
        std::printf("  %d: %llu", tries, (unsigned long long)n);
    std::printf("\n");
    Times::header();
    s.suggest.print("suggestTry(), once per history met");
}

struct Games {
    int won = 0, triesWon = 0;
    std::map<int, int> byTries;  // games won at each try; Tries + 1: lost
    Times suggest;
};

Games seededGames(int colours, int positions, int games, const game::codes::Tuning& tuning)
{
    std::mt19937_64 rng(2026);
    Games out;
    for (int g = 0; g < games; ++g) {
        History h{drawInPlay(rng, colours), positions, {}};
        const std::vector<int> code = drawTry(rng, h.inPlay, positions);
        int found = game::Tries + 1;
        for (int t = 1; t <= game::Tries && found > game::Tries; ++t) {
            h.clues.push_back(scored(out.suggest([&] { return game::codes::suggestTry(h, tuning); }), code));
            if (h.clues.back().score.positions == positions)
                found = t;
        }
        ++out.byTries[found];
        if (found <= game::Tries) {
            ++out.won;
            out.triesWon += found;
        }
    }
    return out;
}

void benchSeededGames(int colours, int positions, int games)
{
    const auto start = std::chrono::steady_clock::now();
    const Games r = seededGames(colours, positions, games, {});
    std::printf("\nStrength at %d colours and %d positions, %d seeded games played from the first try (%.1f s)\n", colours,
                positions, games, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    std::printf("  won within %d tries: %d (%.1f %%), average tries of the games won %.3f\n", game::Tries, r.won,
                100.0 * r.won / games, r.won ? double(r.triesWon) / r.won : 0.0);
    std::printf("  games won at try:");
    for (const auto& [tries, n] : r.byTries) {
        if (tries > game::Tries)
            std::printf("  lost: %d", n);
        else
            std::printf("  %d: %d", tries, n);
    }
    std::printf("\n");
    Times::header();
    r.suggest.print("suggestTry(), every try of every game");
}

void benchSuggest(int games)
{
    std::printf("\nsuggestTry() at every try of seeded games it plays, %d at 16/7 and %d at 6/4\n", games, games * 10);
    Times::header();
    seededGames(16, 7, games, {}).suggest.print("16/7");
    seededGames(6, 4, games * 10, {}).suggest.print("6/4");
}

// The ways of choosing tried on the way to the defaults, each with the
// strength it reaches.
void benchVariants(int games)
{
    using game::codes::Metric;
    using game::codes::Tuning;
    const auto with = [](auto change) {
        Tuning t;
        change(t);
        return t;
    };
    const auto plain = [](Tuning& t, Metric metric) {
        t.metric = metric;
        t.randomTries = 0;
        t.climbs = 0;
        t.lookahead = 0;
        t.deadline = false;
    };
    const std::vector<Variant> variants{
        {"fewest codes left on average", with([&](Tuning& t) { plain(t, Metric::Size); })},
        {"most parts", with([&](Tuning& t) { plain(t, Metric::Parts); })},
        {"entropy", with([&](Tuning& t) { plain(t, Metric::Entropy); })},
        {"tries left", with([&](Tuning& t) { plain(t, Metric::TriesLeft); })},
        {"tries left, look-ahead, all next tries", with([&](Tuning& t) {
             plain(t, Metric::TriesLeft);
             t.lookahead = 10;
             t.lookaheadPool = 200;
             t.lookaheadChildren = 6000;
         })},
        {"tries left, look-ahead", with([&](Tuning& t) {
             plain(t, Metric::TriesLeft);
             t.lookahead = 20;
         })},
        {"... and drawn tries, improved", with([&](Tuning& t) {
             t.deadline = false;
         })},
        {"... and the deadline (the defaults)", Tuning{}},
        {"entropy, drawn tries, improved, deadline", with([&](Tuning& t) {
             t.metric = Metric::Entropy;
             t.lookahead = 0;
         })},
    };
    std::printf("\nVariants: the average tries over all codes at 10/4 and 6/4 (most in brackets), and the games won within %d "
                "tries of %d seeded games at 16/7\n",
                game::Tries, games);
    std::printf("  %-44s %16s %16s %12s %16s\n", "", "10/4", "6/4", "16/7 won", "16/7 p99 cpu us");
    for (const Variant& v : variants) {
        std::string figures[2];
        for (int i = 0; i < 2; ++i) {
            const Strength s = allCodes(i == 0 ? 10 : 6, 4, v.tuning);
            std::uint64_t total = 0, codes = 0;
            for (const auto& [tries, n] : s.byTries) {
                total += std::uint64_t(tries) * n;
                codes += n;
            }
            char text[32];
            std::snprintf(text, sizeof text, "%.4f (%d)", double(total) / double(codes), s.byTries.rbegin()->first);
            figures[i] = text;
        }
        const Games g = seededGames(16, 7, games, v.tuning);
        std::vector<double> cpu(g.suggest.cpu);
        std::sort(cpu.begin(), cpu.end());
        std::printf("  %-44s %16s %16s %10.1f %% %16.0f\n", v.name, figures[0].c_str(), figures[1].c_str(), 100.0 * g.won / games,
                    cpu[std::size_t(0.99 * double(cpu.size()))]);
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> parts;
    int games = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "games=", 6) == 0)
            games = std::atoi(argv[i] + 6);
        else
            parts.push_back(argv[i]);
    }
    const auto wants = [&](const char* part) {
        return (parts.empty() && std::strcmp(part, "variants") != 0)
            || std::find(parts.begin(), parts.end(), part) != parts.end();
    };
    if (wants("count"))
        benchCount(games ? games : 200);
    if (wants("judge"))
        benchJudge(games ? games : 100);
    if (wants("suggest"))
        benchSuggest(games ? games : 100);
    if (wants("strength10"))
        benchAllCodes(10, 4);
    if (wants("strength6"))
        benchAllCodes(6, 4);
    if (wants("strength16"))
        benchSeededGames(16, 7, games ? games : 1000);
    if (wants("variants"))
        benchVariants(games ? games : 1000);
    return 0;
}
