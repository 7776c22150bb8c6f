// Time from a pointer event to the end of the repaint it causes, per kind of
// event, over scripted games at 16 colours and 7 positions; and the area each
// drag move repaints.
//
//   QT_QPA_PLATFORM=offscreen bench_handlers [games] [deductions]     (default 50)
//
// With "deductions" the deductions window is open throughout and follows
// every event, its work running off the UI thread as in the game.
//
// Every gesture goes through Qt's own delivery (QTest's QWindow* overloads),
// and the timed section ends only after the event loop has handled the
// update request the event posted, so the widgets' paint events are inside
// it. After each timed section the loop is run once more: any paint event it
// delivers would have escaped the measurement, and is counted.
#include "BoardDriver.h"

#include <QApplication>
#include <QPaintEvent>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <time.h>

namespace {

long area(const QRegion& r)
{
    long a = 0;
    for (const QRect& rect : r)
        a += long(rect.width()) * rect.height();
    return a;
}

struct Painted {
    int events = 0;
    long layered = 0;  // each widget's painted area, summed: a pixel under two widgets counts twice
    QRegion window;    // the union, in window pixels
};

// Counts the paint events of the board's widgets and what they cover.
class PaintMeter : public QObject {
public:
    Painted painted;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            const QRegion& r = static_cast<QPaintEvent*>(e)->region();
            ++painted.events;
            painted.layered += area(r);
            painted.window += r.translated(w->mapTo(w->window(), QPoint(0, 0)));
        }
        return false;
    }
};

struct Samples {
    std::vector<double> us, cpuUs;
    long paints = 0;
};

// This thread's processor time: what the work itself costs, without the time
// the scheduler gave to other processes of a busy machine.
double threadCpuUs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    const size_t rank = size_t(std::ceil(p * double(v.size())));
    return v[std::max<size_t>(rank, 1) - 1];
}

class Bench {
public:
    Bench() { qApp->installEventFilter(&meter); }

    // Runs one event or gesture and the repaint it causes, timed.
    template <class F>
    void timed(const std::string& kind, F&& gesture)
    {
        meter.painted = {};
        const double c0 = threadCpuUs();
        const auto t0 = std::chrono::steady_clock::now();
        gesture();
        QCoreApplication::processEvents();
        const auto t1 = std::chrono::steady_clock::now();
        const double c1 = threadCpuUs();
        if (recording) {
            Samples& s = samples[kind];
            s.us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            s.cpuUs.push_back(c1 - c0);
            s.paints += meter.painted.events;
        }
        lastPaint = meter.painted;
        meter.painted = {};
        QCoreApplication::processEvents();
        escaped += meter.painted.events;
    }

    // A left-button drag in steps, each move timed and its repaint measured.
    void drag(const std::string& what, QPoint from, QPoint to, int steps)
    {
        timed("press (" + what + ")", [&] { d.press(Qt::LeftButton, from); });
        for (int i = 1; i <= steps; ++i) {
            const QPoint p = from + (to - from) * i / steps;
            const QRect before = d.dragImage().geometry();
            timed("move (" + what + " drag)", [&] { d.move(p); });
            const QRect after = d.dragImage().geometry();
            if (recording) {
                // What must be repainted at least: where the drag image was and is.
                const QRegion needed = QRegion(before) + QRegion(after);
                // The image moves in two steps, Left then Top, and passes through this place.
                const QRegion between = needed + QRect(after.x(), before.y(), before.width(), before.height());
                moveArea.push_back({area(lastPaint.window), lastPaint.layered, area(needed), area(between)});
            }
        }
        timed("release (" + what + " drop)", [&] { d.release(Qt::LeftButton, to); });
    }

    void requireTry(const std::vector<int>& expected, const char* where)
    {
        if (d.currentTry() != expected) {
            std::fprintf(stderr, "bench_handlers: the try is not what was played (%s)\n", where);
            std::exit(1);
        }
    }

