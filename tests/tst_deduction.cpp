// The deduction aid against a plain enumeration of every code, on small sizes.
#include "game/CodeSpace.h"
#include "game/Deduction.h"

#include <QTest>
#include <random>
#include <set>

using game::History;
using Code = std::vector<int>;

namespace {
// A try written as colours: "AB-D" is colours 0, 1, empty, 3.
Code colours(const QString& letters)
{
    Code out;
    for (QChar c : letters)
        out.push_back(c == u'-' ? game::NoColour : c.unicode() - u'A');
    return out;
}

constexpr auto same = [](game::Score a, game::Score b) { return a.colours == b.colours && a.positions == b.positions; };

// How many of the history's scores, from the first on, a code gives.
std::size_t scoresGiven(const History& h, const Code& code)
{
    std::size_t i = 0;
    while (i < h.clues.size() && same(game::scoreTry(h.clues[i].colours, code), h.clues[i].score))
        ++i;
    return i;
}

// Every code of distinct colours in play that holds the colours placed.
std::vector<Code> completions(const History& h, const Code& placed)
{
    std::vector<Code> out;
    Code order = h.inPlay;  // sorted: the first arrangement
    do {
        const Code code(order.begin(), order.begin() + h.positions);
        if (std::equal(code.begin(), code.end(), placed.begin(), [](int c, int p) { return p == game::NoColour || p == c; }))
            out.push_back(code);
        std::reverse(order.begin() + h.positions, order.end());  // on to the next code
    } while (std::next_permutation(order.begin(), order.end()));
    return out;
}

QList<qulonglong> fields(const game::Knowledge& k)
{
    return {k.possible, k.inCode, k.notInCode, k.canBe[0], k.canBe[1], k.canBe[2], k.canBe[3], k.canBe[4], k.canBe[5], k.canBe[6]};
}
QList<int> fields(const game::Verdict& v)
{
    return {v.possible, v.clue, v.scored.colours, v.scored.positions, v.least.colours, v.least.positions,
            v.most.colours, v.most.positions, v.alone};
}
} // namespace

// Tries with their two counts, at 6 colours ("ABCD20"); a try against them; the
// clue that rules it out, the counts of that clue's try against the try's
// completions, and whether that clue does it alone.
struct Contradiction { QStringList clues; QString tried; int clue; QString least, most; bool alone; };
Q_DECLARE_METATYPE(Contradiction)

class tst_Deduction : public QObject {
    Q_OBJECT

private slots:
    void beforeTheFirstTry()
    {
        const History h{{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 7, {}};
        const game::Knowledge k{16ull * 15 * 14 * 13 * 12 * 11 * 10, 0, 0, {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}};
        QCOMPARE(game::possibleCodes(h), k.possible);
        QCOMPARE(fields(game::deduce(h)), fields(k));
    }

    // Seeded games of random tries; every answer checked against the enumeration.
    void againstEnumeration_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("positions");
        QTest::addColumn<int>("tries");
        QTest::newRow("6 and 4, no try") << 6 << 4 << 0;
        QTest::newRow("6 and 4, one try") << 6 << 4 << 1;
        QTest::newRow("6 and 4, three tries") << 6 << 4 << 3;
        QTest::newRow("6 and 6, two tries: every code holds every colour") << 6 << 6 << 2;
        QTest::newRow("8 and 3, four tries") << 8 << 3 << 4;
        QTest::newRow("8 and 5, two tries") << 8 << 5 << 2;
        QTest::newRow("9 and 4, five tries") << 9 << 4 << 5;
    }
    void againstEnumeration()
    {
        QFETCH(int, colours);
        QFETCH(int, positions);
        QFETCH(int, tries);
        std::mt19937 rng(uint(colours * 100 + positions * 10 + tries));
        Code palette(game::PaletteColours);
        std::iota(palette.begin(), palette.end(), 0);
        for (int round = 0; round < 20; ++round) {
            std::shuffle(palette.begin(), palette.end(), rng);
            History h{Code(palette.begin(), palette.begin() + colours), positions, {}};
            std::sort(h.inPlay.begin(), h.inPlay.end());
            const auto draw = [&] {
                std::shuffle(palette.begin(), palette.begin() + colours, rng);
                return Code(palette.begin(), palette.begin() + positions);
            };
            const Code secret = draw();
            for (int t = 0; t < tries; ++t) {
                const Code next = draw();
                h.clues.push_back({next, game::scoreTry(next, secret)});
            }

            std::vector<Code> codes = completions(h, Code(std::size_t(positions), game::NoColour));
            std::erase_if(codes, [&](const Code& c) { return scoresGiven(h, c) < h.clues.size(); });
            game::Knowledge known{codes.size(), 0, 0, {}};
            for (int c : h.inPlay) {
                const auto holds = [c](const Code& code) { return std::count(code.begin(), code.end(), c) > 0; };
                known.inCode |= !codes.empty() && std::all_of(codes.begin(), codes.end(), holds) ? 1 << c : 0;
                known.notInCode |= std::none_of(codes.begin(), codes.end(), holds) ? 1 << c : 0;
            }
            for (const Code& code : codes)
                for (std::size_t p = 0; p < code.size(); ++p)
                    known.canBe[p] |= std::uint16_t(1 << code[p]);
            QCOMPARE(game::possibleCodes(h), codes.size());
            QCOMPARE(fields(game::deduce(h)), fields(known));
            QVERIFY(game::judge(h, secret).possible);
            // What the suggestion weighs: every code that fits, once; or a sample of them, none twice.
            game::codes::CodeSpace space(h, h.clues.size());
            for (const std::size_t most : {codes.size(), codes.size() / 3}) {
                std::set<Code> drawn;
                for (const game::codes::Code c : space.codes(most, std::uint64_t(round)))
                    QVERIFY(drawn.insert(game::codes::unpack(c, positions)).second);
                QVERIFY(std::includes(codes.begin(), codes.end(), drawn.begin(), drawn.end()));
                QVERIFY(drawn.size() == codes.size() || (most < codes.size() && drawn.size() * 2 >= most));
            }

            // A partial try is ruled out by the first clue that none of its completions gets past.
            Code placed = draw();
            for (int& c : placed)
                c = rng() % 2 ? c : game::NoColour;
            game::Verdict ruling;
            std::size_t furthest = 0;
            for (const Code& c : completions(h, placed))
                furthest = std::max(furthest, scoresGiven(h, c));
            if (furthest < h.clues.size()) {
                const game::Clue& clue = h.clues[furthest];
                ruling = {false, int(furthest), clue.score, {99, 99}, {0, 0}, true};
                for (const Code& c : completions(h, placed)) {
                    const game::Score s = game::scoreTry(clue.colours, c);
                    ruling.least = {std::min(ruling.least.colours, s.colours), std::min(ruling.least.positions, s.positions)};
                    ruling.most = {std::max(ruling.most.colours, s.colours), std::max(ruling.most.positions, s.positions)};
                    ruling.alone = ruling.alone && !same(s, clue.score);
                }
            }
            QCOMPARE(fields(game::judge(h, placed)), fields(ruling));

            // The suggestion: distinct colours in play, the same again.
            const Code s = game::suggestTry(h);
            QCOMPARE(std::set<int>(s.begin(), s.end()).size(), std::size_t(positions));
            QVERIFY(std::all_of(s.begin(), s.end(), [&](int c) { return std::count(h.inPlay.begin(), h.inPlay.end(), c); }));
            QCOMPARE(game::suggestTry(History(h)), s);
        }
    }

