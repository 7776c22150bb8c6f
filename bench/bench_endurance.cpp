// A thousand games in one process, played through the board's handlers:
// resident memory must not creep, and every new game must leave exactly the
// controls a fresh board of its size has.
//
//   QT_QPA_PLATFORM=offscreen bench_endurance [games]      (default 1000)
//
// Colours go in by palette double-clicks, palette drags, copies from the try
// above and slot drags; tries are scored until a win or the tenth try, some
// games are given up, and the selectors change the sizes now and then. The
// window is shown and the event loop runs after every try, so the repaints,
// posted events and deferred deletions of a real session happen too.
#include "BoardDriver.h"

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
    Endurance() : b(*d.board), rng(7) {}

    qsizetype controls() const { return b.client()->findChildren<QWidget*>().size(); }

    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Snapshot snapshot(int game) const
    {
        return {game, statusKib("VmRSS"), long(mallinfo2().uordblks / 1024), QApplication::allWidgets().size(),
                controls(), b.positions()};
    }

    void changeSizes()
    {
        std::uniform_int_distribution<int> clicks(0, 3);
        for (int i = clicks(rng); i > 0; --i)
            b.MaxColors_MouseUp(rng() % 2 ? tk::LeftButton : tk::RightButton, 0, 0, 0);
        for (int i = clicks(rng); i > 0; --i)
            b.Maxpositions_MouseUp(rng() % 2 ? tk::LeftButton : tk::RightButton, 0, 0, 0);
    }

    bool slotEmpty(int k) const { return tk::val(b.Guessed(tk::Integer(k)).Tag()) == -1; }
    int firstEmpty() const
    {
        for (int k = b.RowFirst; k <= b.RowLast; ++k)
            if (slotEmpty(k))
                return k;
        return -1;
    }

    // A drag of palette colour c onto slot k, in the handlers' own coordinates.
    void dragColour(int c, int k)
    {
        const tk::Image& from = b.Picture1(tk::Integer(c));
        const tk::Image& to = b.Guessed(tk::Integer(k));
        const tk::Integer i = tk::Integer(c);
        b.Picture1_MouseDown(i, tk::LeftButton, 0, 180, 180);
        b.Picture1_MouseMove(i, tk::LeftButton, 0, (to.Left() + from.Left()) / 2 - from.Left() + 180, 180);
        b.Picture1_MouseMove(i, tk::LeftButton, 0, to.Left() - from.Left() + 180, to.Top() - from.Top() + 180);
        b.Picture1_MouseUp(i, tk::LeftButton, 0, to.Left() - from.Left() + 180, to.Top() - from.Top() + 180);
    }

    void dragSlot(int f, int t)
    {
        const tk::Image& from = b.Guessed(tk::Integer(f));
        const tk::Image& to = b.Guessed(tk::Integer(t));
        const float x = to.Left() - from.Left() + 180, y = to.Top() - from.Top() + 180;
        b.Guessed_MouseDown(tk::Integer(f), tk::LeftButton, 0, 180, 180);
        b.Guessed_MouseMove(tk::Integer(f), tk::LeftButton, 0, x, y);
        b.Guessed_MouseUp(tk::Integer(f), tk::LeftButton, 0, x, y);
    }

    // Fills the current try with distinct colours in play, by every gesture there is.
    void composeTry(bool playCode)
    {
        std::vector<int> colours = playCode ? d.code() : std::vector<int>(b.ColourOrder.begin(), b.ColourOrder.begin() + b.MaxColour + 1);
        if (!playCode)
            std::shuffle(colours.begin(), colours.end(), rng);
        const int P = b.positions();
        if (b.CurrentTry > 0 && !playCode && rng() % 2)
            b.Guessed_DblClick(tk::Integer(b.RowFirst - P + int(rng() % unsigned(P))));  // a copy from the try above
        size_t next = 0;
        const int e = firstEmpty();
        if (e >= 0 && e != b.RowLast && slotEmpty(b.RowLast) && rng() % 2) {
            // Into the last slot, then carried over to the first empty one.
            dragColour(colours[next++], b.RowLast);
            dragSlot(b.RowLast, e);
        }
        for (int k = b.RowFirst; k <= b.RowLast; ++k) {
            if (!slotEmpty(k))
                continue;
            const int c = colours[next++ % colours.size()];
            if (rng() % 3 == 0)
                dragColour(c, k);
            else
                b.Picture1_DblClick(tk::Integer(c));
        }
        // Whatever a refused placement left empty is filled from the palette.
        for (size_t i = 0; i < colours.size() * 2 && firstEmpty() >= 0; ++i)
            b.Picture1_DblClick(tk::Integer(colours[i % colours.size()]));
        for (int c = 0; c < 16 && firstEmpty() >= 0; ++c)
            b.Picture1_DblClick(tk::Integer(c));
    }

    enum Outcome { Won, Lost, GaveUp };
    Outcome playGame(int g)
    {
        if (g % 5 == 0)
            changeSizes();
        std::uniform_int_distribution<int> winningTry(0, 14);  // past 9: the game is lost
        const int win = winningTry(rng);
        const bool giveUp = g % 7 == 3;
        for (int t = 0; b.GameOver != b.FlagYes; ++t) {
            if (giveUp && t == 4) {
                b.Giveup_Click();
                break;
            }
            composeTry(t == win);
            b.GuessComplete_Click();
            settle();
        }
        const Outcome outcome = b.CongText->isVisible() ? Won : giveUp && b.CurrentTry == 4 ? GaveUp : Lost;
        if (outcome == Won)
            b.CongText_Click();
        else
            b.FailText_Click();
        settle();
        return outcome;
    }

    BoardDriver d;
    GameBoard& b;
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
    // The controls of a fresh board, less its one row of guess slots.
    const qsizetype fixed = e.controls() - e.b.positions();
    const qsizetype startControls = e.controls();
    int checked = 0, wrong = 0;
    std::vector<Snapshot> snaps{e.snapshot(0)};
    int outcomes[3] = {};

    const auto t0 = std::chrono::steady_clock::now();
    for (int g = 1; g <= games; ++g) {
        ++outcomes[e.playGame(g)];
        // After NewGame: a fresh board's controls and one row of slots, nothing more.
        ++checked;
        if (e.controls() != fixed + e.b.positions()) {
            if (++wrong <= 5)
                std::printf("game %d: %lld controls after the new game, expected %lld\n", g, (long long)e.controls(),
                            (long long)(fixed + e.b.positions()));
        }
        if (g == 10 || g == games)
            snaps.push_back(e.snapshot(g));
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    std::printf("Endurance: %d games through the handlers, platform %s, Qt %s, %.1f s (%.1f ms per game)\n", games,
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
    std::printf("controls after every new game = %lld fixed + one row of slots (start: %lld at 4 positions): "
                "%d of %d games %s\n",
                (long long)fixed, (long long)startControls, checked - wrong, checked, wrong == 0 ? "(met)" : "(MISSED)");
    return wrong == 0 ? 0 : 1;
}
