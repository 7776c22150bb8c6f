// The board's mouse handlers wired to Qt's real event delivery: drags, drops,
// double-clicks, scoring, the end of a game and the selectors. Rows of
// colours are written as letters (BoardDriver::row).
#include "BoardDriver.h"

#include <QAction>

class tst_Board : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    BoardControls& u() { return d->ui(); }
    GameState& g() { return d->game(); }
    static QPointF topLeft(const tk::Placed& c) { return {c.Left(), c.Top()}; }

    // Window points by name: "c2" the middle of slot 2 of the current try, "e1"
    // of slot 1 of the try before; "c1+60" 60 twips into slot 1 at mid-height.
    // "W" is that colour's palette cell, "palette" the last colour in play's,
    // "answer" the first code peg, "outside" a point beyond the window.
    QPoint point(const QString& name)
    {
        if (name == u"palette")
            return d->cellOf(d->colour(g().ColourOrder[std::size_t(g().MaxColour)]));
        if (name.size() == 1)
            return d->cellOf(d->colour(d->row(name)[0]));
        if (name == u"answer" || name == u"outside")
            return name == u"outside" ? QPoint(-40, -30) : d->cellOf(u().answer(0));
        const tk::Image& slot = d->slot(slotIndex(name));
        return d->at(slot.Left() + (name.size() > 2 ? name.mid(3).toFloat() : 180), slot.Top() + 180);
    }
    int slotIndex(const QString& name)
    {
        return name[0] != u'c' && name[0] != u'e' ? -1
               : (name[0] == u'c' ? g().RowFirst : g().RowFirst - g().positions()) + name[1].digitValue();
    }
    // The current try as given, no drag under way, each slot showing what its Tag holds.
    void checkSettled(const QString& current)
    {
        QCOMPARE(d->currentTry(), d->row(current));
        QVERIFY(!u().DragColor->Visible() && g().DragOffsetX == 0 && g().DragOffsetY == 0);
        for (int k = 0; k <= g().RowLast; ++k) {
            const int c = tags::val(d->slot(k).Tag());
            QVERIFY2(d->slot(k).picture().sameAs(c < 0 ? u().Blank->picture() : d->colour(c).picture()), qPrintable(QString::number(k)));
        }
        QCOMPARE(d->fault(), QString());
    }

