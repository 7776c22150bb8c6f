// Dragging colours from the palette and between the guess slots, through
// Qt's real event delivery on a shown board. Rows of colours are written as
// letters (BoardDriver::row); try 0 is "BCDA" wherever a test plays it.
#include "BoardDriver.h"

#include <QAction>
#include <cmath>

class tst_Drag : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    GameBoard& b() { return d->b(); }

    static QPointF topLeft(const tk::Placed& c) { return {c.Left(), c.Top()}; }
    bool dragIdle() { return !b().DragColor->Visible() && b().DragOffsetX == 0 && b().DragOffsetY == 0; }

    // No position right, so never a win: the board then waits on try 1.
    void playFirstTry()
    {
        d->playTry(d->row("BCDA"));
        QCOMPARE(b().CurrentTry, 1);
    }
    // Each slot shows what its Tag holds: its colour's palette picture, or the empty one.
    bool showsItsColour(int k)
    {
        const int c = tk::val(b().Guessed(tk::Integer(k)).Tag());
        const tk::Picture& expected = c < 0 ? b().Blank->picture() : b().Picture1(tk::Integer(c)).picture();
        return b().Guessed(tk::Integer(k)).picture().sameAs(expected);
    }
    // What every finished gesture leaves: the current try as given, try 0 as
    // scored, no drag under way, every slot showing its colour.
    void checkSettled(const QString& current)
    {
        QCOMPARE(d->currentTry(), d->row(current));
        if (b().CurrentTry == 1)
            QCOMPARE(d->tryColours(0), d->row("BCDA"));
        QVERIFY(dragIdle());
        for (int k = 0; k <= b().RowLast; ++k)
            QVERIFY2(showsItsColour(k), qPrintable(QStringLiteral("slot %1").arg(k)));
    }

    // Window points by name: "c2" is the middle of slot 2 of the current try,
    // "e1" of slot 1 of the try before it; "c1+60" lies 60 twips into slot 1,
    // at mid-height, "c1+60+0" on its top edge. "W" is that colour's palette
    // cell, "palette" the last colour in play's, "answer" the first code peg,
    // "board" bare client area, "outside" beyond the window.
    QPoint point(const QString& name)
    {
        if (name == u"palette")
            return d->cellOf(b().Picture1(b().ColourOrder[std::size_t(b().MaxColour)]));
        if (name.size() == 1)  // a colour by its letter
            return d->cellOf(b().Picture1(tk::Integer(d->row(name)[0])));
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
        const QStringList offset = name.mid(3).split(u'+');
        return d->at(slot.Left() + (name.size() > 2 ? offset[0].toFloat() : 180),
                     slot.Top() + (offset.size() > 1 ? offset[1].toFloat() : 180));
    }
    int slotIndex(const QString& name)
    {
        if (name[0] != u'c' && name[0] != u'e')
            return -1;
        return (name[0] == u'c' ? b().RowFirst : b().RowFirst - b().positions()) + name[1].digitValue();
    }
    // A left drag along named points. At the last one the drag image lies in
    // front of every image and keeps the grab point under the pointer.
    void drag(QPoint from, const QStringList& path)
    {
        d->press(Qt::LeftButton, from);
        for (const QString& p : path)
            d->move(point(p));
        const QPoint end = point(path.back());
        const QPoint inClient = b().client()->mapFrom(&b(), end);
        QVERIFY(b().DragColor->Visible());
        if (b().client()->rect().contains(inClient))
            QCOMPARE(b().client()->childAt(inClient), b().DragColor);
        QCOMPARE(topLeft(*b().DragColor) + QPointF(b().DragOffsetX, b().DragOffsetY), d->twipsAt(end));
        d->release(Qt::LeftButton, end);
    }

