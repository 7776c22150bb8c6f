// The game as data, without a window: its operations in tables, each row a
// game played from its start, and what its palette and code are made of.
#include "game/Game.h"

#include <QTest>
#include <set>

namespace {
// A clock that never moves: the game must still draw afresh each time.
constexpr auto frozen = [] { return 43200.25; };

// Colours written as letters: 'A', 'B'... the code's by position, 'W', 'X'...
// the colours in play outside the code, in palette order; '-' for empty.
int colourOf(const game::Game& g, QChar letter)
{
    if (letter == u'-')
        return game::NoColour;
    if (letter < u'W')
        return g.code()[std::size_t(letter.unicode() - u'A')];
    std::vector<int> others;
    for (int place = 0; place < g.colours(); ++place)
        if (std::find(g.code().begin(), g.code().end(), g.colourAtPlace(place)) == g.code().end())
            others.push_back(g.colourAtPlace(place));
    return others.at(std::size_t(letter.unicode() - u'W'));
}

QString lettersOf(const game::Game& g, std::span<const int> colours)
{
    const QString letters = QString("-ABCDEFG").left(g.positions() + 1) + QString("WXYZ").left(g.colours() - g.positions());
    QString out;
    for (int c : colours) {
        const auto letter = std::find_if(letters.begin(), letters.end(), [&](QChar l) { return colourOf(g, l) == c; });
        out += letter == letters.end() ? u'?' : *letter;
    }
    return out;
}

// One operation, written "put A 2", "drop 1 0 3" (try 1's position 0 to
// position 3), "hand ABCD" (put in by position, then handed in), "hand",
// "give up", "new", "colours +", "positions -"; what it answered.
QString apply(game::Game& g, const QString& op)
{
    const QStringList w = op.split(u' ');
    static const char* placed[] = {"outside", "already there", "placed"};
    static const char* dropped[] = {"refused", "kept", "moved", "copied"};
    static const char* handed[] = {"incomplete", "next", "won", "lost"};
    if (w[0] == u"put")
        return placed[int(g.place(colourOf(g, w[1][0]), w[2].toInt()))];
    if (w[0] == u"drop")
        return dropped[int(g.drop({w[1].toInt(), w[2].toInt()}, w[3].toInt()))];
    if (w[0] == u"hand") {
        for (int p = 0; w.size() > 1 && p < int(w[1].size()); ++p)
            g.place(colourOf(g, w[1][p]), p);
        return handed[int(g.handIn())];
    }
    if (w[0] == u"give")
        return g.giveUp() ? "given up" : "refused";
    if (w[0] == u"new") {
        g.newGame();
        return "new";
    }
    const game::Step step = w[1] == u"+" ? game::Step::Up : w[1] == u"-" ? game::Step::Down : game::Step::None;
    const bool changed = w[0] == u"colours" ? g.changeColours(step) : g.changePositions(step);
    return QString("%1 %2/%3").arg(changed ? "changed" : "refused").arg(g.colours()).arg(g.positions());
}

// Operations one after another, "put A 0; hand"; what the last one answered.
QString play(game::Game& g, const QString& ops)
{
    QString answer;
    for (const QString& op : ops.split(QStringLiteral("; ")))
        answer = apply(g, op);
    return answer;
}
} // namespace

