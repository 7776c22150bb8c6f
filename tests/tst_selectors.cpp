// The colour-count and position-count selectors, driven by real mouse
// releases on the board window.
#include "BoardDriver.h"

#include <QAction>
#include <QApplication>
#include <QRegularExpression>
#include <QSignalSpy>

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
        while (positions() != wantPositions)
            d->clickButton(*b().Maxpositions, positions() < wantPositions ? Qt::LeftButton : Qt::RightButton);
        QCOMPARE(colours(), wantColours);
    }

    // A fresh, hidden code of `size` distinct colours in play; the pegs were marked before.
    void checkFreshCode(int size)
    {
        std::set<int> seen;
        for (int p = 0; p < size; ++p) {
            const tk::Image& peg = b().answer(p);
            QVERIFY2(peg.Tag() != Junk, qPrintable(QStringLiteral("peg %1 not drawn again").arg(p)));
            const int c = tk::val(peg.Tag());
            QVERIFY(c >= 0 && c <= 15 && b().Picture1(c).Visible());
            QVERIFY(peg.picture().sameAs(b().Picture1(c).picture()) && !peg.Visible());
            seen.insert(c);
        }
        QCOMPARE(int(seen.size()), size);
    }
    // The palette shows the first n colours of its order, in a row from slot 0's Left.
    void checkPalette(int n)
    {
        for (int k = 0; k < 16; ++k) {
            const tk::Image& colour = b().Picture1(b().ColourOrder[std::size_t(k)]);
            QCOMPARE(colour.Left(), b().Guessed(0).Left() + 360.0f * float(k));
            QCOMPARE(colour.Visible(), k < n);
        }
        QCOMPARE(int(b().MaxColour), n - 1);
    }
    // Row 0 is the only one: p empty slots 360 apart, with OK 540 right of the last.
    void checkRow(int p, float top)
    {
        QCOMPARE(b().Guessed.count(), p);
        QCOMPARE(b().client()->findChildren<tk::Image*>(QRegularExpression("^Guessed")).size(), p);
        QCOMPARE(int(b().MaxPosition), p - 1);
        QCOMPARE(d->fault(), QString());
        for (int k = 0; k < p; ++k) {
            const tk::Image& slot = b().Guessed(k);
            QCOMPARE(QRectF(slot.Left(), slot.Top(), slot.Width(), slot.Height()),
                     QRectF(b().Guessed(0).Left() + 360.0f * float(k), top, 360, 360));
            QVERIFY(slot.Tag() == u"-1" && slot.Visible() && slot.picture().sameAs(b().Blank->picture()));
        }
        QCOMPARE(b().GuessComplete->Left(), b().Guessed(p - 1).Left() + 540.0f);
    }

private slots:
    void init() { d = std::make_unique<BoardDriver>(); }
    void cleanup() { d.reset(); }

    void release_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("positions");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("expected");
        const auto row = [](const char* name, const char* which, int c, int p, Qt::MouseButton button, int expected) {
            QTest::addRow("%s: %s", which, name) << which << c << p << button << expected;
        };
        row("left raises", "colours", 6, 4, Qt::LeftButton, 7);
        row("right lowers", "colours", 7, 4, Qt::RightButton, 6);
        row("right stops at 6", "colours", 6, 4, Qt::RightButton, 6);
        row("left stops at 16", "colours", 16, 4, Qt::LeftButton, 16);
        row("middle keeps the number", "colours", 9, 4, Qt::MiddleButton, 9);
        row("right stops at the positions", "colours", 7, 7, Qt::RightButton, 7);
        row("right down to the positions", "colours", 8, 7, Qt::RightButton, 7);
        row("left raises", "positions", 6, 4, Qt::LeftButton, 5);
        row("right lowers", "positions", 6, 4, Qt::RightButton, 3);
        row("right stops at 3", "positions", 6, 3, Qt::RightButton, 3);
        row("left stops at 7", "positions", 9, 7, Qt::LeftButton, 7);
        row("right from 7", "positions", 9, 7, Qt::RightButton, 6);
        row("middle keeps the number", "positions", 6, 5, Qt::MiddleButton, 5);
        row("left stops at the colours", "positions", 6, 6, Qt::LeftButton, 6);
        row("left up to the colours", "positions", 7, 6, Qt::LeftButton, 7);
    }
    void release()
    {
        QFETCH(QString, which);
        QFETCH(int, colours);
        QFETCH(int, positions);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, expected);
        setUp(colours, positions);
        const bool forColours = which == u"colours";
        const auto order = b().ColourOrder;
        const float top = b().Guessed(0).Top(), okTop = b().GuessComplete->Top();
        // Spoil what the release must lay out again, and mark the code, which it must draw again.
        if (forColours) {
            for (int i = 0; i < 16; ++i)
                b().Picture1(i).setLeft(-1000);
        } else {
            b().Guessed(0).setTag(Junk);
            b().Guessed(0).setWidth(480);
            b().GuessComplete->setLeft(0);
        }
        for (int p = 0; p <= 7; ++p)
            b().answer(p).setTag(Junk);

        // Released away from it: the selector keeps the pointer from its press on.
        d->press(button, d->middleOf(selector(which)));
        d->move(d->at(4000, 4000));
        d->release(button, d->at(4000, 4000));

        const int c = forColours ? expected : colours, p = forColours ? positions : expected;
        QCOMPARE(b().MaxColors->caption() + " " + b().Maxpositions->caption(), tk::digits(c) + " " + tk::digits(p));
        checkPalette(c);
        checkRow(p, top);
        checkFreshCode(p);
        QCOMPARE(b().GuessComplete->Top(), okTop);
        QVERIFY(!b().GuessComplete->Visible());
        if (!forColours)
            QVERIFY(b().ColourOrder == order);  // the palette stays as it was
    }

    void inertWhereItShouldBe_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("input");
        for (const char* which : {"colours", "positions"})
            for (const char* input : {"left", "right", "middle", "Space", "Return", "Enter"})
                QTest::addRow("%s, %s", which, input) << which << input;
    }
    void inertWhereItShouldBe()
    {
        QFETCH(QString, which);
        QFETCH(QString, input);
        tk::CommandButton& s = selector(which);
        const bool key = input[0].isUpper();
        if (key) {  // a focused selector takes no key
            b().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(b().windowHandle()));
            s.setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), &s);
        } else {  // after giving up, no button does anything
            setUp(7, 5);
            b().Giveup->trigger();
            QVERIFY(s.isVisible());
        }
        QSignalSpy pressed(&s, &QAbstractButton::pressed);
        const QStringList before = d->state();
        const auto order = b().ColourOrder;
        if (key)
            QTest::keyClick(d->window(),
                            input == u"Space" ? Qt::Key_Space : input == u"Return" ? Qt::Key_Return : Qt::Key_Enter);
        else
            d->clickButton(s, input == u"left" ? Qt::LeftButton : input == u"right" ? Qt::RightButton : Qt::MiddleButton);
        if (input == u"Space" || input == u"left")
            QCOMPARE(pressed.count(), 1);  // the input did reach the button
        QCOMPARE(d->state(), before);
        QVERIFY(b().ColourOrder == order);
    }
};

QTEST_MAIN(tst_Selectors)
#include "tst_selectors.moc"
