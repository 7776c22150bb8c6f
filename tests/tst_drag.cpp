// Dragging colours from the palette and between the guess slots, through
// Qt's real event delivery on a shown board.
#include "BoardDriver.h"

#include <QRandomGenerator>
#include <cmath>
#include <deque>

namespace {

// A row of colours written as letters: 'A'..'D' are the code's colours by
// position, 'W' and 'X' the two colours in play outside the code, '-' empty.
std::vector<int> colours(const BoardDriver& d, const QString& row)
{
    const std::vector<int> code = d.code();
    const std::vector<int> wrong = d.wrongColours();
    std::vector<int> out;
    for (QChar ch : row) {
        if (ch == u'-')
            out.push_back(-1);
        else if (ch == u'W' || ch == u'X')
            out.push_back(wrong.at(ch == u'W' ? 0 : 1));
        else
            out.push_back(code.at(std::size_t(ch.unicode() - u'A')));
    }
    return out;
}

} // namespace

class tst_Drag : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    GameBoard& b() { return d->b(); }

    int tagOf(int k) { return tk::val(b().Guessed(tk::Integer(k)).Tag()); }
    std::vector<int> earlierTry()
    {
        std::vector<int> out;
        for (int k = b().RowFirst - b().positions(); k < b().RowFirst; ++k)
            out.push_back(tagOf(k));
        return out;
    }
    bool dragIdle() { return !b().DragColor->Visible() && b().DragOffsetX == 0 && b().DragOffsetY == 0; }

    // Try 0 is scored as the code turned by one place (no position right, so
    // never a win); the board then waits on try 1.
    void playFirstTry()
    {
        d->playTry(colours(*d, "BCDA"));
        QCOMPARE(b().CurrentTry, 1);
        QCOMPARE(earlierTry(), colours(*d, "BCDA"));
    }
    void fillByDoubleClicks(const QString& row)
    {
        for (int c : colours(*d, row))
            d->dblClickColour(c);
    }

    // Window points by name: "c2" is the middle of slot 2 of the current try,
    // "e1" of slot 1 of the try before it; "c1+60" lies 60 twips into slot 1,
    // at mid-height. "palette" is the last colour in play, "answer" the first
    // code peg, "board" bare client area, "outside" beyond the window.
    QPoint point(const QString& name)
    {
        if (name == u"palette")
            return d->cellOf(b().Picture1(b().ColourOrder[std::size_t(b().MaxColour)]));
        if (name == u"answer")
            return d->cellOf(b().answer(0));
        if (name == u"board")
            return d->at(6600, 4200);
        // Beyond the left or top edge only: QTest warns of points past the others.
        if (name == u"outside")
            return QPoint(-40, -30);
        if (name == u"outside left")
            return QPoint(-60, b().height() / 2);
        const tk::Image& slot = b().Guessed(tk::Integer(slotIndex(name)));
        const float x = name.size() > 2 ? name.mid(3).toFloat() : 180;
        return d->at(slot.Left() + x, slot.Top() + 180);
    }
    int slotIndex(const QString& name)
    {
        const int row = name[0] == u'c' ? b().RowFirst : b().RowFirst - b().positions();
        return row + name[1].digitValue();
    }
    // Each slot shows what its Tag holds: the palette picture of its colour,
    // or the empty picture.
    bool showsItsColour(int k)
    {
        const int c = tagOf(k);
        const tk::Picture& expected = c < 0 ? b().Blank->picture() : b().Picture1(tk::Integer(c)).picture();
        return b().Guessed(tk::Integer(k)).picture().sameAs(expected);
    }
    QPointF twipsAt(QPoint windowPoint)
    {
        const QPoint p = b().client()->mapFrom(&b(), windowPoint);
        return {tk::toTwips(p.x()), tk::toTwips(p.y())};
    }

