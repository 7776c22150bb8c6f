// The game's rules, straight against the plain functions: no window.
#include "basics/Random.h"
#include "game/Placement.h"
#include "game/Scoring.h"
#include "game/Shuffle.h"
#include "game/Sizes.h"

#include <QTest>
#include <numeric>

namespace {
// A try or a code written as colours: "AB-D" is colours 0, 1, empty, 3.
std::vector<int> colours(const QString& letters)
{
    std::vector<int> out;
    for (QChar c : letters)
        out.push_back(c == u'-' ? game::NoColour : c.unicode() - u'A');
    return out;
}
} // namespace

Q_DECLARE_METATYPE(game::TryOutcome)
// A rule asked about a try (for a selector "+" raises, "-" lowers), a source
// slot or count (< 0: a slot of an earlier try), a target slot or the other
// count (< 0: not on the try), a colour; and its answer: a Placement, a
// position, a SlotDrop, or the count after.
struct Rule { QString rule, row; int from, to; QString colour; int outcome; };
Q_DECLARE_METATYPE(Rule)
// A try scored against a code on a try of the game (0..9); the sentence and what comes next.
struct Scored { QString guess, code, sentence; int currentTry; game::TryOutcome outcome; };
Q_DECLARE_METATYPE(Scored)

class tst_Rules : public QObject {
    Q_OBJECT

private slots:
    // How colours get into the current try: a palette colour put into a
    // slot, the slot a double-click fills, a slot's colour dropped on
    // another; and the selectors' counts, each within its limits.
    void rules_data()
    {
        QTest::addColumn<Rule>("asked");
        using P = game::Placement;
        using D = game::SlotDrop;
        QTest::newRow("put into an empty slot") << Rule{"place", "A---", 0, 2, "E", int(P::Placed)};
        QTest::newRow("put over another colour") << Rule{"place", "AB--", 0, 1, "E", int(P::Placed)};
        QTest::newRow("put, colour elsewhere in the try") << Rule{"place", "AB--", 0, 2, "A", int(P::AlreadyThere)};
        QTest::newRow("put, colour in that very slot") << Rule{"place", "AB--", 0, 1, "B", int(P::AlreadyThere)};
        QTest::newRow("put into an earlier try") << Rule{"place", "AB--", 0, -1, "E", int(P::OutsideTry)};
        QTest::newRow("put beyond the try") << Rule{"place", "AB--", 0, 4, "E", int(P::OutsideTry)};
        QTest::newRow("double-click: lowest empty, not the one emptied last") << Rule{"double", "-B-D", 0, 0, "E", 0};
        QTest::newRow("double-click after the filled ones") << Rule{"double", "AB--", 0, 0, "E", 2};
        QTest::newRow("double-click, colour in the try") << Rule{"double", "AB--", 0, 0, "B", -1};
        QTest::newRow("double-click, try full") << Rule{"double", "ABCD", 0, 0, "E", -1};
        QTest::newRow("double-click on an empty slot") << Rule{"double", "AB--", 0, 0, "-", -1};
        QTest::newRow("move to an empty slot") << Rule{"drop", "AB--", 0, 2, "A", int(D::Moved)};
        QTest::newRow("move onto a filled slot") << Rule{"drop", "AB--", 0, 1, "A", int(D::Moved)};
        QTest::newRow("drop onto itself") << Rule{"drop", "AB--", 1, 1, "B", int(D::Kept)};
        QTest::newRow("copy to an empty slot") << Rule{"drop", "AB--", -3, 3, "C", int(D::Copied)};
        QTest::newRow("copy onto a filled slot") << Rule{"drop", "AB--", -2, 0, "D", int(D::Copied)};
        QTest::newRow("copy of a colour in the try") << Rule{"drop", "AB--", -4, 2, "A", int(D::Refused)};
        QTest::newRow("move onto an earlier try") << Rule{"drop", "AB--", 1, -3, "B", int(D::Refused)};
        QTest::newRow("copy onto an earlier try") << Rule{"drop", "AB--", -3, -2, "C", int(D::Refused)};
        QTest::newRow("colours up") << Rule{"colours", "+", 6, 4, "", 7};
        QTest::newRow("colours down") << Rule{"colours", "-", 7, 4, "", 6};
        QTest::newRow("colours stop at 6") << Rule{"colours", "-", 6, 4, "", 6};
        QTest::newRow("colours stop at 16") << Rule{"colours", "+", 16, 4, "", 16};
        QTest::newRow("colours kept") << Rule{"colours", "", 9, 4, "", 9};
        QTest::newRow("colours never below the positions") << Rule{"colours", "-", 7, 7, "", 7};
        QTest::newRow("positions up") << Rule{"positions", "+", 4, 6, "", 5};
        QTest::newRow("positions down") << Rule{"positions", "-", 4, 6, "", 3};
        QTest::newRow("positions stop at 3") << Rule{"positions", "-", 3, 6, "", 3};
        QTest::newRow("positions stop at 7") << Rule{"positions", "+", 7, 9, "", 7};
        QTest::newRow("positions never above the colours") << Rule{"positions", "+", 6, 6, "", 6};
    }
    void rules()
    {
        QFETCH(Rule, asked);
        const auto& [rule, row, from, to, colour, outcome] = asked;
        const std::vector<int> r = colours(row);
        const int c = colour.isEmpty() ? 0 : colours(colour)[0];
        const game::Step step = row == u"+" ? game::Step::Up : row == u"-" ? game::Step::Down : game::Step::None;
        QCOMPARE(rule == u"place"       ? int(game::placeColour(r, to, c))
                 : rule == u"double"    ? game::doubleClickTarget(r, c)
                 : rule == u"drop"      ? int(game::dropSlotColour(r, from, to, c))
                 : rule == u"colours"   ? game::coloursAfter(from, step, to)
                                        : game::positionsAfter(from, step, to),
                 outcome);
    }

