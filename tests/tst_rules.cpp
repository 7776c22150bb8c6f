// The game's rules, straight against the plain functions: no window.
#include "basics/Random.h"
#include "basics/Rounding.h"
#include "basics/Tags.h"
#include "game/DropTarget.h"
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
Q_DECLARE_METATYPE(game::Step)

class tst_Rules : public QObject {
    Q_OBJECT

private slots:
    // How colours get into the current try: a palette colour put into a
    // slot, the slot a double-click fills, a slot's colour dropped on another.
    void placement_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("row");   // the current try
        QTest::addColumn<int>("from");      // the source slot, < 0 in an earlier try
        QTest::addColumn<int>("to");        // the target slot, < 0 outside the try
        QTest::addColumn<QString>("colour");
        QTest::addColumn<int>("outcome");   // Placement, target position, or SlotDrop
        using P = game::Placement;
        using D = game::SlotDrop;
        QTest::newRow("put into an empty slot") << "place" << "A---" << 0 << 2 << "E" << int(P::Placed);
        QTest::newRow("put over another colour") << "place" << "AB--" << 0 << 1 << "E" << int(P::Placed);
        QTest::newRow("put, colour elsewhere in the try") << "place" << "AB--" << 0 << 2 << "A" << int(P::AlreadyThere);
        QTest::newRow("put, colour in that very slot") << "place" << "AB--" << 0 << 1 << "B" << int(P::AlreadyThere);
        QTest::newRow("put into an earlier try") << "place" << "AB--" << 0 << -1 << "E" << int(P::OutsideTry);
        QTest::newRow("put beyond the try") << "place" << "AB--" << 0 << 4 << "E" << int(P::OutsideTry);
        QTest::newRow("double-click: lowest empty, not the one emptied last") << "double" << "-B-D" << 0 << 0 << "E" << 0;
        QTest::newRow("double-click after the filled ones") << "double" << "AB--" << 0 << 0 << "E" << 2;
        QTest::newRow("double-click, colour in the try") << "double" << "AB--" << 0 << 0 << "B" << -1;
        QTest::newRow("double-click, try full") << "double" << "ABCD" << 0 << 0 << "E" << -1;
        QTest::newRow("double-click on an empty slot") << "double" << "AB--" << 0 << 0 << "-" << -1;
        QTest::newRow("move to an empty slot") << "drop" << "AB--" << 0 << 2 << "A" << int(D::Moved);
        QTest::newRow("move onto a filled slot") << "drop" << "AB--" << 0 << 1 << "A" << int(D::Moved);
        QTest::newRow("drop onto itself") << "drop" << "AB--" << 1 << 1 << "B" << int(D::Kept);
        QTest::newRow("copy to an empty slot") << "drop" << "AB--" << -3 << 3 << "C" << int(D::Copied);
        QTest::newRow("copy onto a filled slot") << "drop" << "AB--" << -2 << 0 << "D" << int(D::Copied);
        QTest::newRow("copy of a colour in the try") << "drop" << "AB--" << -4 << 2 << "A" << int(D::Refused);
        QTest::newRow("move onto an earlier try") << "drop" << "AB--" << 1 << -3 << "B" << int(D::Refused);
        QTest::newRow("copy onto an earlier try") << "drop" << "AB--" << -3 << -2 << "C" << int(D::Refused);
    }
    void placement()
    {
        QFETCH(QString, rule);
        QFETCH(QString, row);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, colour);
        QFETCH(int, outcome);
        const std::vector<int> r = colours(row);
        const int c = colours(colour)[0];
        QCOMPARE(rule == u"place"    ? int(game::placeColour(r, to, c))
                 : rule == u"double" ? game::doubleClickTarget(r, c)
                                     : int(game::dropSlotColour(r, from, to, c)),
                 outcome);
    }

    void dropTarget_data()
    {
        // Slots 0..3 of 360 twips edge to edge from (1860, 1920); slot 1 left at 480 by a drag.
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<int>("hit");
        QTest::newRow("middle of slot 2") << QPointF(2760, 2100) << 2;
        QTest::newRow("left edge") << QPointF(1860, 2100) << -1;
        QTest::newRow("top edge") << QPointF(2000, 1920) << -1;
        QTest::newRow("one twip inside") << QPointF(1861, 1921) << 0;
        QTest::newRow("edge shared by slots 2 and 3") << QPointF(2940, 2100) << -1;
        QTest::newRow("into the big slot's overlap: lower index") << QPointF(2640, 2100) << 1;
        QTest::newRow("bottom edge") << QPointF(3000, 2280) << -1;
        QTest::newRow("below the row") << QPointF(2000, 2300) << -1;
    }
    void dropTarget()
    {
        QFETCH(QPointF, point);
        QFETCH(int, hit);
        const game::Box boxes[] = {{1860, 1920, 360, 360}, {2220, 1920, 480, 480}, {2580, 1920, 360, 360}, {2940, 1920, 360, 360}};
        QCOMPARE(game::dropTarget(boxes, float(point.x()), float(point.y())), hit);
    }

    void scoring_data()
    {
        QTest::addColumn<QString>("guess");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("currentTry");  // of 0..9
        QTest::addColumn<game::TryOutcome>("outcome");
        using O = game::TryOutcome;
        QTest::newRow("0,0") << "EFGH" << "ABCD" << "in previous try none of the colors were correct" << 0 << O::Next;
        QTest::newRow("1,0") << "EAGH" << "ABCD" << "in previous try only one color was correct, and none was in correct position" << 0 << O::Next;
        QTest::newRow("2,0") << "BAGH" << "ABCD" << "in previous try  2 colors were correct, and none was in correct position" << 0 << O::Next;
        QTest::newRow("1,1") << "AFGH" << "ABCD" << "in previous try only one color was correct, and only one was in correct position also" << 0 << O::Next;
        QTest::newRow("3,1") << "ACBH" << "ABCD" << "in previous try  3 colors were correct, and only one was in correct position also" << 0 << O::Next;
        QTest::newRow("3,2") << "ABDH" << "ABCD" << "in previous try  3 colors were correct, and 2 were in correct position also" << 0 << O::Next;
        QTest::newRow("4,0") << "BCDA" << "ABCD" << "all colors are correct, now rearrange these to find correct positions" << 0 << O::Next;
        QTest::newRow("4,1") << "ACDB" << "ABCD" << "all colors are correct, and only one was in correct position also" << 0 << O::Next;
        QTest::newRow("4,2") << "ABDC" << "ABCD" << "all colors are correct, and 2 were in correct position also" << 0 << O::Next;
        QTest::newRow("4,4 won") << "ABCD" << "ABCD" << "all colors are correct, and 4 were in correct position also" << 0 << O::Won;
        QTest::newRow("3 of 3, rearranged") << "JBE" << "EJB" << "all colors are correct, now rearrange these to find correct positions" << 0 << O::Next;
        QTest::newRow("7 of 7 won") << "ABCDEFG" << "ABCDEFG" << "all colors are correct, and 7 were in correct position also" << 0 << O::Won;
        QTest::newRow("ninth, wrong") << "BCDA" << "ABCD" << "all colors are correct, now rearrange these to find correct positions" << 8 << O::Next;
        QTest::newRow("tenth, wrong") << "BCDA" << "ABCD" << "all colors are correct, now rearrange these to find correct positions" << 9 << O::Lost;
        QTest::newRow("tenth, right: a win") << "ABCD" << "ABCD" << "all colors are correct, and 4 were in correct position also" << 9 << O::Won;
        QTest::newRow("6 of 7, 5 in place") << "ABCDEGH" << "ABCDEFG" << "in previous try  6 colors were correct, and 5 were in correct position also" << 0 << O::Next;
    }
    void scoring()
    {
        QFETCH(QString, guess);
        QFETCH(QString, code);
        QFETCH(QString, sentence);
        QFETCH(int, currentTry);
        QFETCH(game::TryOutcome, outcome);
        const game::Score s = game::scoreTry(colours(guess), colours(code));
        QCOMPARE(game::feedbackSentence(s, int(code.size())), sentence);
        QCOMPARE(game::outcomeOf(s, int(code.size()), currentTry, 9), outcome);
    }


    void selectors_data()
    {
        QTest::addColumn<bool>("colourCount");  // else the positions
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("other");  // the positions for the colours, the colours for the positions
        QTest::addColumn<game::Step>("step");
        QTest::addColumn<int>("after");
        using S = game::Step;
        QTest::newRow("colours up") << true << 6 << 4 << S::Up << 7;
        QTest::newRow("colours down") << true << 7 << 4 << S::Down << 6;
        QTest::newRow("colours stop at 6") << true << 6 << 4 << S::Down << 6;
        QTest::newRow("colours stop at 16") << true << 16 << 4 << S::Up << 16;
        QTest::newRow("colours kept") << true << 9 << 4 << S::None << 9;
        QTest::newRow("colours never below the positions") << true << 7 << 7 << S::Down << 7;
        QTest::newRow("positions up") << false << 4 << 6 << S::Up << 5;
        QTest::newRow("positions down") << false << 4 << 6 << S::Down << 3;
        QTest::newRow("positions stop at 3") << false << 3 << 6 << S::Down << 3;
        QTest::newRow("positions stop at 7") << false << 7 << 9 << S::Up << 7;
        QTest::newRow("positions never above the colours") << false << 6 << 6 << S::Up << 6;
    }
    void selectors()
    {
        QFETCH(bool, colourCount);
        QFETCH(int, count);
        QFETCH(int, other);
        QFETCH(game::Step, step);
        QFETCH(int, after);
        QCOMPARE(colourCount ? game::coloursAfter(count, step, other) : game::positionsAfter(count, step, other), after);
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
        for (int i = 0; i < 10000; ++i) {
            const float u = rng.rnd();
            QVERIFY(u >= 0.0f && u < 1.0f);
        }
    }

    void numbersAsText()
    {
        QCOMPARE(QList<int>({tags::val(" 7"), tags::val("-1"), tags::val("   3"), tags::val(""), tags::val("12abc")}),
                 QList<int>({7, -1, 3, 0, 12}));
        QCOMPARE(tags::blankLed(0) + "|" + tags::blankLed(15) + "|" + tags::blankLed(-1) + "|" + tags::digits(6),
                 QStringLiteral(" 0| 15|-1|6"));
        QCOMPARE(QList<int>({roundHalfEven(0.5f), roundHalfEven(1.5f), roundHalfEven(14.5f), roundHalfEven(14.51f)}),
                 QList<int>({0, 2, 14, 15}));
    }
};

QTEST_GUILESS_MAIN(tst_Rules)
#include "tst_rules.moc"