    // One game of ten tries: the last wins when `win`, every other misses.
    void playGame(bool win, std::mt19937& rng)
    {
        const int P = d.game().positions();
        std::vector<int> previous;
        for (int t = 0; t <= 9; ++t) {
            const std::vector<int> code = d.code();
            std::vector<int> wrong;  // colours in play outside the code
            for (int place = 0; place < d.game().colours(); ++place)
                if (std::find(code.begin(), code.end(), d.game().colourAtPlace(place)) == code.end())
                    wrong.push_back(d.game().colourAtPlace(place));
            std::vector<int> guess;
            if (win && t == 9) {
                guess = code;
            } else {
                // A permutation of the colours in play, with at least one outside the code.
                std::vector<int> colours;
                for (int place = 0; place < d.game().colours(); ++place)
                    colours.push_back(d.game().colourAtPlace(place));
                std::shuffle(colours.begin(), colours.end(), rng);
                std::shuffle(wrong.begin(), wrong.end(), rng);
                guess = {wrong[0]};
                for (int c : colours)
                    if (int(guess.size()) < P && c != wrong[0])
                        guess.push_back(c);
                std::shuffle(guess.begin(), guess.end(), rng);
            }
            const int row = d.firstOfTry(d.game().currentTry());

            // Slot 0 copies the first colour of the try above, when there is one and it fits.
            int next = 0;
            auto missesSomewhere = [&](const std::vector<int>& g) {
                return std::any_of(g.begin(), g.end(), [&](int c) { return std::find(code.begin(), code.end(), c) == code.end(); });
            };
            std::vector<int> copied = guess;
            if (t > 0)
                copied[0] = previous[0];
            if (t > 0 && !(win && t == 9) && std::count(copied.begin(), copied.end(), previous[0]) == 1
                && missesSomewhere(copied)) {
                guess[0] = previous[0];
                timed("dblclick (slot copy)", [&] { d.dblClick(d.cellOf(d.slot(row - P))); });
                next = 1;
            }
            for (; next < P - 3; ++next)
                timed("dblclick (palette)", [&] { d.dblClick(d.cellOf(d.colour(guess[size_t(next)]))); });
            auto cellOfColour = [&](int c) { return d.cellOf(d.colour(c)); };
            auto cellOfSlot = [&](int k) { return d.cellOf(d.slot(k)); };
            // The last three: two palette drags, the second into the last slot, then
            // a slot drag moves it one slot left and a third palette drag fills the last.
            drag("palette", cellOfColour(guess[size_t(P - 3)]), cellOfSlot(row + P - 3), 12);
            drag("palette", cellOfColour(guess[size_t(P - 2)]), cellOfSlot(row + P - 1), 12);
            drag("slot", cellOfSlot(row + P - 1), cellOfSlot(row + P - 2), 6);
            drag("palette", cellOfColour(guess[size_t(P - 1)]), cellOfSlot(row + P - 1), 12);
            requireTry(guess, "before OK");

            timed("OK click", [&] { d.clickButton(d.handIn()); });
            previous = guess;
            if (d.game().over())
                break;
        }
        if (!d.game().over() || d.won().isVisible() != win) {
            std::fprintf(stderr, "bench_handlers: the game did not end as scripted\n");
            std::exit(1);
        }
        timed("new game", [&] { d.clickButton(win ? d.won() : d.lost()); });
        requireTry(std::vector<int>(size_t(P), -1), "after new game");
    }

