// A thousand games in one process, played through the board's real event
// delivery: resident memory must not creep, and every new game must leave the
// slot array exactly as a fresh board of its size has it, with no widget
// made beyond those the largest game needs.
//
//   QT_QPA_PLATFORM=offscreen bench_endurance [games]      (default 1000)
//
// Colours go in by palette double-clicks, palette drags, copies from the try
// above and slot drags; tries are scored until a win or the tenth try, some
// games are given up, and the selectors change the sizes now and then. The
// event loop runs after every try, so the repaints, posted events and
// deferred deletions of a real session happen too.
#include "BoardDriver.h"

#include <QAction>
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <random>
#include <string>

namespace {

long statusKib(const char* key)
{
    std::ifstream in("/proc/self/status");
    const size_t n = std::strlen(key);
    for (std::string line; std::getline(in, line);)
        if (line.compare(0, n, key) == 0 && line.size() > n && line[n] == ':')
            return std::atol(line.c_str() + n + 1);
    return -1;
}

struct Snapshot {
    int game;
    long rssKib, heapKib;
    qsizetype widgets, controls;
    int positions;
};

class Endurance {
public:
    Endurance() : g(d.game()), rng(7) {}

    qsizetype controls() const { return d.board->client()->findChildren<QWidget*>().size(); }

    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Snapshot snapshot(int game) const
    {
        return {game, statusKib("VmRSS"), long(mallinfo2().uordblks / 1024), QApplication::allWidgets().size(),
                controls(), g.positions()};
    }

    void changeSizes()
    {
        std::uniform_int_distribution<int> clicks(0, 3);
        for (tk::CommandButton* selector : {&d.colourSelector(), &d.positionSelector()})
            for (int i = clicks(rng); i > 0; --i)
                d.clickButton(*selector, rng() % 2 ? Qt::LeftButton : Qt::RightButton);
    }

    int first() const { return d.firstOfTry(g.currentTry()); }
    int last() const { return first() + g.positions() - 1; }
    bool slotEmpty(int k) const { return g.colourIn({k / g.positions(), k % g.positions()}) == game::NoColour; }
    int firstEmpty() const
    {
        for (int k = first(); k <= last(); ++k)
            if (slotEmpty(k))
                return k;
        return -1;
    }

    // Fills the current try with distinct colours in play, by every gesture there is.
    void composeTry(bool playCode)
    {
        std::vector<int> colours = playCode ? d.code() : std::vector<int>();
        for (int place = 0; !playCode && place < g.colours(); ++place)
            colours.push_back(g.colourAtPlace(place));
        if (!playCode)
            std::shuffle(colours.begin(), colours.end(), rng);
        const int P = g.positions();
        if (g.currentTry() > 0 && !playCode && rng() % 2)
            d.dblClick(d.cellOf(d.slot(first() - P + int(rng() % unsigned(P)))));  // a copy from the try above
        size_t next = 0;
        const int e = firstEmpty();
        if (e >= 0 && e != last() && slotEmpty(last()) && rng() % 2) {
            // Into the last slot, then carried over to the first empty one.
            d.drag(d.cellOf(d.colour(colours[next++])), d.cellOf(d.slot(last())));
            d.drag(d.cellOf(d.slot(last())), d.cellOf(d.slot(e)));
        }
        for (int k = first(); k <= last(); ++k) {
            if (!slotEmpty(k))
                continue;
            const int c = colours[next++ % colours.size()];
            if (rng() % 3 == 0)
                d.drag(d.cellOf(d.colour(c)), d.cellOf(d.slot(k)));
            else
                d.dblClick(d.cellOf(d.colour(c)));
        }
        // Whatever a refused placement left empty is filled from the palette.
        for (size_t i = 0; i < colours.size() * 2 && firstEmpty() >= 0; ++i)
            d.dblClick(d.cellOf(d.colour(colours[i % colours.size()])));
    }

    enum Outcome { Won, Lost, GaveUp };
    Outcome playGame(int game)
    {
        if (game % 5 == 0)
            changeSizes();
        std::uniform_int_distribution<int> winningTry(0, 14);  // past 9: the game is lost
        const int win = winningTry(rng);
        const bool giveUp = game % 7 == 3;
        for (int t = 0; !g.over(); ++t) {
            if (giveUp && t == 4) {
                d.giveUp()->trigger();
                break;
            }
            composeTry(t == win);
            d.clickButton(d.handIn());
            settle();
        }
        const Outcome outcome = d.won().isVisible() ? Won : giveUp && g.currentTry() == 4 ? GaveUp : Lost;
        d.clickButton(outcome == Won ? d.won() : d.lost());
        settle();
        return outcome;
    }

    BoardDriver d;
    const game::Game& g;
    std::mt19937 rng;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;

    Endurance e;
    e.settle();
    // Slot widgets are kept for reuse: at most the 70 of ten tries at seven
    // positions, beside the board's designed controls.
    const qsizetype designed = e.controls() - e.g.positions(), most = designed + 70;
    int checked = 0, wrong = 0;
    qsizetype largest = 0;
    std::vector<Snapshot> snaps{e.snapshot(0)};
    int outcomes[3] = {};

    const auto t0 = std::chrono::steady_clock::now();
    for (int g = 1; g <= games; ++g) {
        ++outcomes[e.playGame(g)];
        // After the new game: one row of slots, 0..positions-1, as on a fresh board.
        ++checked;
        int shown = 0;
        for (QWidget* w : e.d.board->client()->findChildren<tk::Image*>())
            shown += w->isVisible() && w->objectName().startsWith("Guessed(");
        largest = std::max(largest, e.controls());
        if (shown != e.g.positions() || e.g.currentTry() != 0 || e.controls() > most) {
            if (++wrong <= 5)
                std::printf("game %d: %d slots shown, %lld controls, after the new game\n", g, shown, (long long)e.controls());
        }
        if (g == 10 || g == games)
            snaps.push_back(e.snapshot(g));
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    std::printf("Endurance: %d games through real events, platform %s, Qt %s, %.1f s (%.1f ms per game)\n", games,
                qPrintable(QGuiApplication::platformName()), qVersion(), seconds, 1000 * seconds / games);
    std::printf("games won %d, lost after ten tries %d, given up %d\n", outcomes[Endurance::Won],
                outcomes[Endurance::Lost], outcomes[Endurance::GaveUp]);
    std::printf("%-14s %12s %16s %14s %16s %10s\n", "after game", "VmRSS KiB", "heap in use KiB", "widgets (all)",
                "board controls", "positions");
    for (const Snapshot& s : snaps)
        std::printf("%-14d %12ld %16ld %14lld %16lld %10d\n", s.game, s.rssKib, s.heapKib, (long long)s.widgets,
                    (long long)s.controls, s.positions);
    const Snapshot& a = snaps[1];
    const Snapshot& z = snaps.back();
    const long grow = z.rssKib - a.rssKib;
    std::printf("%-14s %+12ld %+16ld %+14lld %+16lld\n", "difference", grow, z.heapKib - a.heapKib,
                (long long)(z.widgets - a.widgets), (long long)(z.controls - a.controls));
    std::printf("target: VmRSS growth from game 10 to game %d within 1024 KiB: %s\n", games,
                std::labs(grow) <= 1024 ? "met" : "MISSED");
    std::printf("after every new game one row of slots, and at most %lld controls (%lld designed + 70 slots; "
                "most seen %lld): %d of %d games %s\n",
                (long long)most, (long long)designed, (long long)largest, checked - wrong, checked,
                wrong == 0 ? "(met)" : "(MISSED)");
    return wrong == 0 ? 0 : 1;
}
