// The colour-count and position-count selectors, driven by real mouse
// releases on the board window.
#include "BoardDriver.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <algorithm>
#include <set>

namespace {
const QString Junk = QStringLiteral("junk");
}

class tst_Selectors : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;

    GameBoard& b() { return d->b(); }
    tk::CommandButton& selector(const QString& name) { return name == u"colours" ? *b().MaxColors : *b().Maxpositions; }
    int colours() { return tk::val(b().MaxColors->caption()); }
    int positions() { return tk::val(b().Maxpositions->caption()); }

    // Reaches a board size through the selectors themselves.
    void setUp(int wantColours, int wantPositions)
    {
        while (colours() < wantColours)
            d->clickButton(*b().MaxColors, Qt::LeftButton);
        while (positions() < wantPositions)
            d->clickButton(*b().Maxpositions, Qt::LeftButton);
        while (positions() > wantPositions)
            d->clickButton(*b().Maxpositions, Qt::RightButton);
        QCOMPARE(colours(), wantColours);
        QCOMPARE(positions(), wantPositions);
    }

    // Everything a release could change, as text, for before/after comparisons.
    QStringList snapshot()
    {
        QStringList s{b().MaxColors->caption(), b().Maxpositions->caption()};
        for (int i = 0; i < 16; ++i)
            s << QStringLiteral("palette %1 at %2 %3").arg(i).arg(b().Picture1(i).Left()).arg(b().Picture1(i).Visible());
        for (int p = 0; p <= 7; ++p)
            s << QStringLiteral("answer %1 %2 %3").arg(p).arg(b().answer(p).Tag()).arg(b().answer(p).Visible());
        for (int k = 0; k <= b().Guessed.ubound(); ++k)
            if (const tk::Image* slot = b().Guessed.at(k))
                s << QStringLiteral("slot %1 %2 at %3,%4").arg(k).arg(slot->Tag()).arg(slot->Left()).arg(slot->Top());
        s << QStringLiteral("ok at %1 %2").arg(b().GuessComplete->Left()).arg(b().GuessComplete->Visible());
        return s;
    }

    // Marks the code so that only a fresh drawing can clear the marks.
    void markCode()
    {
        for (int p = 0; p <= 7; ++p)
            b().answer(p).setTag(Junk);
    }
    // A fresh, hidden code of `size` distinct colours, all of them shown in the palette.
    void checkFreshCode(int size)
    {
        std::set<int> seen;
        for (int p = 0; p < size; ++p) {
            const tk::Image& peg = b().answer(p);
            QVERIFY2(peg.Tag() != Junk, qPrintable(QStringLiteral("peg %1 not drawn again").arg(p)));
            const int c = tk::val(peg.Tag());
            QVERIFY(c >= 0 && c <= 15);
            QVERIFY2(b().Picture1(c).Visible(), "code colour not in play");
            QVERIFY(peg.picture().sameAs(b().Picture1(c).picture()));
            QVERIFY(!peg.Visible());
            seen.insert(c);
        }
        QCOMPARE(int(seen.size()), size);
    }
    // The palette shows exactly `n` colours, the first n of its order, laid out in a row.
    void checkPalette(int n)
    {
        const float x0 = b().Guessed(0).Left();
        for (int k = 0; k < 16; ++k) {
            const tk::Image& colour = b().Picture1(b().ColourOrder[std::size_t(k)]);
            QCOMPARE(colour.Left(), x0 + 360.0f * float(k));
            QCOMPARE(colour.Visible(), k < n);
        }
        QCOMPARE(int(b().MaxColour), n - 1);
    }
    // The first row holds `p` empty slots, 360 apart, with OK 540 right of the last.
    void checkRow(int p, float top)
    {
        QCOMPARE(b().Guessed.count(), p);
        QCOMPARE(int(b().Guessed.ubound()), p - 1);
        for (int k = 0; k < p; ++k) {
            const tk::Image& slot = b().Guessed(k);
            QCOMPARE(slot.Left(), b().Guessed(0).Left() + 360.0f * float(k));
            QCOMPARE(slot.Top(), top);
            QCOMPARE(slot.Width(), 360.0f);
            QCOMPARE(slot.Height(), 360.0f);
            QCOMPARE(slot.Tag(), QStringLiteral("-1"));
            QVERIFY(slot.Visible());
            QVERIFY(slot.picture().sameAs(b().Blank->picture()));
        }
        QCOMPARE(int(b().MaxPosition), p - 1);
        QCOMPARE(int(b().RowFirst), 0);
        QCOMPARE(int(b().RowLast), p - 1);
        QCOMPARE(b().GuessComplete->Left(), b().Guessed(p - 1).Left() + 540.0f);
    }

    static void addSteps()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("positions");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("expected");
    }