    void report(int games) const
    {
        std::printf("%-24s %6s | %27s | %27s | %6s\n", "", "", "wall clock, us", "thread cpu time, us", "paint");
        std::printf("%-24s %6s | %8s %8s %9s | %8s %8s %9s | %6s\n", "event (+ its repaint)", "count", "median", "p99",
                    "max", "median", "p99", "max", "events");
        bool wallMet = true, cpuMet = true;
        for (const auto& [kind, s] : samples) {
            const double p99 = percentile(s.us, 0.99), cpu99 = percentile(s.cpuUs, 0.99);
            wallMet = wallMet && p99 < 1000;
            cpuMet = cpuMet && cpu99 < 1000;
            std::printf("%-24s %6zu | %8.1f %8.1f %9.1f | %8.1f %8.1f %9.1f | %6.1f\n", kind.c_str(), s.us.size(),
                        percentile(s.us, 0.5), p99, *std::max_element(s.us.begin(), s.us.end()),
                        percentile(s.cpuUs, 0.5), cpu99, *std::max_element(s.cpuUs.begin(), s.cpuUs.end()),
                        double(s.paints) / double(s.us.size()));
        }
        std::printf("target p99 < 1000 us for every kind: wall clock %s, thread cpu time %s\n", wallMet ? "met" : "MISSED",
                    cpuMet ? "met" : "MISSED");
        std::printf("paint events left over after a timed section: %ld\n", escaped);

        std::vector<double> windowArea, layered, ratio;
        for (const MoveArea& m : moveArea) {
            windowArea.push_back(double(m.window));
            layered.push_back(double(m.layered));
            ratio.push_back(double(m.window) / double(std::max(1L, m.needed)));
        }
        std::vector<double> needed, between, ratioBetween;
        for (const MoveArea& m : moveArea) {
            needed.push_back(double(m.needed));
            between.push_back(double(m.between));
            ratioBetween.push_back(double(m.window) / double(std::max(1L, m.between)));
        }
        std::printf("\nrepainted per drag move (%zu moves, %d games; drag image 32x32 = 1024 px)\n", moveArea.size(), games);
        std::printf("%-48s %10s %10s %10s\n", "", "median", "p99", "max");
        auto row = [](const char* what, const std::vector<double>& v, const char* fmt) {
            std::printf("%-48s ", what);
            std::printf(fmt, percentile(v, 0.5));
            std::printf(" ");
            std::printf(fmt, percentile(v, 0.99));
            std::printf(" ");
            std::printf(fmt, *std::max_element(v.begin(), v.end()));
            std::printf("\n");
        };
        row("old + new drag image rectangles, px", needed, "%10.0f");
        row("window area repainted (union), px", windowArea, "%10.0f");
        row("painted by all widgets (layers summed), px", layered, "%10.0f");
        row("union / (old + new rectangles)", ratio, "%10.2f");
        row("old + (new Left, old Top) + new rectangles, px", between, "%10.0f");
        row("union / (old + (new Left, old Top) + new)", ratioBetween, "%10.2f");
    }

    BoardDriver d;
    bool recording = false;

private:
    struct MoveArea {
        long window, layered, needed, between;
    };
    PaintMeter meter;
    Painted lastPaint;
    std::map<std::string, Samples> samples;
    std::vector<MoveArea> moveArea;
    long escaped = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    Bench bench;
    BoardDriver& d = bench.d;
    const bool deductions = argc > 2 && std::string(argv[2]) == "deductions";
    if (deductions) {  // opened, drawn and its first findings shown before anything is timed
        d.deductionsItem()->trigger();
        if (!QTest::qWaitFor([&d] { return !d.deductions()->working(); }))
            std::fprintf(stderr, "bench_handlers: the deductions window is still working\n");
        QTest::qWait(100);
    }
    bench.recording = true;
    // Up to 16 colours and 7 positions with the selectors, as the player does.
    for (int i = 0; i < 10; ++i)
        bench.timed("selector click", [&] { d.clickButton(d.colourSelector()); });
    for (int i = 0; i < 3; ++i)
        bench.timed("selector click", [&] { d.clickButton(d.positionSelector()); });
    if (d.game().colours() != 16 || d.game().positions() != 7) {
        std::fprintf(stderr, "bench_handlers: the selectors did not reach 16 colours and 7 positions\n");
        return 1;
    }

    std::mt19937 rng(20240611);
    // Two games, one lost and one won, warm caches (glyphs, styles, the
    // outcome buttons' pixmaps) and are not counted: the very first click on
    // each outcome button in a process pays for its pressed look once.
    bench.recording = false;
    bench.playGame(false, rng);
    bench.playGame(true, rng);
    bench.recording = true;
    for (int g = 0; g < games; ++g)
        bench.playGame(g % 2 == 1, rng);

    std::printf("Handlers and repaint: %d games of ten tries at 16 colours and 7 positions, platform %s, Qt %s%s\n"
                "(the selector clicks are from the start, before the two unmeasured warm-up games)\n",
                games, qPrintable(QGuiApplication::platformName()), qVersion(), deductions ? ", the deductions window open" : "");
    bench.report(games);
    return 0;
}