private slots:
    void init() { d = std::make_unique<BoardDriver>(); }
    void cleanup() { d.reset(); }

    void gestures_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QStringList>("path");  // pressed, moved over, released; one point: a double-click
        QTest::addColumn<QString>("after");      // the current try; it was "AB--", the try before "BCDA"
        QTest::addColumn<int>("sourceSize");     // of the slot pressed, after
        const auto row = [](const char* name, Qt::MouseButton b, QStringList path, const char* after, int size = 360) {
            QTest::newRow(name) << b << path << after << size;
        };
        const Qt::MouseButton L = Qt::LeftButton;
        row("colour onto slot 3", L, {"W", "c3"}, "AB-W");
        row("colour onto an earlier try", L, {"W", "e2"}, "AB--");
        row("colour outside the window, after passing a slot", L, {"W", "c2", "outside"}, "AB--");
        row("colour outside and back", L, {"W", "outside", "c2"}, "ABW-");
        row("colour onto the left edge of a slot", L, {"W", "c2+0"}, "AB--");
        row("colour onto the edge shared by slots 2 and 3", L, {"W", "c2+360"}, "AB--");
        row("colour one pixel past the shared edge", L, {"W", "c2+375"}, "AB-W");
        row("colour already in the try", L, {"A", "c2"}, "AB--");
        row("move to an empty slot", L, {"c0", "c2"}, "-BA-");
        row("move onto a filled slot", L, {"c0", "c1"}, "-A--");
        row("move into the neighbour's first 120 twips", L, {"c0", "c1+60"}, "AB--");
        row("pressed on its left edge", L, {"c0+0", "c0+0"}, "AB--", 480);
        row("copy onto a filled slot", L, {"e2", "c0"}, "DB--");
        row("copy of a colour in the try", L, {"e0", "c2"}, "AB--", 480);
        row("current onto the palette", L, {"c0", "palette"}, "AB--", 480);
        row("earlier onto the answer row", L, {"e1", "answer"}, "AB--", 480);
        row("double-click: colour into the lowest empty slot", L, {"W"}, "ABW-");
        row("double-click: earlier slot copied", L, {"e1"}, "ABC-", 480);
        row("double-click: earlier colour in the try", L, {"e0"}, "AB--", 480);
        row("back button on a colour: nothing", Qt::BackButton, {"W", "c2"}, "AB--");
        row("forward button on a slot: nothing", Qt::ForwardButton, {"c0", "c2"}, "AB--");
        row("right button on a colour: the drag image left showing", Qt::RightButton, {"W", "c2"}, "AB--");
        row("right button on a slot: left showing, the slot empty", Qt::RightButton, {"c0", "c2"}, "AB--");
    }
    void gestures()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QStringList, path);
        QFETCH(QString, after);
        QFETCH(int, sourceSize);
        d->playTry(d->row("BCDA"));
        d->fill(d->row("AB"));
        if (path.size() == 1)
            d->dblClick(point(path[0]));
        else
            d->press(button, point(path[0]) + (slotIndex(path[0]) < 0 ? QPoint(-3, 4) : QPoint()));
        for (const QString& p : path.mid(1)) {
            d->move(point(p));
            if (button != Qt::LeftButton || !u().DragColor->Visible())
                continue;  // a left drag shows the drag image in front of all, the grab point under the pointer
            const QPoint inClient = d->board->client()->mapFrom(d->board.get(), point(p));
            QVERIFY(!d->board->client()->rect().contains(inClient) || d->board->client()->childAt(inClient) == u().DragColor);
            QCOMPARE(topLeft(*u().DragColor) + QPointF(g().DragOffsetX, g().DragOffsetY), d->twipsAt(point(p)));
        }
        if (path.size() > 1)
            d->release(button, point(path.back()));
        if (button == Qt::RightButton) {
            // Left over what was pressed, with that press's grab point; a left press
            // now lands on the drag image, which follows by its top-left corner.
            const QPoint from = point(path[0]) + (slotIndex(path[0]) < 0 ? QPoint(-3, 4) : QPoint());
            QCOMPARE(topLeft(*u().DragColor) + QPointF(g().DragOffsetX, g().DragOffsetY), d->twipsAt(from));
            QCOMPARE(d->slot(g().RowFirst).picture().sameAs(u().Blank->picture()), path[0] == u"c0");
            d->drag(from, point("e1"));
            QCOMPARE(topLeft(*u().DragColor), d->twipsAt(point("e1")));
            d->click(Qt::LeftButton, point("palette"));  // a press and release on a colour ends it
            QVERIFY(!u().DragColor->Visible());
            QCOMPARE(d->currentTry(), d->row(after));  // the slot may show empty, its colour kept
            QCOMPARE(d->fault(), QString());
            return;
        }
        checkSettled(after);
        QCOMPARE(d->tryColours(0), d->row("BCDA"));
        for (int k = 0; k <= g().RowLast; ++k) {
            const float size = k == slotIndex(path[0]) ? float(sourceSize) : 360.f;
            QVERIFY2(d->slot(k).Width() == size && d->slot(k).Height() == size, qPrintable(QString::number(k)));
        }
        d->drag(point("c0"), point("c3"));  // a slot emptied below another fills first
        d->fill(d->row("X"));
        QCOMPARE(d->currentTry()[0], d->row("X")[0]);
    }

    void tenRowsOneSlotApart_data()
    {
        QTest::addColumn<bool>("copyFirstSlot");  // leaves slot 0 at 480 twips
        QTest::newRow("plain tries") << false;
        QTest::newRow("slot 0 copied by a double-click") << true;
    }
    void tenRowsOneSlotApart()
    {
        QFETCH(bool, copyFirstSlot);
        d->playTry(d->row("BACW"));
        QCOMPARE(u().NoCorCol(0).caption() + u().NoCorpos(0).caption(), QStringLiteral("31"));
        QCOMPARE(u().GuessComplete->toolTipText(), QStringLiteral("in previous try  3 colors were correct, and only one was in correct position also"));
        if (copyFirstSlot)
            d->dblClick(point("e0"));
        QCOMPARE(d->slot(0).Width(), copyFirstSlot ? 480.f : 360.f);
        while (g().CurrentTry < 9) {
            d->playTry(d->row("BCDA"));
            QCOMPARE(d->fault(), QString());
        }
        // The tenth row where the layout puts it, above the ANSWER panel (Top 5730).
        QCOMPARE(topLeft(d->slot(36)), QPointF(1860, 1920 + 9 * 360));
        QCOMPARE(topLeft(*u().GuessComplete), QPointF(3480, 1920 + 9 * 360));
    }

    void gameEnds_data()
    {
        QTest::addColumn<int>("wrongTries");
        QTest::addColumn<QString>("last");  // the last try, or "give up"
        QTest::addColumn<bool>("won");
        QTest::addColumn<QString>("sentence");
        const QString right = QStringLiteral("all colors are correct, and 4 were in correct position also");
        QTest::newRow("right first try") << 0 << "ABCD" << true << right;
        QTest::newRow("right tenth try") << 9 << "ABCD" << true << right;
        QTest::newRow("wrong tenth try") << 9 << "BCDA" << false << "all colors are correct, now rearrange these to find correct positions";
        QTest::newRow("given up before placing") << 0 << "give up" << false << "";
    }
    void gameEnds()
    {
        QFETCH(int, wrongTries);
        QFETCH(QString, last);
        QFETCH(bool, won);
        QFETCH(QString, sentence);
        for (int t = 0; t < wrongTries; ++t)
            d->playTry(d->turnedCode());
        const bool gaveUp = last == u"give up";
        gaveUp ? u().Giveup->trigger() : d->playTry(d->row(last));
        QCOMPARE(g().GameOver, g().FlagYes);
        QCOMPARE(QList<bool>({u().CongText->Visible(), u().GuessComplete->Visible(), u().NoCorCol(g().CurrentTry).Visible()}),
                 QList<bool>({won, won, !gaveUp}));
        QCOMPARE(u().GuessComplete->toolTipText(), sentence);
        QCOMPARE(g().CurrentTry, wrongTries);  // no row after the last
        QCOMPARE(d->fault(), QString());
        QCOMPARE(u().MaxColors->Visible(), gaveUp && wrongTries == 0);
        for (Integer p = 0; p < 8; ++p)
            QCOMPARE(u().answer(p).Visible(), p < 4);
        // Nothing changes the finished game: giving up again, scoring again, the selectors.
        const QStringList over = d->state();
        u().Giveup->trigger();
        for (const tk::CommandButton* button : {u().GuessComplete, u().MaxColors, u().Maxpositions})
            for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton})
                if (button->Visible())
                    d->clickButton(*button, b);
        QCOMPARE(d->state(), over);
        if (won)
            return;
        // The last try can still be set right and scored: the win's button, and only that, shows.
        if (gaveUp) {
            d->fill(d->code());
        } else {  // "BCDA" made "ABCD" by moves within the try, the C lost on the way put back
            for (const char* move : {"c0 c1", "c3 c0", "c2 c3"})
                d->drag(point(QString(move).left(2)), point(QString(move).right(2)));
            d->fill(d->row("C"));
        }
        QVERIFY(u().FailText->Visible() && u().GuessComplete->Visible());
        d->playTry({});
        QVERIFY(u().CongText->Visible() && !u().FailText->Visible());
        QCOMPARE(u().NoCorpos(g().CurrentTry).caption(), QStringLiteral("4"));
        QCOMPARE(d->fault(), QString());
    }

    void startsAndRestartsWithTheSizesChosen()
    {
        QCOMPARE(u().MaxColors->caption() + u().Maxpositions->caption(), QStringLiteral("64"));
        QCOMPARE(QList<int>({g().GameOver, g().FlagYes, g().SoundOn, g().MaxTry}), QList<int>({0, 1, 0, 9}));
        QVERIFY(!u().GuessComplete->Visible() && !u().CongText->Visible() && !u().FailText->Visible());
        QCOMPARE(topLeft(*u().GuessComplete), QPointF(3480, 1920));
        for (Integer i = 0; i < 16; ++i)
            QCOMPARE(d->colour(i).Tag() + ' ' + QString::number(d->colour(i).Width()), tags::blankLed(i) + " 360");
        d->clickButton(*u().MaxColors);     // 7 colours
        d->clickButton(*u().Maxpositions);  // 5 positions
        d->playTry(d->code());
        d->clickButton(*u().CongText);
        QCOMPARE(QList<int>({g().MaxColour, g().MaxPosition, g().GameOver}), QList<int>({6, 4, 0}));
        QVERIFY(!u().FailText->Visible() && !u().CongText->Visible() && u().GuessComplete->toolTipText().isEmpty());
        QVERIFY(u().GuessComplete->Visible());  // as the win left it
        QCOMPARE(d->fault(), QString());
        QCOMPARE(d->currentTry(), std::vector<int>(5, -1));
        QVERIFY(u().MaxColors->Visible() && u().Maxpositions->Visible() && u().Label1->Visible() && u().Label2->Visible());
        d->fill(d->row("A"));
        QVERIFY(!u().Maxpositions->Visible() && !u().Label2->Visible());
    }

    void selectorRelease_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("counts");  // colours and positions after
        QTest::newRow("colours, left") << "MaxColors" << Qt::LeftButton << "7 4";
        QTest::newRow("colours, right at 6") << "MaxColors" << Qt::RightButton << "6 4";
        QTest::newRow("colours, middle") << "MaxColors" << Qt::MiddleButton << "6 4";
        QTest::newRow("positions, left") << "Maxpositions" << Qt::LeftButton << "6 5";
        QTest::newRow("positions, right") << "Maxpositions" << Qt::RightButton << "6 3";
        QTest::newRow("positions, back button") << "Maxpositions" << Qt::BackButton << "6 4";
        QTest::newRow("after giving up") << "given up" << Qt::LeftButton << "6 4";
    }
    void selectorRelease()
    {
        QFETCH(QString, which);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, counts);
        if (which == u"given up")
            u().Giveup->trigger();
        const QStringList before = d->state();
        const auto order = g().ColourOrder;
        // Released away from it: the selector keeps the pointer from its press on.
        for (const char* name : {"MaxColors", "Maxpositions"})
            if (which == name || which == u"given up") {
                d->press(button, d->middleOf(*d->board->control<tk::CommandButton>(name)));
                d->move(d->at(4000, 4000));
                d->release(button, d->at(4000, 4000));
            }
        QCOMPARE(u().MaxColors->caption() + " " + u().Maxpositions->caption(), counts);
        QCOMPARE(QString("%1 %2").arg(g().MaxColour + 1).arg(g().MaxPosition + 1), counts);
        QCOMPARE(d->fault(), QString());
        QCOMPARE(topLeft(*u().GuessComplete), QPointF(d->slot(g().MaxPosition).Left() + 540, 1920));
        const bool heard = button != Qt::BackButton && which != u"given up";
        QCOMPARE(g().ColourOrder != order, heard && which == u"MaxColors");  // reshuffled
        if (!heard)
            QCOMPARE(d->state(), before);
        for (int c : d->code())
            QVERIFY(d->colour(c).Visible());
    }
};

QTEST_MAIN(tst_Board)
#include "tst_board.moc"