private slots:
    void init() { d = std::make_unique<BoardDriver>(); }
    void cleanup() { d.reset(); }

    void paletteDrop_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<int>("placedAt");  // position in the current try, -1 for none
        QTest::newRow("slot 0") << QStringList{"c0"} << 0;
        QTest::newRow("slot 1") << QStringList{"c1"} << 1;
        QTest::newRow("slot 2") << QStringList{"c2"} << 2;
        QTest::newRow("slot 3") << QStringList{"c3"} << 3;
        QTest::newRow("earlier try") << QStringList{"e2"} << -1;
        QTest::newRow("answer row") << QStringList{"answer"} << -1;
        QTest::newRow("bare board") << QStringList{"board"} << -1;
        QTest::newRow("outside") << QStringList{"outside"} << -1;
        QTest::newRow("outside after passing a slot") << QStringList{"c1", "outside left"} << -1;
        QTest::newRow("outside and back") << QStringList{"outside", "outside left", "c2"} << 2;
    }
    void paletteDrop()
    {
        QFETCH(QStringList, path);
        QFETCH(int, placedAt);
        playFirstTry();
        const int colour = colours(*d, "W").front();
        const QPoint from = d->cellOf(b().Picture1(tk::Integer(colour)));
        d->press(Qt::LeftButton, from);
        for (const QString& p : path)
            d->move(point(p));
        d->release(Qt::LeftButton, point(path.back()));

        std::vector<int> expected(4, -1);
        if (placedAt >= 0)
            expected[std::size_t(placedAt)] = colour;
        QCOMPARE(d->currentTry(), expected);
        QCOMPARE(earlierTry(), colours(*d, "BCDA"));
        QVERIFY(dragIdle());
    }

    void dropOnSlotEdges_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<float>("dx");  // drop point from slot k's top-left corner
        QTest::addColumn<float>("dy");
        QTest::addColumn<int>("hit");
        QTest::newRow("left edge") << 0 << 0.f << 180.f << -1;
        QTest::newRow("top edge") << 1 << 180.f << 0.f << -1;
        QTest::newRow("right edge") << 3 << 360.f << 180.f << -1;
        QTest::newRow("bottom edge") << 2 << 180.f << 360.f << -1;
        QTest::newRow("edge shared by slots 1 and 2") << 1 << 360.f << 180.f << -1;
        QTest::newRow("one pixel inside the left edge") << 0 << 15.f << 180.f << 0;
        QTest::newRow("one pixel inside the bottom edge") << 2 << 180.f << 345.f << 2;
        QTest::newRow("one pixel past the shared edge") << 1 << 375.f << 180.f << 2;
    }
    void dropOnSlotEdges()
    {
        QFETCH(int, k);
        QFETCH(float, dx);
        QFETCH(float, dy);
        QFETCH(int, hit);
        // The slots and the palette lie on whole pixels (15 twips each), so a
        // real pointer event can land exactly on an edge.
        const tk::Image& slot = b().Guessed(tk::Integer(k));
        QVERIFY(std::fmod(slot.Left(), 15.f) == 0 && std::fmod(slot.Top(), 15.f) == 0);
        const int colour = d->code().front();
        d->drag(d->cellOf(b().Picture1(tk::Integer(colour))), d->at(slot.Left() + dx, slot.Top() + dy));

        std::vector<int> expected(4, -1);
        if (hit >= 0)
            expected[std::size_t(hit)] = colour;
        QCOMPARE(d->currentTry(), expected);
    }

    void clickWithoutMovingPlacesNothing()
    {
        const tk::Image& colour = b().Picture1(tk::Integer(d->code().front()));
        d->press(Qt::LeftButton, d->cellOf(colour));
        QVERIFY(b().DragColor->Visible());
        QVERIFY(b().DragColor->picture().sameAs(colour.picture()));
        QCOMPARE(QPointF(b().DragColor->Left(), b().DragColor->Top()), QPointF(colour.Left(), colour.Top()));
        d->release(Qt::LeftButton, d->cellOf(colour));
        QVERIFY(dragIdle());
        QCOMPARE(d->currentTry(), std::vector<int>(4, -1));
        QVERIFY(b().MaxColors->isVisible());  // no placement was even tried
    }

    void moveWithLeftAndRightHeldLeavesDragImage()
    {
        const tk::Image& colour = b().Picture1(tk::Integer(d->code().front()));
        d->press(Qt::LeftButton, d->cellOf(colour));
        d->press(Qt::RightButton, d->cellOf(colour));
        d->move(point("c1"));
        QCOMPARE(QPointF(b().DragColor->Left(), b().DragColor->Top()), QPointF(colour.Left(), colour.Top()));
        d->release(Qt::RightButton, point("c1"));
        QVERIFY(b().DragColor->Visible());
        // Released over slot 1, but the drop point is where the last move the
        // drag image followed left it: still over the palette.
        d->release(Qt::LeftButton, point("c1"));
        QVERIFY(dragIdle());
        QCOMPARE(d->currentTry(), std::vector<int>(4, -1));
    }

    void strandedDragImage_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("palette colour") << "palette";
        QTest::newRow("filled slot") << "c0";
    }
    void strandedDragImage()
    {
        QFETCH(QString, source);
        fillByDoubleClicks("A");
        const tk::Image& pressed =
            source == u"c0" ? b().Guessed(0) : b().Picture1(b().ColourOrder[std::size_t(b().MaxColour)]);
        const QPoint from = point(source) + QPoint(3, 5);
        d->press(Qt::RightButton, from);
        d->release(Qt::RightButton, from);
        // Left showing over what was pressed, with the grab point of that press.
        QVERIFY(b().DragColor->Visible());
        QCOMPARE(QPointF(b().DragColor->Left(), b().DragColor->Top()), QPointF(pressed.Left(), pressed.Top()));
        QCOMPARE(QPointF(b().DragOffsetX, b().DragOffsetY), twipsAt(from) - QPointF(pressed.Left(), pressed.Top()));

        // The drag image lies in front, so the left press lands on it and the
        // drag pushes it about by its top-left corner.
        d->press(Qt::LeftButton, from);
        d->move(point("c2") + QPoint(-7, 4));
        d->move(point("c2"));
        QCOMPARE(QPointF(b().DragColor->Left(), b().DragColor->Top()), twipsAt(point("c2")));
        d->release(Qt::LeftButton, point("c2"));
        QVERIFY(b().DragColor->Visible());
        QCOMPARE(d->currentTry(), colours(*d, "A---"));

        d->click(Qt::LeftButton, d->cellOf(b().Picture1(tk::Integer(colours(*d, "W").front()))));
        QVERIFY(dragIdle());
        QCOMPARE(d->currentTry(), colours(*d, "A---"));
        if (source == u"c0")  // its colour stayed in the Tag while it showed empty
            QVERIFY(b().Guessed(0).picture().sameAs(b().Blank->picture()));
    }

    void slotDrag_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("after");  // the current try; it was "AB--"
        QTest::addColumn<int>("sourceSize");
        // Try 0 holds "BCDA".
        QTest::newRow("move to an empty slot") << "c0" << "c2" << "-BA-" << 360;
        QTest::newRow("move onto a filled slot") << "c0" << "c1" << "-A--" << 360;
        QTest::newRow("back onto itself") << "c1" << "c1" << "AB--" << 360;
        QTest::newRow("into the neighbour's first 120 twips") << "c0" << "c1+60" << "AB--" << 360;
        QTest::newRow("pressed on its left edge") << "c0+0" << "c0+0" << "AB--" << 480;
        QTest::newRow("copy to an empty slot") << "e1" << "c3" << "AB-C" << 360;
        QTest::newRow("copy onto a filled slot") << "e2" << "c0" << "DB--" << 360;
        QTest::newRow("copy of a colour in the try") << "e0" << "c2" << "AB--" << 480;
        QTest::newRow("current onto earlier try") << "c1" << "e1" << "AB--" << 480;
        QTest::newRow("current onto palette") << "c0" << "palette" << "AB--" << 480;
        QTest::newRow("current onto bare board") << "c1" << "board" << "AB--" << 480;
        QTest::newRow("current outside the window") << "c0" << "outside" << "AB--" << 480;
        QTest::newRow("earlier onto earlier try") << "e1" << "e2" << "AB--" << 480;
        QTest::newRow("earlier onto the answer row") << "e1" << "answer" << "AB--" << 480;
    }
    void slotDrag()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, after);
        QFETCH(int, sourceSize);
        playFirstTry();
        fillByDoubleClicks("AB");
        QCOMPARE(d->currentTry(), colours(*d, "AB--"));

        const int source = slotIndex(from);
        d->drag(point(from), point(to));

        QCOMPARE(d->currentTry(), colours(*d, after));
        QCOMPARE(earlierTry(), colours(*d, "BCDA"));
        QVERIFY(dragIdle());
        for (int k = 0; k <= b().RowLast; ++k) {
            const tk::Image& slot = b().Guessed(tk::Integer(k));
            const float size = k == source ? float(sourceSize) : 360.f;
            QVERIFY2(slot.Width() == size && slot.Height() == size, qPrintable(QStringLiteral("slot %1").arg(k)));
            QVERIFY2(showsItsColour(k), qPrintable(QStringLiteral("slot %1").arg(k)));
        }
    }

    void doubleClickOnEarlierSlot_data()
    {
        QTest::addColumn<QString>("fill");  // double-clicked on the palette, in order
        QTest::addColumn<bool>("moveFirstToLast");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("after");
        QTest::newRow("copies into the lowest empty slot") << "AB" << true << "e1" << "CB-A";
        QTest::newRow("colour already in the try") << "AB" << true << "e0" << "-B-A";
        QTest::newRow("no empty slot") << "ABWX" << false << "e1" << "ABWX";
    }
    void doubleClickOnEarlierSlot()
    {
        QFETCH(QString, fill);
        QFETCH(bool, moveFirstToLast);
        QFETCH(QString, source);
        QFETCH(QString, after);
        playFirstTry();
        fillByDoubleClicks(fill);
        if (moveFirstToLast)
            d->drag(point("c0"), point("c3"));

        const int k = slotIndex(source);
        const int colour = tagOf(k);
        d->dblClick(point(source));

        QCOMPARE(d->currentTry(), colours(*d, after));
        QCOMPARE(earlierTry(), colours(*d, "BCDA"));
        QCOMPARE(tagOf(k), colour);
        QVERIFY(showsItsColour(k));
        for (int j = b().RowFirst; j <= b().RowLast; ++j)
            QVERIFY(showsItsColour(j));
        QVERIFY(dragIdle());
    }

    void dragImageInFrontOfEveryImage_data()
    {
        QTest::addColumn<QString>("fill");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("over");
        QTest::newRow("palette over an empty slot") << "" << "palette" << "c2";
        QTest::newRow("palette over the earlier try") << "" << "palette" << "e0";
        QTest::newRow("palette over the answer row") << "" << "palette" << "answer";
        QTest::newRow("earlier slot over an empty slot") << "" << "e1" << "c2";
        QTest::newRow("earlier slot over the palette") << "" << "e1" << "palette";
        QTest::newRow("earlier slot over a filled slot") << "AB" << "e2" << "c0";
        QTest::newRow("slot over its neighbour") << "AB" << "c0" << "c1+60";
        QTest::newRow("slot over the earlier try") << "AB" << "c1" << "e3";
    }
    void dragImageInFrontOfEveryImage()
    {
        QFETCH(QString, fill);
        QFETCH(QString, from);
        QFETCH(QString, over);
        // Scoring a try raises the new row's slots above every image, the drag
        // image included; with nothing filled, the drag starts right after.
        playFirstTry();
        fillByDoubleClicks(fill);
        b().Giveup->trigger();  // the code pegs show from now on; the drags go on as before
        d->press(Qt::LeftButton, point(from) + QPoint(4, -3));
        d->move(point(over));
        const QPoint at = point(over) + QPoint(2, 2);
        d->move(at);
        QVERIFY(b().DragColor->Visible());
        QCOMPARE(b().client()->childAt(b().client()->mapFrom(&b(), at)), b().DragColor);
        // It keeps the grab point under the pointer.
        QCOMPARE(QPointF(b().DragColor->Left() + b().DragOffsetX, b().DragColor->Top() + b().DragOffsetY), twipsAt(at));
        d->release(Qt::LeftButton, at);
    }

    void emptySlotStartsNoDrag()
    {
        // A drag before leaves a colour in ColourClicked and moves the drag image.
        fillByDoubleClicks("A");
        d->drag(point("c0"), point("c1"));
        QCOMPARE(d->currentTry(), colours(*d, "-A--"));
        const QPointF before(b().DragColor->Left(), b().DragColor->Top());

        d->drag(point("c0"), point("c2"));
        QVERIFY(dragIdle());
        QCOMPARE(QPointF(b().DragColor->Left(), b().DragColor->Top()), before);
        QCOMPARE(d->currentTry(), colours(*d, "-A--"));
        for (int k = 0; k <= b().RowLast; ++k) {
            QVERIFY(showsItsColour(k));
            QCOMPARE(b().Guessed(tk::Integer(k)).Width(), 360.f);
        }
    }

    void randomGesturesKeepTheTryAndTheSlots();
};