    void scoring_data()
    {
        QTest::addColumn<Scored>("s");
        using O = game::TryOutcome;
        QTest::newRow("0,0") << Scored{"EFGH", "ABCD", "in previous try none of the colors were correct", 0, O::Next};
        QTest::newRow("1,0") << Scored{"EAGH", "ABCD", "in previous try only one color was correct, and none was in correct position", 0, O::Next};
        QTest::newRow("2,0") << Scored{"BAGH", "ABCD", "in previous try  2 colors were correct, and none was in correct position", 0, O::Next};
        QTest::newRow("1,1") << Scored{"AFGH", "ABCD", "in previous try only one color was correct, and only one was in correct position also", 0, O::Next};
        QTest::newRow("3,2") << Scored{"ABDH", "ABCD", "in previous try  3 colors were correct, and 2 were in correct position also", 0, O::Next};
        QTest::newRow("4,0") << Scored{"BCDA", "ABCD", "all colors are correct, now rearrange these to find correct positions", 0, O::Next};
        QTest::newRow("4,1") << Scored{"ACDB", "ABCD", "all colors are correct, and only one was in correct position also", 0, O::Next};
        QTest::newRow("4,2") << Scored{"ABDC", "ABCD", "all colors are correct, and 2 were in correct position also", 0, O::Next};
        QTest::newRow("4,4 won") << Scored{"ABCD", "ABCD", "all colors are correct, and 4 were in correct position also", 0, O::Won};
        QTest::newRow("3 of 3, rearranged") << Scored{"JBE", "EJB", "all colors are correct, now rearrange these to find correct positions", 0, O::Next};
        QTest::newRow("7 of 7 won") << Scored{"ABCDEFG", "ABCDEFG", "all colors are correct, and 7 were in correct position also", 0, O::Won};
        QTest::newRow("ninth, wrong") << Scored{"BCDA", "ABCD", "all colors are correct, now rearrange these to find correct positions", 8, O::Next};
        QTest::newRow("tenth, wrong") << Scored{"BCDA", "ABCD", "all colors are correct, now rearrange these to find correct positions", 9, O::Lost};
        QTest::newRow("tenth, right: a win") << Scored{"ABCD", "ABCD", "all colors are correct, and 4 were in correct position also", 9, O::Won};
        QTest::newRow("6 of 7, 5 in place") << Scored{"ABCDEGH", "ABCDEFG", "in previous try  6 colors were correct, and 5 were in correct position also", 0, O::Next};
    }
    void scoring()
    {
        QFETCH(Scored, s);
        const auto& [guess, code, sentence, currentTry, outcome] = s;
        const game::Score score = game::scoreTry(colours(guess), colours(code));
        QCOMPARE(game::feedbackSentence(score, int(code.size())), sentence);
        QCOMPARE(game::outcomeOf(score, int(code.size()), currentTry, 9), outcome);
    }

    void shufflesArePinnedBySeedAndClock()
    {
        // Seeded and clocked alike, the same exchanges: the whole order is pinned.
        Random rng(20261206);
        const Clock frozen = [] { return 43200.25; };  // one clock reading throughout
        game::Order order;
        std::iota(order.begin(), order.end(), Integer(0));
        game::shufflePaletteOrder(order, rng, frozen);
        const game::Order first = order;
        QCOMPARE(QList<Integer>(first.begin(), first.end()),
                 QList<Integer>({4, 15, 13, 10, 5, 9, 6, 7, 12, 0, 14, 3, 2, 8, 1, 11}));
        game::shufflePaletteOrder(order, rng, frozen);  // the same clock does not restart the sequence
        QVERIFY(order != first);

        game::Order code = first;
        game::shuffleCodeColours(code, 5, rng, frozen);  // only places 0..5 move
        QCOMPARE(QList<Integer>(code.begin(), code.end()),
                 QList<Integer>({4, 10, 15, 13, 9, 5, 6, 7, 12, 0, 14, 3, 2, 8, 1, 11}));
    }
};

QTEST_GUILESS_MAIN(tst_Rules)
#include "tst_rules.moc"
