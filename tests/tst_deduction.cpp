// The deduction aid against a plain enumeration of every code, on small sizes.
#include "game/Deduction.h"

#include <QTest>
#include <random>

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

bool same(game::Score a, game::Score b)
{
    return a.colours == b.colours && a.positions == b.positions;
}

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
    Code code;
    const auto extend = [&](const auto& self) -> void {
        if (code.size() == placed.size())
            return out.push_back(code);
        for (int c : h.inPlay)
            if ((placed[code.size()] == c || placed[code.size()] == game::NoColour) && !std::count(code.begin(), code.end(), c)) {
                code.push_back(c);
                self(self);
                code.pop_back();
            }
    };
    extend(extend);
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
            game::Knowledge known{codes.size(), 0xFFFF, 0, {}};
            for (int c : h.inPlay)
                known.notInCode |= std::uint16_t(1 << c);
            for (const Code& code : codes) {
                std::uint16_t set = 0;
                for (int p = 0; p < positions; ++p) {
                    set |= std::uint16_t(1 << code[std::size_t(p)]);
                    known.canBe[std::size_t(p)] |= std::uint16_t(1 << code[std::size_t(p)]);
                }
                known.inCode &= set;
                known.notInCode &= std::uint16_t(~set);
            }
            QCOMPARE(game::possibleCodes(h), codes.size());
            QCOMPARE(fields(game::deduce(h)), fields(known));
            QVERIFY(game::judge(h, secret).possible);

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
        }
    }

    void namesTheContradiction_data()
    {
        QTest::addColumn<QStringList>("clues");  // tries and their two counts, at 6 colours
        QTest::addColumn<QString>("tried");
        QTest::addColumn<bool>("possible");
        QTest::addColumn<int>("clue");
        QTest::addColumn<bool>("alone");
        QTest::newRow("possible") << QStringList{"ABCD20"} << "BA--" << true << -1 << false;
        QTest::newRow("a count out of reach") << QStringList{"ABCD20"} << "ABC-" << false << 0 << true;
        QTest::newRow("both counts in reach, yet alone") << QStringList{"CEBF21", "ABCD22"} << "B---" << false << 1 << true;
        QTest::newRow("only with the try before") << QStringList{"DBFC21", "AFDB31"} << "A-B-" << false << 1 << false;
        QTest::newRow("complete") << QStringList{"DBFC21", "AFDB31"} << "DEBA" << false << 1 << true;
        QTest::newRow("a colour twice") << QStringList{"ABCD20"} << "AA--" << false << -1 << false;
        QTest::newRow("a colour not in play") << QStringList{"ABCD20"} << "G---" << false << -1 << false;
    }
    void namesTheContradiction()
    {
        QFETCH(QStringList, clues);
        QFETCH(QString, tried);
        QFETCH(bool, possible);
        QFETCH(int, clue);
        QFETCH(bool, alone);
        History h{colours("ABCDEF"), 4, {}};
        for (const QString& c : clues)
            h.clues.push_back({colours(c.left(4)), {c[4].digitValue(), c[5].digitValue()}});
        const game::Verdict v = game::judge(h, colours(tried));
        QCOMPARE(v.possible, possible);
        QCOMPARE(v.clue, clue);
        QCOMPARE(v.alone, alone);
    }
};

QTEST_GUILESS_MAIN(tst_Deduction)
#include "tst_deduction.moc"