private slots:
    void init() { d = std::make_unique<BoardDriver>(); }
    void cleanup() { d.reset(); }

    void colourSelector_data()
    {
        addSteps();
        QTest::newRow("left raises") << 6 << 4 << Qt::LeftButton << 7;
        QTest::newRow("right lowers") << 7 << 4 << Qt::RightButton << 6;
        QTest::newRow("right stops at 6") << 6 << 4 << Qt::RightButton << 6;
        QTest::newRow("left stops at 16") << 16 << 4 << Qt::LeftButton << 16;
        QTest::newRow("middle keeps the number") << 9 << 4 << Qt::MiddleButton << 9;
        QTest::newRow("right stops at the positions") << 7 << 7 << Qt::RightButton << 7;
        QTest::newRow("right down to the positions") << 8 << 7 << Qt::RightButton << 7;
    }
    void colourSelector()
    {
        QFETCH(int, colours);
        QFETCH(int, positions);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, expected);
        setUp(colours, positions);
        const QStringList rowBefore = snapshot().filter(QRegularExpression("^(slot|ok)"));
        // Scatter the palette and mark the code: only a re-lay and a redraw put them right.
        for (int i = 0; i < 16; ++i)
            b().Picture1(i).setLeft(-1000);
        markCode();

        d->clickButton(*b().MaxColors, button);

        QCOMPARE(b().MaxColors->caption(), tk::digits(expected));
        checkPalette(expected);
        checkFreshCode(positions);
        QCOMPARE(snapshot().filter(QRegularExpression("^(slot|ok)")), rowBefore);
        QCOMPARE(this->positions(), positions);
    }

    void positionSelector_data()
    {
        addSteps();
        QTest::newRow("left raises") << 6 << 4 << Qt::LeftButton << 5;
        QTest::newRow("right lowers") << 6 << 4 << Qt::RightButton << 3;
        QTest::newRow("right stops at 3") << 6 << 3 << Qt::RightButton << 3;
        QTest::newRow("left stops at 7") << 9 << 7 << Qt::LeftButton << 7;
        QTest::newRow("right from 7") << 9 << 7 << Qt::RightButton << 6;
        QTest::newRow("middle keeps the number") << 6 << 5 << Qt::MiddleButton << 5;
        QTest::newRow("left stops at the colours") << 6 << 6 << Qt::LeftButton << 6;
        QTest::newRow("left up to the colours") << 7 << 6 << Qt::LeftButton << 7;
    }
    void positionSelector()
    {
        QFETCH(int, colours);
        QFETCH(int, positions);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, expected);
        setUp(colours, positions);
        const QStringList paletteBefore = snapshot().filter("palette");
        const auto orderBefore = b().ColourOrder;
        const float top = b().Guessed(0).Top();
        const float okTop = b().GuessComplete->Top();
        // Spoil the row and mark the code: only a re-lay and a redraw put them right.
        b().Guessed(0).setTag(Junk);
        b().Guessed(0).setWidth(480);
        b().GuessComplete->setLeft(0);
        markCode();

        d->clickButton(*b().Maxpositions, button);

        QCOMPARE(b().Maxpositions->caption(), tk::digits(expected));
        checkRow(expected, top);
        checkFreshCode(expected);
        QCOMPARE(b().GuessComplete->Top(), okTop);
        QVERIFY(!b().GuessComplete->Visible());
        QCOMPARE(snapshot().filter("palette"), paletteBefore);
        QVERIFY(b().ColourOrder == orderBefore);
        QCOMPARE(this->colours(), colours);
    }

    void shrinkingFromSevenToThree()
    {
        setUp(7, 7);
        for (int i = 0; i < 4; ++i)
            d->clickButton(*b().Maxpositions, Qt::RightButton);
        QCOMPARE(positions(), 3);
        checkRow(3, b().Guessed(0).Top());
        // Nothing of the longer row is left on the board.
        const auto slotImages = b().client()->findChildren<tk::Image*>(QRegularExpression("^Guessed"));
        QCOMPARE(slotImages.size(), 3);
    }

    void relaidRowTakesColours()
    {
        setUp(8, 4);
        d->clickButton(*b().Maxpositions, Qt::LeftButton);
        d->clickButton(*b().Maxpositions, Qt::LeftButton);
        QCOMPARE(positions(), 6);
        // The new last slot takes a dragged colour; a double-click fills the first.
        const int first = b().ColourOrder[0], second = b().ColourOrder[1];
        d->drag(d->cellOf(b().Picture1(first)), d->cellOf(b().Guessed(5)));
        d->dblClickColour(second);
        QCOMPARE(d->currentTry(), std::vector<int>({second, -1, -1, -1, -1, first}));
        QVERIFY(b().Maxpositions->isHidden());
    }

    void releaseAwayFromTheSelectorStillCounts_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("colours") << "colours";
        QTest::newRow("positions") << "positions";
    }
    void releaseAwayFromTheSelectorStillCounts()
    {
        QFETCH(QString, which);
        tk::CommandButton& s = selector(which);
        const int before = tk::val(s.caption());
        d->press(Qt::LeftButton, d->at(s.Left() + 200, s.Top() + 160));
        d->move(d->at(4000, 4000));
        d->release(Qt::LeftButton, d->at(4000, 4000));
        QCOMPARE(tk::val(s.caption()), before + 1);
    }

    void inertAfterGivingUp_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<Qt::MouseButton>("button");
        for (const char* which : {"colours", "positions"}) {
            QTest::addRow("%s left", which) << which << Qt::LeftButton;
            QTest::addRow("%s right", which) << which << Qt::RightButton;
            QTest::addRow("%s middle", which) << which << Qt::MiddleButton;
        }
    }
    void inertAfterGivingUp()
    {
        QFETCH(QString, which);
        QFETCH(Qt::MouseButton, button);
        setUp(7, 5);
        b().Giveup->trigger();
        QVERIFY(selector(which).isVisible());
        const QStringList before = snapshot();
        const auto orderBefore = b().ColourOrder;
        d->clickButton(selector(which), button);
        QCOMPARE(snapshot(), before);
        QVERIFY(b().ColourOrder == orderBefore);
        QCOMPARE(int(b().MaxColour), 6);
        QCOMPARE(int(b().MaxPosition), 4);
    }

    void keyboardDoesNothing_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<Qt::Key>("key");
        for (const char* which : {"colours", "positions"}) {
            QTest::addRow("%s space", which) << which << Qt::Key_Space;
            QTest::addRow("%s return", which) << which << Qt::Key_Return;
            QTest::addRow("%s enter", which) << which << Qt::Key_Enter;
        }
    }
    void keyboardDoesNothing()
    {
        QFETCH(QString, which);
        QFETCH(Qt::Key, key);
        b().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b().windowHandle()));
        tk::CommandButton& s = selector(which);
        s.setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), &s);
        QSignalSpy pressed(&s, &QAbstractButton::pressed);
        const QStringList before = snapshot();
        const auto orderBefore = b().ColourOrder;
        QTest::keyClick(d->window(), key);
        if (key == Qt::Key_Space)
            QCOMPARE(pressed.count(), 1);  // the key did reach the button
        QCOMPARE(snapshot(), before);
        QVERIFY(b().ColourOrder == orderBefore);
    }
};

QTEST_MAIN(tst_Selectors)
#include "tst_selectors.moc"