class tst_Game : public QObject {
    Q_OBJECT

private slots:
    // A game played from its start, operation after operation; then what the
    // last one answered, where the game stands (its phase, the current try
    // and what it holds, whether OK is offered) and the last score.
    void operations_data()
    {
        QTest::addColumn<QString>("ops");
        QTest::addColumn<QString>("after");
        const auto row = [](const QString& ops, const char* after) { QTest::newRow(qPrintable(ops)) << ops << QString(after); };
        const QString nineWrong = QString("hand DCBA; ").repeated(9);
        row("put W 2", "placed: playing, try 1 --W-, OK");
        row("put A 0; put B 0", "placed: playing, try 1 B---, OK");
        row("put A 0; put A 2", "already there: playing, try 1 A---, OK");
        row("put A 0; put A 0", "already there: playing, try 1 A---, OK");
        row("put A 4", "outside: setting up, try 1 ----");
        row("put A -1", "outside: setting up, try 1 ----");
        row("put A 0; drop 0 0 2", "moved: playing, try 1 --A-, OK");
        row("put A 0; put B 1; drop 0 0 1", "moved: playing, try 1 -A--, OK");
        row("put A 0; drop 0 0 0", "kept: playing, try 1 A---, OK");
        row("put A 0; drop 0 1 3", "refused: playing, try 1 A---, OK");
        row("put A 0; drop 0 0 4", "refused: playing, try 1 A---, OK");
        row("hand BCDA; drop 0 2 3", "copied: playing, try 2 ---D, OK, 4 0");
        row("hand BCDA; put X 0; drop 0 3 0", "copied: playing, try 2 A---, OK, 4 0");
        row("hand BCDA; put A 1; drop 0 3 0", "refused: playing, try 2 -A--, OK, 4 0");
        row("hand WXAB", "next: playing, try 2 ----, OK, 2 0");
        row("put A 0; hand", "incomplete: playing, try 1 A---, OK");
        row("hand AWXB", "next: playing, try 2 ----, OK, 2 1");
        row("hand ABCD", "won: won, try 1 ABCD, OK, 4 4");
        row("hand ABCD; hand", "won: won, try 1 ABCD, OK, 4 4");
        row("hand ABCD; give up", "refused: won, try 1 ABCD, OK, 4 4");
        row("give up", "given up: given up, try 1 ----");
        row("give up; give up", "refused: given up, try 1 ----");
        row("give up; put A 0", "placed: given up, try 1 A---, OK");
        row("give up; hand ABCD", "won: won, try 1 ABCD, OK, 4 4");
        row("hand DCBA; give up; hand WXDC", "next: given up, try 3 ----, OK, 2 0");
        row(nineWrong + "hand BCDA", "lost: lost, try 10 BCDA, 4 0");
        row(nineWrong + "hand ABCD", "won: won, try 10 ABCD, OK, 4 4");
        row(nineWrong + "hand ABCW; put D 3; hand", "won: won, try 10 ABCD, OK, 4 4");
        row("hand ABCD; new", "new: setting up, try 1 ----, OK");
        row("give up; new", "new: setting up, try 1 ----");
    }
    void operations()
    {
        QFETCH(QString, ops);
        QFETCH(QString, after);
        game::Game g(Random(7), frozen);
        const QString answer = play(g, ops);
        static const char* phases[] = {"setting up", "playing", "won", "lost", "given up"};
        QString state = QString("%1: %2, try %3 %4").arg(answer, phases[int(g.phase())]).arg(g.currentTry() + 1)
                            .arg(lettersOf(g, g.tryColours(g.currentTry())));
        if (g.handInOffered())
            state += ", OK";
        if (g.feedback())
            state += QString(", %1 %2").arg(g.feedback()->colours).arg(g.feedback()->positions);
        QCOMPARE(state, after);
    }

    // The sizes, before anything is put into a try: each by one step within
    // its limits, the positions never above the colours in play; then settled.
    void sizes_data()
    {
        QTest::addColumn<QString>("ops");
        QTest::addColumn<QString>("after");
        QTest::newRow("colours up") << "colours +" << "changed 7/4";
        QTest::newRow("colours down at 6") << "colours -" << "changed 6/4";
        QTest::newRow("colours kept by the middle button") << "colours ." << "changed 6/4";
        QTest::newRow("colours up to 16, no further") << QString("colours +; ").repeated(10) + "colours +" << "changed 16/4";
        QTest::newRow("positions down to 3, no further") << "positions -; positions -" << "changed 6/3";
        QTest::newRow("positions never above the colours") << "positions +; positions +; positions +" << "changed 6/6";
        QTest::newRow("colours never below the positions") << "colours +; positions +; positions +; positions +; colours -" << "changed 7/7";
        QTest::newRow("positions up to 7, no further") << "colours +; colours +; positions +; positions +; positions +; positions +" << "changed 8/7";
        QTest::newRow("settled by a colour put in") << "put A 0; colours +" << "refused 6/4";
        QTest::newRow("settled even by a refused one") << "put A 0; put A 1; positions -" << "refused 6/4";
        QTest::newRow("not after giving up") << "give up; positions +" << "refused 6/4";
        QTest::newRow("free again in the next game") << "put A 0; give up; new; positions +" << "changed 6/5";
    }
    void sizes()
    {
        QFETCH(QString, ops);
        QFETCH(QString, after);
        game::Game g(Random(3), frozen);
        QCOMPARE(play(g, ops), after);
        QCOMPARE(lettersOf(g, g.tryColours(0)).count(u'-'), g.begun() ? g.positions() - 1 : g.positions());
    }

    // Whatever the sizes, the palette holds every colour once and the code
    // distinct colours in play; every game draws anew, the clock standing still.
    void paletteAndCode()
    {
        game::Game g(Random(5), frozen);
        std::set<std::vector<int>> orders;
        for (int game = 0; game < 30; ++game, g.newGame(), g.changeColours(game::Step::Up), g.changePositions(game::Step::Up)) {
            std::vector<int> order;
            for (int place = 0; place < 16; ++place)
                order.push_back(g.colourAtPlace(place));
            const std::set<int> code(g.code().begin(), g.code().end());
            QVERIFY(std::set<int>(order.begin(), order.end()).size() == 16 && int(code.size()) == g.positions());
            QVERIFY(std::all_of(code.begin(), code.end(), [&g](int c) { return g.inPlay(c); }));
            orders.insert(order);
        }
        QCOMPARE(orders.size(), std::size_t(30));
    }
};

QTEST_GUILESS_MAIN(tst_Game)
#include "tst_game.moc"