// Thousands of random gestures with random buttons all over the board; after
// each one the current try holds no colour twice, the slot array holds the
// rows of tries 0 to CurrentTry and nothing more, and the earlier tries never
// change. Points are picked by control and place, never by colour, so a
// seed replays the same gestures whatever the shuffle (a chance win aside).
void tst_Drag::randomGesturesKeepTheTryAndTheSlots()
{
    const quint32 seed = qEnvironmentVariableIsSet("QUORVANE_DRAG_SEED")
        ? quint32(qEnvironmentVariableIntValue("QUORVANE_DRAG_SEED"))
        : 20240611u;
    QRandomGenerator rng(seed);
    const auto chance = [&](int percent) { return int(rng.bounded(100)) < percent; };

    // Somewhere in or near a visible control, on an edge now and then.
    const auto pick = [&](bool mayLeave) {
        const int kind = int(rng.bounded(10));
        if (kind < 4) {
            const tk::Integer k = tk::Integer(rng.bounded(quint32(b().RowLast + 1)));
            const tk::Image& slot = b().Guessed(k);
            return d->at(slot.Left() + float(rng.bounded(25)) * 15, slot.Top() + float(rng.bounded(25)) * 15);
        }
        if (kind < 7) {
            const tk::Image& colour = b().Picture1(b().ColourOrder[rng.bounded(quint32(b().MaxColour + 1))]);
            return d->at(colour.Left() + float(rng.bounded(24)) * 15, colour.Top() + float(rng.bounded(24)) * 15);
        }
        if (kind < 8 && b().DragColor->Visible())
            return d->cellOf(*b().DragColor);
        if (kind < 8) {  // the selectors, or the button that starts the next game
            for (const tk::CommandButton* button : {b().FailText, b().CongText, b().MaxColors, b().Maxpositions})
                if (button->isVisible() && chance(60))
                    return d->at(button->Left() + button->Width() / 2, button->Top() + button->Height() / 2);
        }
        if (kind < 9 && mayLeave)  // beyond the left or the top edge
            return chance(50) ? QPoint(-int(rng.bounded(1, 60)), int(rng.bounded(b().height())))
                              : QPoint(int(rng.bounded(b().width())), -int(rng.bounded(1, 60)));
        return d->at(float(rng.bounded(7875)), float(rng.bounded(6630)));
    };
    // QTest warns of points past the window's right or bottom edge.
    const auto somewhere = [&](bool mayLeave) {
        const QPoint p = pick(mayLeave);
        return QPoint(std::min(p.x(), b().width() - 1), std::min(p.y(), b().height() - 1));
    };

    // The left button three times as often as each of the others.
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                       Qt::MiddleButton};
    Qt::MouseButtons held;
    std::vector<int> frozen;  // Tags of the earlier tries, as they were scored
    std::deque<QString> recent;
    int lastTry = 0, scored = 0, restarts = 0;
    for (int step = 0; step < 4000; ++step) {
        QString what;
        if (!held) {
            const int r = int(rng.bounded(100));
            if (r < 12 && b().GuessComplete->isVisible()) {
                d->clickOk();
                what = "OK";
            } else if (r < 35) {
                const QPoint p = chance(75)
                    ? d->cellOf(b().Picture1(b().ColourOrder[rng.bounded(quint32(b().MaxColour + 1))]))
                    : somewhere(false);
                d->dblClick(p);
                what = QStringLiteral("double-click %1,%2").arg(p.x()).arg(p.y());
            } else {
                const Qt::MouseButton button = buttons[rng.bounded(5)];
                const QPoint p = somewhere(false);
                d->press(button, p);
                held |= button;
                what = QStringLiteral("press %1 at %2,%3").arg(int(button)).arg(p.x()).arg(p.y());
            }
        } else {
            const int r = int(rng.bounded(100));
            const QPoint p = somewhere(true);
            if (r < 55) {
                d->move(p);
                what = QStringLiteral("move to %1,%2").arg(p.x()).arg(p.y());
            } else if (r < 93) {
                Qt::MouseButton button = buttons[rng.bounded(5)];
                while (!(held & button))
                    button = buttons[rng.bounded(5)];
                d->release(button, p);
                held &= ~Qt::MouseButtons(button);
                what = QStringLiteral("release %1 at %2,%3").arg(int(button)).arg(p.x()).arg(p.y());
            } else {
                const Qt::MouseButton button = buttons[rng.bounded(5)];
                if (held & button)
                    continue;
                d->press(button, p);
                held |= button;
                what = QStringLiteral("press %1 at %2,%3").arg(int(button)).arg(p.x()).arg(p.y());
            }
        }
        recent.push_back(what);
        if (recent.size() > 8)
            recent.pop_front();

        const GameBoard& g = b();
        const int P = g.MaxPosition + 1;
        if (g.CurrentTry < lastTry) {
            ++restarts;
            frozen.clear();
        }
        if (g.CurrentTry > lastTry) {
            ++scored;
            for (int k = int(frozen.size()); k < g.RowFirst && g.Guessed.exists(tk::Integer(k)); ++k)
                frozen.push_back(tagOf(k));
        }
        lastTry = g.CurrentTry;

        QStringList problems;
        if (g.RowFirst != g.CurrentTry * P || g.RowLast - g.RowFirst != g.MaxPosition)
            problems << QStringLiteral("rows %1..%2 on try %3").arg(g.RowFirst).arg(g.RowLast).arg(g.CurrentTry);
        for (int k = 0; k <= g.RowLast; ++k)
            if (!g.Guessed.exists(tk::Integer(k)))
                problems << QStringLiteral("slot %1 missing").arg(k);
        if (g.Guessed.ubound() != g.RowLast)
            problems << QStringLiteral("slots up to %1 exist").arg(g.Guessed.ubound());
        std::vector<int> seen;
        for (int k = g.RowFirst; k <= g.RowLast && g.Guessed.exists(tk::Integer(k)); ++k) {
            const int c = tagOf(k);
            if (c >= 0 && std::find(seen.begin(), seen.end(), c) != seen.end())
                problems << QStringLiteral("colour %1 twice").arg(c);
            seen.push_back(c);
        }
        for (int k = 0; k < int(frozen.size()); ++k)
            if (tagOf(k) != frozen[std::size_t(k)])
                problems << QStringLiteral("earlier slot %1 changed").arg(k);
        if (!g.DragColor->Visible() && (g.DragOffsetX != 0 || g.DragOffsetY != 0))
            problems << QStringLiteral("grab point kept with no drag image");
        const QString gestures = QStringList(recent.begin(), recent.end()).join(" | ");
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("seed %1, step %2: %3\nlast gestures: %4")
                                                    .arg(seed).arg(step).arg(problems.join("; "), gestures)));
    }
    qInfo("seed %u: %d tries scored, %d new games after the first try", seed, scored, restarts);
    QVERIFY2(scored >= 5, "too few tries were scored for the gestures to reach later rows");
}

QTEST_MAIN(tst_Drag)
#include "tst_drag.moc"
