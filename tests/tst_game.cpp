// Whole games through real double-clicks and clicks on the shown board.
#include "BoardDriver.h"

#include <QAction>
#include <QTest>
#include <set>

class tst_Game : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    GameBoard& b() { return d->b(); }

    // A try that holds every colour of the code, none at its place.
    std::vector<int> rotated(const std::vector<int>& code)
    {
        std::vector<int> out(code.begin() + 1, code.end());
        out.push_back(code.front());
        return out;
    }
    // Scores tries until one before the last remains.
    void playWrongTries(int count)
    {
        for (int t = 0; t < count; ++t)
            d->playTry(rotated(d->code()));
    }
    bool slotsAreExactlyTriesUpToCurrent()
    {
        const int P = b().MaxPosition + 1;
        if (b().RowFirst != b().CurrentTry * P || b().RowLast != b().RowFirst + b().MaxPosition)
            return false;
        for (tk::Integer k = 0; k <= b().RowLast; ++k)
            if (!b().Guessed.exists(k))
                return false;
        return b().Guessed.ubound() == b().RowLast;
    }

private slots:
    void init() { d = std::make_unique<BoardDriver>(); }
    void cleanup() { d.reset(); }

    void startUpSetsTheDefaultsAndAFreshGame()
    {
        QCOMPARE(b().MaxColors->caption(), QStringLiteral("6"));
        QCOMPARE(b().Maxpositions->caption(), QStringLiteral("4"));
        for (tk::Integer i = 0; i < 16; ++i) {
            QCOMPARE(b().Picture1(i).Tag(), tk::blankLed(i));
            QCOMPARE(b().Picture1(i).Width(), 360.0f);
            QCOMPARE(b().Picture1(i).Height(), 360.0f);
        }
        QCOMPARE(b().CurrentTry, 0);
        QCOMPARE(b().RowLast, 3);
        QCOMPARE(b().GameOver, 0);
        QCOMPARE(b().FlagYes, 1);
        QCOMPARE(b().SoundOn, 0);
        QVERIFY(slotsAreExactlyTriesUpToCurrent());
        QVERIFY(!b().GuessComplete->Visible());
        QVERIFY(!b().CongText->Visible() && !b().FailText->Visible());
        QCOMPARE(b().GuessComplete->Left(), 3480.0f);
        QCOMPARE(b().GuessComplete->Top(), 1920.0f);
    }

    void secretCodeIsDistinctColoursInPlayKeptHidden()
    {
        for (int game = 0; game < 30; ++game) {
            const std::vector<int> code = d->code();
            QCOMPARE(std::set<int>(code.begin(), code.end()).size(), code.size());
            std::set<int> inPlay;
            for (tk::Integer k = 0; k < 16; ++k) {
                const int colour = b().ColourOrder[std::size_t(k)];
                QCOMPARE(b().Picture1(tk::Integer(colour)).Left(), 1860.0f + 360.0f * k);
                QCOMPARE(b().Picture1(tk::Integer(colour)).Visible(), k <= b().MaxColour);
                if (k <= b().MaxColour)
                    inPlay.insert(colour);
            }
            for (int c : code)
                QVERIFY(inPlay.count(c));
            for (tk::Integer p = 0; p < 8; ++p)
                QVERIFY(!b().answer(p).Visible());
            b().NewGame();
        }
    }

    void doubleClicksFillTheLowestEmptySlotOnceEach()
    {
        const std::vector<int> wrong = d->wrongColours();
        const std::vector<int> code = d->code();
        d->dblClickColour(code[0]);
        QVERIFY(!b().MaxColors->Visible() && !b().Label2->Visible());
        QVERIFY(b().GuessComplete->Visible());
        d->dblClickColour(code[0]);  // already in the try: refused
        d->dblClickColour(wrong[0]);
        QCOMPARE(d->currentTry(), std::vector<int>({code[0], wrong[0], -1, -1}));
        QCOMPARE(b().Guessed(1).Width(), 360.0f);

        // Empty slot 0 by moving its colour into slot 3; the next colour
        // goes to slot 0, the lowest empty one.
        d->drag(d->cellOf(b().Guessed(0)), d->cellOf(b().Guessed(3)));
        QCOMPARE(d->currentTry(), std::vector<int>({-1, wrong[0], -1, code[0]}));
        d->dblClickColour(wrong[1]);
        QCOMPARE(d->currentTry(), std::vector<int>({wrong[1], wrong[0], -1, code[0]}));
    }

    void incompleteTryIsIgnored()
    {
        const std::vector<int> code = d->code();
        for (int p = 0; p < 3; ++p)
            d->dblClickColour(code[std::size_t(p)]);
        d->clickOk();
        QVERIFY(!b().NoCorCol(0).Visible());
        QVERIFY(b().GuessComplete->toolTipText().isEmpty());
        QCOMPARE(b().CurrentTry, 0);
        QCOMPARE(b().Guessed.ubound(), 3);
    }

    void wrongTryIsScoredAndTheNextRowLaidBelow()
    {
        const std::vector<int> code = d->code();
        const std::vector<int> wrong = d->wrongColours();
        d->playTry({code[1], code[0], code[2], wrong[0]});
        QCOMPARE(b().NoCorCol(0).caption(), QStringLiteral("3"));
        QCOMPARE(b().NoCorpos(0).caption(), QStringLiteral("1"));
        QVERIFY(b().NoCorCol(0).Visible() && b().NoCorpos(0).Visible());
        QCOMPARE(b().GuessComplete->toolTipText(),
                 QStringLiteral("in previous try  3 colors were correct, and only one was in correct position also"));
        QCOMPARE(b().CurrentTry, 1);
        QVERIFY(slotsAreExactlyTriesUpToCurrent());
        for (tk::Integer k = 4; k <= 7; ++k) {
            QCOMPARE(b().Guessed(k).Tag(), QStringLiteral("-1"));
            QVERIFY(b().Guessed(k).picture().sameAs(b().Blank->picture()));
            QVERIFY(b().Guessed(k).Visible());
            QCOMPARE(b().Guessed(k).Top(), b().Guessed(k - 4).Top() + 360);
            QCOMPARE(b().Guessed(k).Left(), b().Guessed(k - 4).Left());
        }
        QCOMPARE(b().GuessComplete->Top(), 1920.0f + 360);
        QCOMPARE(b().GuessComplete->Left(), 3480.0f);
    }

    void winOnTheFirstTryRevealsTheCodeAndCanBeScoredAgain()
    {
        const std::vector<int> code = d->code();
        d->playTry(code);
        QCOMPARE(b().NoCorCol(0).caption(), QStringLiteral("4"));
        QCOMPARE(b().NoCorpos(0).caption(), QStringLiteral("4"));
        QVERIFY(b().CongText->Visible());
        QVERIFY(!b().FailText->Visible());
        QCOMPARE(b().GameOver, 1);
        for (tk::Integer p = 0; p <= 3; ++p)
            QVERIFY(b().answer(p).Visible());
        QVERIFY(b().GuessComplete->Visible());
        const QString sentence = QStringLiteral("all colors are correct, and 4 were in correct position also");
        QCOMPARE(b().GuessComplete->toolTipText(), sentence);

        d->clickOk();
        QCOMPARE(b().NoCorpos(0).caption(), QStringLiteral("4"));
        QCOMPARE(b().GuessComplete->toolTipText(), sentence);
        QCOMPARE(b().CurrentTry, 0);
        QCOMPARE(b().Guessed.ubound(), 3);

        // Giving up after a win changes nothing.
        b().Giveup->trigger();
        QVERIFY(b().CongText->Visible() && !b().FailText->Visible());
        QCOMPARE(b().GuessComplete->toolTipText(), sentence);
    }

    void lossOnTheTenthTryCreatesNoEleventhRow()
    {
        playWrongTries(9);
        QCOMPARE(b().CurrentTry, 9);
        QCOMPARE(b().GameOver, 0);
        d->playTry(rotated(d->code()));
        QCOMPARE(b().CurrentTry, 9);
        QCOMPARE(b().Guessed.ubound(), 39);
        QVERIFY(!b().GuessComplete->Visible());
        QVERIFY(b().FailText->Visible() && !b().CongText->Visible());
        QCOMPARE(b().GameOver, 1);
        QCOMPARE(b().NoCorCol(9).caption(), QStringLiteral("4"));
        QCOMPARE(b().GuessComplete->toolTipText(),
                 QStringLiteral("all colors are correct, now rearrange these to find correct positions"));
        for (tk::Integer p = 0; p <= 3; ++p)
            QVERIFY(b().answer(p).Visible());
    }

    void aRightTenthTryWins()
    {
        playWrongTries(9);
        d->playTry(d->code());
        QVERIFY(b().CongText->Visible() && !b().FailText->Visible());
        QVERIFY(b().GuessComplete->Visible());
        QCOMPARE(b().NoCorpos(9).caption(), QStringLiteral("4"));
    }

    void givingUpBeforePlacingLeavesTheSelectorsInert()
    {
        b().Giveup->trigger();
        QVERIFY(b().FailText->Visible());
        QCOMPARE(b().GameOver, 1);
        for (tk::Integer p = 0; p <= 3; ++p)
            QVERIFY(b().answer(p).Visible());
        QVERIFY(b().MaxColors->Visible() && b().Maxpositions->Visible());
        const std::vector<int> code = d->code();
        d->clickButton(*b().MaxColors);
        d->clickButton(*b().Maxpositions);
        QCOMPARE(b().MaxColors->caption(), QStringLiteral("6"));
        QCOMPARE(b().Maxpositions->caption(), QStringLiteral("4"));
        QCOMPARE(d->code(), code);
        b().Giveup->trigger();  // a second time: nothing
        QVERIFY(b().FailText->Visible() && !b().CongText->Visible());
    }

    void restartKeepsTheSizesAndClearsTheBoard()
    {
        d->clickButton(*b().MaxColors);     // 7 colours
        d->clickButton(*b().Maxpositions);  // 5 positions
        playWrongTries(10);
        QVERIFY(b().FailText->Visible());
        d->clickButton(*b().FailText);
        QCOMPARE(b().MaxColour, 6);
        QCOMPARE(b().MaxPosition, 4);
        QVERIFY(!b().FailText->Visible() && !b().CongText->Visible());
        QVERIFY(!b().GuessComplete->Visible());  // hidden until the first colour
        QVERIFY(b().GuessComplete->toolTipText().isEmpty());
        for (tk::Integer t = 0; t < 10; ++t)
            QVERIFY(!b().NoCorCol(t).Visible() && !b().NoCorpos(t).Visible());
        QVERIFY(slotsAreExactlyTriesUpToCurrent());
        QCOMPARE(d->currentTry(), std::vector<int>(5, -1));
        QVERIFY(b().MaxColors->Visible() && b().Label1->Visible());
        QCOMPARE(d->code().size(), std::size_t(5));
        d->dblClickColour(d->code()[0]);
        QVERIFY(b().GuessComplete->Visible());
    }

    void newGameAfterALostSevenPositionGameLeavesOneEmptyRow()
    {
        b().MaxColour = 15;  // sizes set directly, as a player could choose them
        b().MaxPosition = 6;
        b().NewGame();
        playWrongTries(10);
        QCOMPARE(b().Guessed.ubound(), 69);
        QCOMPARE(b().Guessed(63).Top(), 1920.0f + 9 * 360);
        b().NewGame();
        QCOMPARE(b().Guessed.ubound(), 6);
        QCOMPARE(b().Guessed.count(), 7);
        for (tk::Integer k = 0; k <= 6; ++k) {
            QCOMPARE(b().Guessed(k).Top(), 1920.0f);
            QCOMPARE(b().Guessed(k).Left(), 1860.0f + 360 * k);
            QCOMPARE(b().Guessed(k).Tag(), QStringLiteral("-1"));
            QCOMPARE(b().Guessed(k).Width(), 360.0f);
        }
        QCOMPARE(b().GuessComplete->Left(), 4560.0f);
        QCOMPARE(b().GuessComplete->Top(), 1920.0f);
    }

    void screenshotsShowScoresAndTheRevealedCode()
    {
        const std::vector<int> code = d->code();
        const std::vector<int> wrong = d->wrongColours();
        d->playTry({wrong[0], wrong[1], code[2], code[0]});
        d->playTry(rotated(code));
        QImage shot = b().client()->grab().toImage();
        if (qEnvironmentVariableIsSet("QUORVANE_SHOTS"))
            shot.save(qEnvironmentVariable("QUORVANE_SHOTS") + "/two-tries.png");
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
        QVERIFY(!b().answer(0).Visible());
        // The code stays out of sight until the game ends.
        QCOMPARE(shot.pixelColor(122 + 10, 404 + 10), b().client()->palette().color(QPalette::Button));

        b().Giveup->trigger();
        shot = b().client()->grab().toImage();
        for (int p = 0; p < 4; ++p) {
            const QColor fill = QImage(pictures::peg(code[std::size_t(p)])).pixelColor(10, 10);
            QCOMPARE(shot.pixelColor(122 + 24 * p + 10, 404 + 10), fill);
        }
        if (qEnvironmentVariableIsSet("QUORVANE_SHOTS"))
            shot.save(qEnvironmentVariable("QUORVANE_SHOTS") + "/after-giveup.png");
    }
};

QTEST_MAIN(tst_Game)
#include "tst_game.moc"
