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

    void countsAgreeWithSetIntersectionOverRandomTries()
    {
        // The rearrange case with three positions, then random tries and codes of
        // distinct colours, as the game makes them: the colour count is then the
        // size of the intersection of the two sets.
        const Score rearranged = scoreTry(std::array{9, 1, 4}, std::array{4, 9, 1});
        QCOMPARE(QPoint(rearranged.colours, rearranged.positions), QPoint(3, 0));
        std::mt19937 gen(20261205);
        for (int round = 0; round < 20000; ++round) {
            const int P = 3 + int(gen() % 5);
            std::vector<int> colours(std::size_t(std::max(P, 6 + int(gen() % 11))));
            std::iota(colours.begin(), colours.end(), 0);
            std::shuffle(colours.begin(), colours.end(), gen);
            const std::vector<int> code(colours.begin(), colours.begin() + P);
            std::shuffle(colours.begin(), colours.end(), gen);
            const std::vector<int> guess(colours.begin(), colours.begin() + P);
            int common = 0, atPlace = 0;
            for (std::size_t k = 0; k < std::size_t(P); ++k) {
                common += int(std::count(code.begin(), code.end(), guess[k]));
                atPlace += guess[k] == code[k];
            }
            const Score s = scoreTry(guess, code);
            QCOMPARE(QPoint(s.colours, s.positions), QPoint(common, atPlace));
        }
    }

    void roundingGoesToTheEvenNeighbour()
    {
        const QList<float> x{0.5f, 1.5f, 2.5f, 14.5f, 14.51f, 7.49f, -0.5f, -1.5f};
        QList<int> rounded;
        for (float v : x)
            rounded << roundHalfEven(v);
        QCOMPARE(rounded, QList<int>({0, 2, 2, 14, 15, 7, 0, -2}));
    }

    void reseedingWithAnUnchangedClockDoesNotRestart()
    {
        tk::Random r;
        r.randomize(1234.5);
        const float a = r.rnd();
        r.randomize(1234.5);
        QVERIFY(r.rnd() != a);
        for (int i = 0; i < 100000; ++i) {
            const float u = r.rnd();
            QVERIFY(u >= 0.0f && u < 1.0f);
        }
    }

    void paletteShuffleKeepsAPermutationAndChangesUnderAFrozenClock()
    {
        tk::Random r;
        const Clock frozen = [] { return 43200.25; };
        Order order, identity;
        std::iota(identity.begin(), identity.end(), tk::Integer(0));
        order = identity;
        shufflePaletteOrder(order, r, frozen);
        const Order first = order;
        shufflePaletteOrder(order, r, frozen);
        QVERIFY(order != first);
        QVERIFY(std::is_permutation(order.begin(), order.end(), identity.begin()));
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
        for (std::size_t k = 0; k < 16; ++k) {
            const double expected = k == 0 || k == 15 ? inner / 2 : inner;
            QVERIFY2(std::abs(drawn[k] - expected) < inner * 0.05, qPrintable(QString::number(k)));
        }
        // And after many shuffles every colour has stood at every place.
        std::array<std::array<bool, 16>, 16> seen{};
        Order order;
        std::iota(order.begin(), order.end(), tk::Integer(0));
        for (int game = 0; game < 400; ++game) {
            shufflePaletteOrder(order, r, [] { return 100.0; });
            for (std::size_t place = 0; place < 16; ++place)
                seen[place][std::size_t(order[place])] = true;
        }
        for (const auto& place : seen)
            QVERIFY(std::all_of(place.begin(), place.end(), [](bool b) { return b; }));
    }

    void codeShuffleMovesOnlyTheFirstNPlusOneAndIsUniform()
    {
        tk::Random r(11);
        std::array<std::array<int, 6>, 6> where{};
        for (int round = 0; round < 60000; ++round) {
            Order colours;
            std::iota(colours.begin(), colours.end(), tk::Integer(0));
            shuffleCodeColours(colours, 5, r, [] { return 5.0; });
            for (std::size_t i = 0; i < 16; ++i) {
                if (i > 5)
                    QCOMPARE(int(colours[i]), int(i));
                else
                    ++where[std::size_t(colours[i])][i];
            }
        }
        // Every colour reaches every place, roughly evenly: swap-with-any is not exactly uniform.
        for (const auto& colour : where)
            for (int count : colour)
                QVERIFY(count > 10000 * 0.7 && count < 10000 * 1.3);
    }
};

QTEST_GUILESS_MAIN(tst_Rules)
#include "tst_rules.moc"
