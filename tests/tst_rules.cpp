// The game's rules that need no window: scoring, the feedback sentence, the
// shuffles and the random source.
#include "game/Scoring.h"
#include "game/Shuffle.h"
#include "toolkit/Random.h"

#include <QTest>
#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <set>

class tst_Rules : public QObject {
    Q_OBJECT

private slots:
    void sentenceForEachCountPair_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("positions");
        QTest::addColumn<int>("P");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("0,0") << 0 << 0 << 4 << "in previous try none of the colors were correct";
        QTest::newRow("1,0") << 1 << 0 << 4 << "in previous try only one color was correct, and none was in correct position";
        QTest::newRow("2,0") << 2 << 0 << 4 << "in previous try  2 colors were correct, and none was in correct position";
        QTest::newRow("1,1") << 1 << 1 << 4 << "in previous try only one color was correct, and only one was in correct position also";
        QTest::newRow("3,1") << 3 << 1 << 4 << "in previous try  3 colors were correct, and only one was in correct position also";
        QTest::newRow("3,2") << 3 << 2 << 4 << "in previous try  3 colors were correct, and 2 were in correct position also";
        QTest::newRow("4,0") << 4 << 0 << 4 << "all colors are correct, now rearrange these to find correct positions";
        QTest::newRow("4,1") << 4 << 1 << 4 << "all colors are correct, and only one was in correct position also";
        QTest::newRow("4,2") << 4 << 2 << 4 << "all colors are correct, and 2 were in correct position also";
        QTest::newRow("4,4 won") << 4 << 4 << 4 << "all colors are correct, and 4 were in correct position also";
        QTest::newRow("3 of 3 rearrange") << 3 << 0 << 3 << "all colors are correct, now rearrange these to find correct positions";
        QTest::newRow("7,7 won") << 7 << 7 << 7 << "all colors are correct, and 7 were in correct position also";
        QTest::newRow("6 of 7, 5") << 6 << 5 << 7 << "in previous try  6 colors were correct, and 5 were in correct position also";
    }
    void sentenceForEachCountPair()
    {
        QFETCH(int, colours);
        QFETCH(int, positions);
        QFETCH(int, P);
        QFETCH(QString, sentence);
        QCOMPARE(feedbackSentence(colours, positions, P), sentence);
    }

    void rearrangeCaseWithThreePositions()
    {
        const std::array<int, 3> code{4, 9, 1};
        const std::array<int, 3> guess{9, 1, 4};
        const Score s = scoreTry(guess, code);
        QCOMPARE(s.colours, 3);
        QCOMPARE(s.positions, 0);
        QCOMPARE(feedbackSentence(s.colours, s.positions, 3),
                 QStringLiteral("all colors are correct, now rearrange these to find correct positions"));
    }

    void countsAgreeWithSetIntersectionOverRandomTries()
    {
        // Tries and codes of distinct colours, as the game makes them: the
        // colour count is then the size of the intersection of the two sets.
        std::mt19937 gen(20261205);
        for (int round = 0; round < 20000; ++round) {
            const int P = 3 + int(gen() % 5);
            const int inPlay = std::max(P, 6 + int(gen() % 11));
            std::vector<int> colours(inPlay);
            std::iota(colours.begin(), colours.end(), 0);
            std::shuffle(colours.begin(), colours.end(), gen);
            const std::vector<int> code(colours.begin(), colours.begin() + P);
            std::shuffle(colours.begin(), colours.end(), gen);
            const std::vector<int> guess(colours.begin(), colours.begin() + P);

            const std::set<int> inCode(code.begin(), code.end());
            int common = 0, atPlace = 0;
            for (int k = 0; k < P; ++k) {
                common += int(inCode.count(guess[std::size_t(k)]));
                atPlace += guess[std::size_t(k)] == code[std::size_t(k)];
            }
            const Score s = scoreTry(guess, code);
            QCOMPARE(s.colours, common);
            QCOMPARE(s.positions, atPlace);
            QVERIFY(!(s.colours == P && s.positions == P - 1));
        }
    }

    void roundingGoesToTheEvenNeighbour_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("rounded");
        QTest::newRow("0.5") << 0.5f << 0;
        QTest::newRow("1.5") << 1.5f << 2;
        QTest::newRow("2.5") << 2.5f << 2;
        QTest::newRow("14.5") << 14.5f << 14;
        QTest::newRow("14.51") << 14.51f << 15;
        QTest::newRow("7.49") << 7.49f << 7;
        QTest::newRow("-0.5") << -0.5f << 0;
        QTest::newRow("-1.5") << -1.5f << -2;
    }
    void roundingGoesToTheEvenNeighbour()
    {
        QFETCH(float, x);
        QFETCH(int, rounded);
        QCOMPARE(int(roundHalfEven(x)), rounded);
    }

    void reseedingWithAnUnchangedClockDoesNotRestart()
    {
        tk::Random r;
        r.randomize(1234.5);
        const float a = r.rnd();
        r.randomize(1234.5);
        const float b = r.rnd();
        QVERIFY(a != b);
        for (int i = 0; i < 100000; ++i) {
            const float u = r.rnd();
            QVERIFY(u >= 0.0f && u < 1.0f);
        }
    }

    void paletteShuffleKeepsAPermutationAndChangesUnderAFrozenClock()
    {
        tk::Random r;
        const Clock frozen = [] { return 43200.25; };
        Order order;
        std::iota(order.begin(), order.end(), tk::Integer(0));
        shufflePaletteOrder(order, r, frozen);
        const Order first = order;
        shufflePaletteOrder(order, r, frozen);
        QVERIFY(order != first);
        Order sorted = order;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < 16; ++i)
            QCOMPARE(int(sorted[std::size_t(i)]), i);
    }

    void endPlacesAreDrawnHalfAsOftenAndEveryPlaceIsReached()
    {
        // The same draw the exchanges make: u * 15 rounded half to even.
        tk::Random r(7);
        std::array<int, 16> drawn{};
        const int draws = 300000;
        for (int i = 0; i < draws; ++i)
            ++drawn[std::size_t(roundHalfEven(r.rnd() * 15.0f))];
        const double inner = draws / 15.0;
        for (int k = 1; k <= 14; ++k)
            QVERIFY2(std::abs(drawn[std::size_t(k)] - inner) < inner * 0.05, qPrintable(QString::number(k)));
        QVERIFY(std::abs(drawn[0] - inner / 2) < inner * 0.05);
        QVERIFY(std::abs(drawn[15] - inner / 2) < inner * 0.05);

        // And after many shuffles every colour has stood at every place.
        std::array<std::array<bool, 16>, 16> seen{};
        Order order;
        std::iota(order.begin(), order.end(), tk::Integer(0));
        const Clock clock = [] { return 100.0; };
        for (int game = 0; game < 400; ++game) {
            shufflePaletteOrder(order, r, clock);
            for (int place = 0; place < 16; ++place)
                seen[std::size_t(place)][std::size_t(order[std::size_t(place)])] = true;
        }
        for (const auto& place : seen)
            QVERIFY(std::all_of(place.begin(), place.end(), [](bool b) { return b; }));
    }

    void codeShuffleMovesOnlyTheFirstNPlusOneAndIsUniform()
    {
        tk::Random r(11);
        const Clock clock = [] { return 5.0; };
        const tk::Integer n = 5;
        std::array<std::array<int, 6>, 6> where{};
        for (int round = 0; round < 60000; ++round) {
            Order colours;
            std::iota(colours.begin(), colours.end(), tk::Integer(0));
            shuffleCodeColours(colours, n, r, clock);
            for (int i = 6; i < 16; ++i)
                QCOMPARE(int(colours[std::size_t(i)]), i);
            for (int i = 0; i <= n; ++i)
                ++where[std::size_t(colours[std::size_t(i)])][std::size_t(i)];
        }
        // Every colour reaches every place, roughly evenly, though the
        // swap-with-any shuffle is not exactly uniform.
        for (const auto& colour : where)
            for (int count : colour)
                QVERIFY(count > 60000 / 6 * 0.7 && count < 60000 / 6 * 1.3);
    }
};

QTEST_GUILESS_MAIN(tst_Rules)
#include "tst_rules.moc"