    // Followed from the first try, the suggestion finds every code of 6 colours
    // and 4 positions within 5 tries, 4.05 on average at most.
    void suggestionPlaysWell()
    {
        const Code six = colours("ABCDEF");
        int tries = 0, most = 0;
        for (const Code& secret : completions(History{six, 4, {}}, Code(4, game::NoColour))) {
            History h{six, 4, {}};
            for (Code s; s != secret;) {
                s = game::suggestTry(h);
                h.clues.push_back({s, game::scoreTry(s, secret)});
            }
            tries += int(h.clues.size());
            most = std::max(most, int(h.clues.size()));
        }
        QVERIFY2(most <= 5 && tries <= 1458, qPrintable(QString("%1 tries in all, %2 at most").arg(tries).arg(most)));
    }

    void namesTheContradiction_data()
    {
        QTest::addColumn<Contradiction>("c");
        QTest::newRow("a count out of reach") << Contradiction{{"ABCD20"}, "ABC-", 0, "33", "44", true};
        QTest::newRow("both counts in reach, yet alone") << Contradiction{{"CEBF21", "ABCD22"}, "B---", 1, "20", "42", true};
        QTest::newRow("only with the try before") << Contradiction{{"DBFC21", "AFDB31"}, "A-B-", 1, "21", "42", false};
        QTest::newRow("complete") << Contradiction{{"DBFC21", "AFDB31"}, "DEBA", 1, "30", "30", true};
        QTest::newRow("one slot left, one colour for it") << Contradiction{{"ABCDEF60"}, "BACDE-", 0, "64", "64", true};
        QTest::newRow("a colour twice: no clue needed") << Contradiction{{"ABCD20"}, "AA--", -1, "00", "00", false};
        QTest::newRow("a colour not in play") << Contradiction{{"ABCD20"}, "G---", -1, "00", "00", false};
    }
    void namesTheContradiction()
    {
        QFETCH(Contradiction, c);
        History h{colours("ABCDEF"), int(c.tried.size()), {}};
        for (const QString& clue : c.clues)
            h.clues.push_back({colours(clue.chopped(2)), {clue[clue.size() - 2].digitValue(), clue.back().digitValue()}});
        const auto counts = [](const QString& s) { return game::Score{s[0].digitValue(), s[1].digitValue()}; };
        QCOMPARE(fields(game::judge(h, colours(c.tried))),
                 fields(game::Verdict{false, c.clue, c.clue < 0 ? game::Score{} : h.clues[std::size_t(c.clue)].score,
                                      counts(c.least), counts(c.most), c.alone}));
    }
};

QTEST_GUILESS_MAIN(tst_Deduction)
#include "tst_deduction.moc"
