// The board's mouse handlers wired to Qt's real event delivery: drags, drops,
// double-clicks, scoring, the end of a game and the selectors. Rows of
// colours are written as letters (BoardDriver::row).
#include "BoardDriver.h"

#include <QAction>
#include <QApplication>

class tst_Board : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    BoardControls& u() { return d->ui(); }
    GameState& g() { return d->game(); }

    static QPointF topLeft(const tk::Placed& c) { return {c.Left(), c.Top()}; }
    bool dragIdle() { return !u().DragColor->Visible() && g().DragOffsetX == 0 && g().DragOffsetY == 0; }
    // No position right, so never a win: the board then waits on try 1.
    void playFirstTry() { d->playTry(d->row("BCDA")); }
    // Window points by name: "c2" the middle of slot 2 of the current try, "e1"
    // of slot 1 of the try before; "c1+60" 60 twips into slot 1 at mid-height,
    // "c1+60+0" on its top edge. "W" is that colour's palette cell, "palette"
    // the last colour in play's, "answer" the first code peg, "board" bare
    // client area, "outside" beyond the window.
    QPoint point(const QString& name)
    {
        if (name == u"palette")
            return d->cellOf(d->colour(g().ColourOrder[std::size_t(g().MaxColour)]));
        if (name.size() == 1)
            return d->cellOf(d->colour(d->row(name)[0]));
        if (name == u"answer")
            return d->cellOf(u().answer(0));
        if (name == u"board")
            return d->at(6600, 4200);
        if (name == u"outside")
            return QPoint(-40, -30);
        const tk::Image& slot = d->slot(slotIndex(name));
        const QStringList offset = name.mid(3).split(u'+');
        return d->at(slot.Left() + (name.size() > 2 ? offset[0].toFloat() : 180),
                     slot.Top() + (offset.size() > 1 ? offset[1].toFloat() : 180));
    }
    int slotIndex(const QString& name)
    {
        if (name[0] != u'c' && name[0] != u'e')
            return -1;
        return (name[0] == u'c' ? g().RowFirst : g().RowFirst - g().positions()) + name[1].digitValue();
    }
    // Each slot shows what its Tag holds, no drag is under way, and the current try is as given.
    void checkSettled(const QString& current)
    {
        QCOMPARE(d->currentTry(), d->row(current));
        QVERIFY(dragIdle());
        for (int k = 0; k <= g().RowLast; ++k) {
            const int c = tags::val(d->slot(k).Tag());
            QVERIFY2(d->slot(k).picture().sameAs(c < 0 ? u().Blank->picture() : d->colour(c).picture()),
                     qPrintable(QString::number(k)));
        }
        QCOMPARE(d->fault(), QString());
    }

