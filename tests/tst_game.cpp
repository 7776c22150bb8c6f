// Whole games through real double-clicks and clicks on the shown board.
#include "BoardDriver.h"

#include <QAction>

class tst_Game : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    GameBoard& b() { return d->b(); }

    void playWrongTries(int count)
    {
        while (count-- > 0)
            d->playTry(d->turnedCode());
    }

private slots:
    void init() { d = std::make_unique<BoardDriver>(); }
    void cleanup() { d.reset(); }

    void startUpSetsTheDefaultsAndAFreshGame()
    {
        QCOMPARE(b().MaxColors->caption() + b().Maxpositions->caption(), QStringLiteral("64"));
        for (tk::Integer i = 0; i < 16; ++i) {
            QCOMPARE(b().Picture1(i).Tag(), tk::blankLed(i));
            QCOMPARE(QSizeF(b().Picture1(i).Width(), b().Picture1(i).Height()), QSizeF(360, 360));
        }
        QCOMPARE(QList<int>({b().GameOver, b().FlagYes, b().SoundOn, b().MaxTry}), QList<int>({0, 1, 0, 9}));
        QCOMPARE(d->fault(), QString());
        QCOMPARE(d->currentTry(), std::vector<int>(4, -1));
        QVERIFY(!b().GuessComplete->Visible() && !b().CongText->Visible() && !b().FailText->Visible());
        QCOMPARE(QPointF(b().GuessComplete->Left(), b().GuessComplete->Top()), QPointF(3480, 1920));
    }

    void secretCodeIsDistinctColoursInPlayKeptHidden()
    {
        for (int game = 0; game < 30; ++game, b().NewGame()) {
            const std::vector<int> code = d->code();
            QCOMPARE(std::set<int>(code.begin(), code.end()).size(), code.size());
            std::set<int> inPlay;
            for (tk::Integer k = 0; k < 16; ++k) {
                const tk::Image& colour = b().Picture1(b().ColourOrder[std::size_t(k)]);
                QCOMPARE(colour.Left(), 1860.0f + 360.0f * k);
                QCOMPARE(colour.Visible(), k <= b().MaxColour);
                if (k <= b().MaxColour)
                    inPlay.insert(b().ColourOrder[std::size_t(k)]);
            }
            for (int c : code)
                QVERIFY(inPlay.count(c));
            for (tk::Integer p = 0; p < 8; ++p)
                QVERIFY(!b().answer(p).Visible());
        }
    }

    void doubleClicksFillTheLowestEmptySlotOnceEach()
    {
        d->fill(d->row("AAW"));  // the second A is refused
        QVERIFY(!b().MaxColors->Visible() && !b().Label1->Visible() && !b().Label2->Visible());
        QVERIFY(b().GuessComplete->Visible());
        QCOMPARE(d->currentTry(), d->row("AW--"));
        QCOMPARE(b().Guessed(1).Width(), 360.0f);
        // With slot 0 emptied by a move, the next colour goes there, the lowest empty one.
        d->drag(d->cellOf(b().Guessed(0)), d->cellOf(b().Guessed(3)));
        QCOMPARE(d->currentTry(), d->row("-W-A"));
        d->fill(d->row("X"));
        QCOMPARE(d->currentTry(), d->row("XW-A"));
    }

    void triesAreScoredWhenCompleteAndTheNextRowLaidBelow()
    {
        d->fill(d->row("BAC"));
        const QStringList incomplete = d->state();
        d->clickOk();
        QCOMPARE(d->state(), incomplete);

        d->playTry(d->row("W"));
        QCOMPARE(b().NoCorCol(0).caption() + b().NoCorpos(0).caption(), QStringLiteral("31"));
        QCOMPARE(b().GuessComplete->toolTipText(),
                 QStringLiteral("in previous try  3 colors were correct, and only one was in correct position also"));
        QCOMPARE(b().CurrentTry, 1);
        QCOMPARE(d->fault(), QString());
        for (tk::Integer k = 4; k <= 7; ++k) {
            const tk::Image& slot = b().Guessed(k);
            QVERIFY(slot.Tag() == u"-1" && slot.Visible() && slot.picture().sameAs(b().Blank->picture()));
            QCOMPARE(QPointF(slot.Left(), slot.Top()), QPointF(b().Guessed(k - 4).Left(), b().Guessed(k - 4).Top() + 360));
        }
        QCOMPARE(QPointF(b().GuessComplete->Left(), b().GuessComplete->Top()), QPointF(3480, 1920 + 360));
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
        QTest::newRow("wrong tenth try") << 9 << "BCDA" << false
                                         << "all colors are correct, now rearrange these to find correct positions";
        QTest::newRow("given up before placing") << 0 << "give up" << false << "";
        QTest::newRow("given up after two tries") << 2 << "give up" << false << "";
    }
    void gameEnds()
    {
        QFETCH(int, wrongTries);
        QFETCH(QString, last);
        QFETCH(bool, won);
        QFETCH(QString, sentence);
        playWrongTries(wrongTries);
        QCOMPARE(b().GameOver, b().FlagNo);
        const bool gaveUp = last == u"give up";
        if (gaveUp)
            b().Giveup->trigger();
        else
            d->playTry(d->row(last));

        QCOMPARE(b().GameOver, b().FlagYes);
        QCOMPARE(b().CongText->Visible(), won);
        QCOMPARE(b().FailText->Visible(), !won);
        QCOMPARE(b().GuessComplete->Visible(), won);
        QCOMPARE(b().GuessComplete->toolTipText(), sentence);
        QCOMPARE(b().CurrentTry, wrongTries);  // no row after the last
        QCOMPARE(d->fault(), QString());
        const tk::Label &colours = b().NoCorCol(b().CurrentTry), &positions = b().NoCorpos(b().CurrentTry);
        QCOMPARE(colours.Visible(), !gaveUp);
        if (!gaveUp)
            QCOMPARE(colours.caption() + positions.caption(), QString(won ? "44" : "40"));
        QCOMPARE(b().MaxColors->Visible(), gaveUp && wrongTries == 0);
        for (tk::Integer p = 0; p < 8; ++p)
            QCOMPARE(b().answer(p).Visible(), p < 4);

        // Nothing changes the finished game: giving up, scoring again, the selectors.
        const QStringList over = d->state();
        b().Giveup->trigger();
        for (const tk::CommandButton* button : {b().GuessComplete, b().MaxColors, b().Maxpositions})
            if (button->Visible())
                d->clickButton(*button);
        QCOMPARE(d->state(), over);
    }

    void finishedGameCanStillBeCompletedAndScored()
    {
        // Placing a colour shows OK again, and OK does not ask whether the game is over.
        b().Giveup->trigger();
        d->playTry(d->code());
        QVERIFY(b().FailText->Visible() && b().CongText->Visible());
        QCOMPARE(b().NoCorCol(0).caption() + b().NoCorpos(0).caption(), QStringLiteral("44"));
    }

    void restartKeepsTheSizesAndClearsTheBoard_data()
    {
        QTest::addColumn<bool>("win");
        QTest::newRow("after a win") << true;
        QTest::newRow("after a loss") << false;
    }
    void restartKeepsTheSizesAndClearsTheBoard()
    {
        QFETCH(bool, win);
        d->clickButton(*b().MaxColors);     // 7 colours
        d->clickButton(*b().Maxpositions);  // 5 positions
        if (win)
            d->playTry(d->code());
        else
            playWrongTries(10);
        d->clickButton(win ? *b().CongText : *b().FailText);
        QCOMPARE(QList<int>({b().MaxColour, b().MaxPosition, b().GameOver}), QList<int>({6, 4, 0}));
        QVERIFY(!b().FailText->Visible() && !b().CongText->Visible());
        QCOMPARE(b().GuessComplete->Visible(), win);  // as the last game left it
        QVERIFY(b().GuessComplete->toolTipText().isEmpty());
        QCOMPARE(d->fault(), QString());
        QCOMPARE(d->currentTry(), std::vector<int>(5, -1));
        QVERIFY(b().MaxColors->Visible() && b().Label1->Visible());
        d->fill(d->row("A"));
        QVERIFY(b().GuessComplete->Visible());
    }

    void newGameAfterALostSevenPositionGameLeavesOneEmptyRow()
    {
        b().MaxColour = 15;  // sizes set directly, as a player could choose them
        b().MaxPosition = 6;
        b().NewGame();
        playWrongTries(10);
        QCOMPARE(b().Guessed.ubound(), 69);
        QCOMPARE(b().Guessed(69).Top(), 1920.0f + 9 * 360);
        b().NewGame();
        QCOMPARE(b().Guessed.count(), 7);
        QCOMPARE(d->fault(), QString());
        for (tk::Integer k = 0; k <= 6; ++k) {
            const tk::Image& slot = b().Guessed(k);
            QCOMPARE(QRectF(slot.Left(), slot.Top(), slot.Width(), slot.Height()), QRectF(1860 + 360 * k, 1920, 360, 360));
            QCOMPARE(slot.Tag(), QStringLiteral("-1"));
        }
        QCOMPARE(QPointF(b().GuessComplete->Left(), b().GuessComplete->Top()), QPointF(4560, 1920));
    }

    void screenshotsShowScoresAndTheRevealedCode()
    {
        const std::vector<int> code = d->code();
        d->playTry(d->row("WXCA"));
        d->playTry(d->turnedCode());
        QImage shot = b().client()->grab().toImage();
        // Score labels: white digits on black at (180, 1950) and (930, 2310).
        for (QPoint cell : {QPoint(12, 130), QPoint(62, 130), QPoint(12, 154), QPoint(62, 154)}) {
            const QRect box(cell, QSize(27, 18));
            bool white = false;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    white |= shot.pixelColor(x, y) == QColor(Qt::white);
            QVERIFY(white);
            QCOMPARE(shot.pixelColor(box.topLeft() + QPoint(1, 1)), QColor(Qt::black));
        }
        // The code stays out of sight until the game ends.
        QCOMPARE(shot.pixelColor(122 + 10, 404 + 10), b().client()->palette().color(QPalette::Button));

        b().Giveup->trigger();
        shot = b().client()->grab().toImage();
        for (int p = 0; p < 4; ++p) {
            const QColor fill = QImage(pictures::peg(code[std::size_t(p)])).pixelColor(10, 10);
            QCOMPARE(shot.pixelColor(122 + 24 * p + 10, 404 + 10), fill);
        }
    }
};

QTEST_MAIN(tst_Game)
#include "tst_game.moc"