private slots:
    void init() { d = std::make_unique<BoardDriver>(); }
    void cleanup() { d.reset(); }

    void paletteDrop_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("after");
        QTest::newRow("slot 0") << QStringList{"c0"} << "W---";
        QTest::newRow("slot 1") << QStringList{"c1"} << "-W--";
        QTest::newRow("slot 2") << QStringList{"c2"} << "--W-";
        QTest::newRow("slot 3") << QStringList{"c3"} << "---W";
        QTest::newRow("earlier try") << QStringList{"e2"} << "----";
        QTest::newRow("answer row") << QStringList{"answer"} << "----";
        QTest::newRow("bare board") << QStringList{"board"} << "----";
        QTest::newRow("outside") << QStringList{"outside"} << "----";
        QTest::newRow("outside after passing a slot") << QStringList{"c1", "outside left"} << "----";
        QTest::newRow("outside and back") << QStringList{"outside", "outside left", "c2"} << "--W-";
        // Slots lie on whole pixels (15 twips), so a real event can land exactly on an edge.
        QTest::newRow("left edge") << QStringList{"c0+0"} << "----";
        QTest::newRow("top edge") << QStringList{"c1+180+0"} << "----";
        QTest::newRow("right edge") << QStringList{"c3+360"} << "----";
        QTest::newRow("bottom edge") << QStringList{"c2+180+360"} << "----";
        QTest::newRow("edge shared by slots 1 and 2") << QStringList{"c1+360"} << "----";
        QTest::newRow("one pixel inside the left edge") << QStringList{"c0+15"} << "W---";
        QTest::newRow("one pixel inside the bottom edge") << QStringList{"c2+180+345"} << "--W-";
        QTest::newRow("one pixel past the shared edge") << QStringList{"c1+375"} << "--W-";
    }
    void paletteDrop()
    {
        QFETCH(QStringList, path);
        QFETCH(QString, after);
        playFirstTry();
        b().Giveup->trigger();  // the code pegs show from now on; drops go on as in play
        for (int k = b().RowFirst; k <= b().RowLast; ++k) {
            const tk::Image& slot = b().Guessed(tk::Integer(k));
            QVERIFY(std::fmod(slot.Left(), 15.f) == 0 && std::fmod(slot.Top(), 15.f) == 0);
        }
        drag(d->cellOf(b().Picture1(tk::Integer(d->row("W")[0]))) + QPoint(-3, 4), path);
        checkSettled(after);
    }

    void clickWithoutMovingPlacesNothing()
    {
        const tk::Image& colour = b().Picture1(tk::Integer(d->code()[0]));
        d->press(Qt::LeftButton, d->cellOf(colour));
        QVERIFY(b().DragColor->Visible() && b().DragColor->picture().sameAs(colour.picture()));
        QCOMPARE(topLeft(*b().DragColor), topLeft(colour));
        d->release(Qt::LeftButton, d->cellOf(colour));
        checkSettled("----");
        QVERIFY(b().MaxColors->isVisible());  // no placement was even tried
    }

    void moveWithLeftAndRightHeldLeavesDragImage()
    {
        const tk::Image& colour = b().Picture1(tk::Integer(d->code()[0]));
        d->press(Qt::LeftButton, d->cellOf(colour));
        d->press(Qt::RightButton, d->cellOf(colour));
        d->move(point("c1"));
        QCOMPARE(topLeft(*b().DragColor), topLeft(colour));
        d->release(Qt::RightButton, point("c1"));
        QVERIFY(b().DragColor->Visible());
        // The drop point is where the last followed move left the drag image: the palette.
        d->release(Qt::LeftButton, point("c1"));
        checkSettled("----");
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
        d->fill(d->row("A"));
        const tk::Image& pressed =
            source == u"c0" ? b().Guessed(0) : b().Picture1(b().ColourOrder[std::size_t(b().MaxColour)]);
        const QPoint from = point(source) + QPoint(3, 5);
        d->press(Qt::RightButton, from);
        d->release(Qt::RightButton, from);
        // Left showing over what was pressed, with the grab point of that press.
        QVERIFY(b().DragColor->Visible());
        QCOMPARE(topLeft(*b().DragColor), topLeft(pressed));
        QCOMPARE(QPointF(b().DragOffsetX, b().DragOffsetY), d->twipsAt(from) - topLeft(pressed));

        // A left press lands on the drag image, in front, which follows by its top-left corner.
        d->press(Qt::LeftButton, from);
        d->move(point("c2") + QPoint(-7, 4));
        d->move(point("c2"));
        QCOMPARE(topLeft(*b().DragColor), d->twipsAt(point("c2")));
        d->release(Qt::LeftButton, point("c2"));
        QVERIFY(b().DragColor->Visible());
        QCOMPARE(d->currentTry(), d->row("A---"));

        d->click(Qt::LeftButton, d->cellOf(b().Picture1(tk::Integer(d->row("W")[0]))));
        QVERIFY(dragIdle());
        QCOMPARE(d->currentTry(), d->row("A---"));
        if (source == u"c0")  // its colour stayed in the Tag while it showed empty
            QVERIFY(b().Guessed(0).picture().sameAs(b().Blank->picture()));
    }

    void slotDrag_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("after");  // the current try; it was "AB--"
        QTest::addColumn<int>("sourceSize");
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
        QTest::newRow("earlier onto the palette") << "e1" << "palette" << "AB--" << 480;
        QTest::newRow("palette colour beside the others") << "W" << "c2" << "ABW-" << 0;
        QTest::newRow("palette colour already in the try") << "A" << "c2" << "AB--" << 0;
    }
    void slotDrag()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, after);
        QFETCH(int, sourceSize);
        playFirstTry();
        d->fill(d->row("AB"));
        drag(point(from), {to});
        checkSettled(after);
        for (int k = 0; k <= b().RowLast; ++k) {
            const float size = k == slotIndex(from) ? float(sourceSize) : 360.f;
            const tk::Image& slot = b().Guessed(tk::Integer(k));
            QVERIFY2(slot.Width() == size && slot.Height() == size, qPrintable(QStringLiteral("slot %1").arg(k)));
        }
    }

    void earlierSlotDraggedRightAfterScoring()
    {
        // Scoring raised the new row above the drag image: the press must raise it again.
        playFirstTry();
        drag(point("e1"), {"c2"});
        checkSettled("--C-");
    }

    void doubleClickOnEarlierSlot_data()
    {
        QTest::addColumn<QString>("fill");  // double-clicked on the palette
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("after");
        QTest::newRow("copies into the lowest empty slot") << "AB" << "e1" << "CB-A";
        QTest::newRow("colour already in the try") << "AB" << "e0" << "-B-A";
        QTest::newRow("no empty slot") << "ABWX" << "e1" << "ABWX";
    }
    void doubleClickOnEarlierSlot()
    {
        QFETCH(QString, fill);
        QFETCH(QString, source);
        QFETCH(QString, after);
        playFirstTry();
        d->fill(d->row(fill));
        if (fill.size() < 4)  // empties slot 0, lower than the empty slot 2
            d->drag(point("c0"), point("c3"));
        d->dblClick(point(source));
        checkSettled(after);
    }

    void emptySlotStartsNoDrag()
    {
        // A drag before leaves a colour in ColourClicked and the drag image moved.
        d->fill(d->row("A"));
        d->drag(point("c0"), point("c1"));
        const QPointF before = topLeft(*b().DragColor);
        d->drag(point("c0"), point("c2"));
        QCOMPARE(topLeft(*b().DragColor), before);
        checkSettled("-A--");
        for (int k = 0; k <= b().RowLast; ++k)
            QCOMPARE(b().Guessed(tk::Integer(k)).Width(), 360.f);
    }
};

QTEST_MAIN(tst_Drag)
#include "tst_drag.moc"