private slots:
    void init() { d = std::make_unique<BoardDriver>(); }
    void cleanup() { d.reset(); }

    void startsWithTheDefaultsAndAFreshGame()
    {
        QCOMPARE(u().MaxColors->caption() + u().Maxpositions->caption(), QStringLiteral("64"));
        for (Integer i = 0; i < 16; ++i) {
            QCOMPARE(d->colour(i).Tag(), tags::blankLed(i));
            QCOMPARE(QSizeF(d->colour(i).Width(), d->colour(i).Height()), QSizeF(360, 360));
        }
        QCOMPARE(QList<int>({g().GameOver, g().FlagYes, g().SoundOn, g().MaxTry}), QList<int>({0, 1, 0, 9}));
        QCOMPARE(d->fault(), QString());
        QCOMPARE(d->currentTry(), std::vector<int>(4, -1));
        QVERIFY(!u().GuessComplete->Visible() && !u().CongText->Visible() && !u().FailText->Visible());
        QCOMPARE(topLeft(*u().GuessComplete), QPointF(3480, 1920));
        for (int game = 0; game < 20; ++game) {
            const std::vector<int> code = d->code();
            QCOMPARE(std::set<int>(code.begin(), code.end()).size(), code.size());
            for (Integer k = 0; k < 16; ++k) {
                const tk::Image& colour = d->colour(g().ColourOrder[std::size_t(k)]);
                QCOMPARE(colour.Left(), 1860.0f + 360.0f * k);
                QCOMPARE(colour.Visible(), k <= g().MaxColour);
                if (std::count(code.begin(), code.end(), g().ColourOrder[std::size_t(k)]))
                    QVERIFY(k <= g().MaxColour);
            }
            for (Integer p = 0; p < 8; ++p)
                QVERIFY(!u().answer(p).Visible());
            u().Giveup->trigger();
            d->clickButton(*u().FailText);
        }
    }

    void paletteDrop_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("after");
        QTest::newRow("slot 0") << QStringList{"c0"} << "W---";
        QTest::newRow("slot 3") << QStringList{"c3"} << "---W";
        QTest::newRow("earlier try") << QStringList{"e2"} << "----";
        QTest::newRow("answer row") << QStringList{"answer"} << "----";
        QTest::newRow("outside after passing a slot") << QStringList{"c1", "outside"} << "----";
        QTest::newRow("outside and back") << QStringList{"outside", "c2"} << "--W-";
        QTest::newRow("left edge") << QStringList{"c0+0"} << "----";
        QTest::newRow("edge shared by slots 1 and 2") << QStringList{"c1+360"} << "----";
        QTest::newRow("one pixel past the shared edge") << QStringList{"c1+375"} << "--W-";
    }
    void paletteDrop()
    {
        QFETCH(QStringList, path);
        QFETCH(QString, after);
        playFirstTry();
        u().Giveup->trigger();  // the code shows from now on; drops go on as in play
        const QPoint from = point("W") + QPoint(-3, 4);
        d->press(Qt::LeftButton, from);
        for (const QString& p : path)
            d->move(point(p));
        // The drag image lies in front of everything and keeps the grab point under the pointer.
        const QPoint end = point(path.back()), inClient = d->board->client()->mapFrom(d->board.get(), end);
        if (d->board->client()->rect().contains(inClient))
            QCOMPARE(d->board->client()->childAt(inClient), u().DragColor);
        QCOMPARE(topLeft(*u().DragColor) + QPointF(g().DragOffsetX, g().DragOffsetY), d->twipsAt(end));
        d->release(Qt::LeftButton, end);
        checkSettled(after);
        QCOMPARE(d->tryColours(0), d->row("BCDA"));
    }

    void slotDrag_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("after");  // the current try; it was "AB--"
        QTest::addColumn<int>("sourceSize");
        QTest::newRow("move to an empty slot") << "c0" << "c2" << "-BA-" << 360;
        QTest::newRow("move onto a filled slot") << "c0" << "c1" << "-A--" << 360;
        QTest::newRow("into the neighbour's first 120 twips") << "c0" << "c1+60" << "AB--" << 360;
        QTest::newRow("pressed on its left edge") << "c0+0" << "c0+0" << "AB--" << 480;
        QTest::newRow("copy onto a filled slot") << "e2" << "c0" << "DB--" << 360;
        QTest::newRow("copy of a colour in the try") << "e0" << "c2" << "AB--" << 480;
        QTest::newRow("current onto the palette") << "c0" << "palette" << "AB--" << 480;
        QTest::newRow("current outside the window") << "c1" << "outside" << "AB--" << 480;
        QTest::newRow("earlier onto the answer row") << "e1" << "answer" << "AB--" << 480;
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
        d->drag(point(from), point(to));
        checkSettled(after);
        for (int k = 0; k <= g().RowLast; ++k) {
            const float size = k == slotIndex(from) ? float(sourceSize) : 360.f;
            QVERIFY2(d->slot(k).Width() == size && d->slot(k).Height() == size, qPrintable(QString::number(k)));
        }
    }

    void doubleClicks_data()
    {
        QTest::addColumn<QString>("fill");  // double-clicked on the palette, then slot 0 dragged to slot 3
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("after");
        QTest::newRow("palette colour into the lowest empty slot") << "AB" << "W" << "WB-A";
        QTest::newRow("palette colour already in the try") << "AB" << "A" << "-B-A";
        QTest::newRow("earlier slot copied into the lowest empty slot") << "AB" << "e1" << "CB-A";
        QTest::newRow("earlier slot holding a colour of the try") << "AB" << "e0" << "-B-A";
        QTest::newRow("no empty slot") << "ABWX" << "e1" << "ABWX";
    }
    void doubleClicks()
    {
        QFETCH(QString, fill);
        QFETCH(QString, source);
        QFETCH(QString, after);
        playFirstTry();
        d->fill(d->row(fill));
        if (fill.size() < 4)
            d->drag(point("c0"), point("c3"));
        d->dblClick(point(source));
        checkSettled(after);
        QCOMPARE(d->tryColours(0), d->row("BCDA"));
    }

    void buttonsBeyondLeftRightMiddle_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("right on a colour: left showing") << "palette" << Qt::RightButton;
        QTest::newRow("right on a slot: left showing") << "c0" << Qt::RightButton;
        QTest::newRow("back on a colour: nothing") << "palette" << Qt::BackButton;
        QTest::newRow("forward on a slot: nothing") << "c0" << Qt::ForwardButton;
    }
    void buttonsBeyondLeftRightMiddle()
    {
        QFETCH(QString, source);
        QFETCH(Qt::MouseButton, button);
        d->fill(d->row("A"));
        const bool strands = button == Qt::RightButton;
        const tk::Image& pressed = source == u"c0" ? d->slot(0) : d->colour(g().ColourOrder[std::size_t(g().MaxColour)]);
        const QPoint from = point(source) + QPoint(3, 5);
        d->press(button, from);
        d->move(point("c2"));
        d->release(button, point("c2"));
        QCOMPARE(u().DragColor->Visible(), strands);
        QCOMPARE(pressed.picture().sameAs(u().Blank->picture()), strands && source == u"c0");
        QCOMPARE(d->currentTry(), d->row("A---"));
        if (!strands) {
            checkSettled("A---");
            return;
        }
        // Left showing over what was pressed, with the grab point of that press; a
        // left press now lands on the drag image, which follows by its top-left corner.
        QCOMPARE(topLeft(*u().DragColor), topLeft(pressed));
        QCOMPARE(QPointF(g().DragOffsetX, g().DragOffsetY), d->twipsAt(from) - topLeft(pressed));
        d->press(Qt::LeftButton, from);
        d->move(point("c2"));
        QCOMPARE(topLeft(*u().DragColor), d->twipsAt(point("c2")));
        d->release(Qt::LeftButton, point("c2"));
        QVERIFY(u().DragColor->Visible());
        d->click(Qt::LeftButton, point("W"));
        QVERIFY(dragIdle());
        QCOMPARE(d->currentTry(), d->row("A---"));
    }

    void rowsStayOneSlotApart_data()
    {
        QTest::addColumn<bool>("copyFirstSlot");  // leaves slot 0 at 480 twips
        QTest::newRow("plain tries") << false;
        QTest::newRow("slot 0 copied by a double-click") << true;
    }
    void rowsStayOneSlotApart()
    {
        QFETCH(bool, copyFirstSlot);
        d->fill(d->row("BAC"));
        const QStringList incomplete = d->state();
        d->clickButton(*u().GuessComplete);
        QCOMPARE(d->state(), incomplete);
        d->playTry(d->row("W"));
        QCOMPARE(u().NoCorCol(0).caption() + u().NoCorpos(0).caption(), QStringLiteral("31"));
        QCOMPARE(u().GuessComplete->toolTipText(),
                 QStringLiteral("in previous try  3 colors were correct, and only one was in correct position also"));
        if (copyFirstSlot) {
            d->dblClick(point("e0"));
            QCOMPARE(d->slot(0).Width(), 480.f);
        }
        while (g().CurrentTry < 9) {
            d->fill(d->row("BCDA"));
            d->clickButton(*u().GuessComplete);
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
        QTest::addColumn<QString>("shown");  // the outcome button
        QTest::addColumn<QString>("sentence");
        const QString right = QStringLiteral("all colors are correct, and 4 were in correct position also");
        QTest::newRow("right first try") << 0 << "ABCD" << "CongText" << right;
        QTest::newRow("right tenth try") << 9 << "ABCD" << "CongText" << right;
        QTest::newRow("wrong tenth try") << 9 << "BCDA" << "FailText"
                                         << "all colors are correct, now rearrange these to find correct positions";
        QTest::newRow("given up before placing") << 0 << "give up" << "FailText" << "";
        QTest::newRow("given up after two tries") << 2 << "give up" << "FailText" << "";
    }
    void gameEnds()
    {
        QFETCH(int, wrongTries);
        QFETCH(QString, last);
        QFETCH(QString, shown);
        QFETCH(QString, sentence);
        for (int t = 0; t < wrongTries; ++t)
            d->playTry(d->turnedCode());
        const bool gaveUp = last == u"give up", won = shown == u"CongText";
        if (gaveUp)
            u().Giveup->trigger();
        else
            d->playTry(d->row(last));
        QCOMPARE(g().GameOver, g().FlagYes);
        QCOMPARE(u().CongText->Visible(), won);
        QCOMPARE(u().GuessComplete->Visible(), won);
        QCOMPARE(u().GuessComplete->toolTipText(), sentence);
        QCOMPARE(g().CurrentTry, wrongTries);  // no row after the last
        QCOMPARE(d->fault(), QString());
        QCOMPARE(u().NoCorCol(g().CurrentTry).Visible(), !gaveUp);
        QCOMPARE(u().MaxColors->Visible(), gaveUp && wrongTries == 0);
        for (Integer p = 0; p < 8; ++p)
            QCOMPARE(u().answer(p).Visible(), p < 4);

        // Nothing changes the finished game: giving up again, scoring again, the selectors.
        const QStringList over = d->state();
        u().Giveup->trigger();
        for (const tk::CommandButton* button : {u().GuessComplete, u().MaxColors, u().Maxpositions})
            if (button->Visible())
                d->clickButton(*button);
        QCOMPARE(d->state(), over);
    }

    void finishedGameScoredAgainShowsOneOutcome_data()
    {
        QTest::addColumn<bool>("lost");  // on the tenth try, else given up before placing
        QTest::newRow("given up, the code then played") << false;
        QTest::newRow("lost, the last try then set right") << true;
    }
    void finishedGameScoredAgainShowsOneOutcome()
    {
        QFETCH(bool, lost);
        if (lost) {
            for (int t = 0; t < 10; ++t)
                d->playTry(d->turnedCode());
            // "BCDA" made "ABCD" by moves within the try, the lost C put back from the palette.
            for (const char* move : {"c0 c1", "c3 c0", "c2 c3"})
                d->drag(point(QString(move).left(2)), point(QString(move).right(2)));
            d->fill(d->row("C"));
        } else {
            u().Giveup->trigger();
            d->fill(d->code());
        }
        QVERIFY(u().FailText->Visible() && u().GuessComplete->Visible());
        QCOMPARE(d->currentTry(), d->code());
        d->clickButton(*u().GuessComplete);
        QVERIFY(u().CongText->Visible() && !u().FailText->Visible());
        QCOMPARE(u().NoCorCol(g().CurrentTry).caption() + u().NoCorpos(g().CurrentTry).caption(), QStringLiteral("44"));
        QCOMPARE(d->fault(), QString());
    }

    void restartKeepsTheSizes_data()
    {
        QTest::addColumn<bool>("win");
        QTest::newRow("after a win") << true;
        QTest::newRow("after a loss") << false;
    }
    void restartKeepsTheSizes()
    {
        QFETCH(bool, win);
        d->clickButton(*u().MaxColors);     // 7 colours
        d->clickButton(*u().Maxpositions);  // 5 positions
        for (int t = 0; t < (win ? 0 : 10); ++t)
            d->playTry(d->turnedCode());
        if (win)
            d->playTry(d->code());
        d->clickButton(win ? *u().CongText : *u().FailText);
        QCOMPARE(QList<int>({g().MaxColour, g().MaxPosition, g().GameOver}), QList<int>({6, 4, 0}));
        QVERIFY(!u().FailText->Visible() && !u().CongText->Visible());
        QCOMPARE(u().GuessComplete->Visible(), win);  // as the last game left it
        QVERIFY(u().GuessComplete->toolTipText().isEmpty());
        QCOMPARE(d->fault(), QString());
        QCOMPARE(d->currentTry(), std::vector<int>(5, -1));
        QVERIFY(u().MaxColors->Visible() && u().Label1->Visible() && u().Label2->Visible());
        d->fill(d->row("A"));
        QVERIFY(u().GuessComplete->Visible() && !u().Label2->Visible());
    }

    void selectorRelease_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("counts");  // colours and positions after
        QTest::newRow("colours, left") << "colours" << Qt::LeftButton << "7 4";
        QTest::newRow("colours, right at 6") << "colours" << Qt::RightButton << "6 4";
        QTest::newRow("colours, middle") << "colours" << Qt::MiddleButton << "6 4";
        QTest::newRow("positions, left") << "positions" << Qt::LeftButton << "6 5";
        QTest::newRow("positions, right") << "positions" << Qt::RightButton << "6 3";
        QTest::newRow("positions, back button") << "positions" << Qt::BackButton << "6 4";
    }
    void selectorRelease()
    {
        QFETCH(QString, which);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, counts);
        tk::CommandButton& selector = which == u"colours" ? *u().MaxColors : *u().Maxpositions;
        const auto order = g().ColourOrder;
        const std::vector<int> code = d->code();
        // Released away from it: the selector keeps the pointer from its press on.
        d->press(button, d->middleOf(selector));
        d->move(d->at(4000, 4000));
        d->release(button, d->at(4000, 4000));
        QCOMPARE(u().MaxColors->caption() + " " + u().Maxpositions->caption(), counts);
        QCOMPARE(QString("%1 %2").arg(g().MaxColour + 1).arg(g().MaxPosition + 1), counts);
        QCOMPARE(d->fault(), QString());
        QCOMPARE(topLeft(*u().GuessComplete), QPointF(d->slot(g().MaxPosition).Left() + 540, 1920));
        const bool heard = button != Qt::BackButton;  // the game never hears of that one
        QCOMPARE(g().ColourOrder != order, heard && which == u"colours");
        for (Integer k = 0; k < 16; ++k)
            QCOMPARE(d->colour(g().ColourOrder[std::size_t(k)]).Visible(), k <= g().MaxColour);
        if (!heard)
            QCOMPARE(d->code(), code);
        std::set<int> inCode;
        for (int c : d->code())
            QVERIFY(d->colour(c).Visible() && inCode.insert(c).second);
    }

    void selectorsInertAfterGivingUp()
    {
        d->clickButton(*u().MaxColors);
        u().Giveup->trigger();
        const QStringList over = d->state();
        for (tk::CommandButton* s : {u().MaxColors, u().Maxpositions})
            for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
                d->clickButton(*s, b);
        QCOMPARE(d->state(), over);
    }
};

QTEST_MAIN(tst_Board)
#include "tst_board.moc"
