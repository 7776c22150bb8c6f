// What a screen reader hears of the board, read through Qt's accessibility
// interfaces, and the change events it is told of.
#include "board/GameBoard.h"
#include "toolkit/Announce.h"
#include "toolkit/Tags.h"

#include <QAccessible>
#include <QAction>
#include <QTest>

namespace {
QList<QPair<QObject*, QAccessible::Event>> heard;
} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT
    std::unique_ptr<GameBoard> board;

    static QString name(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
    static QString description(QWidget* w)
    {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    }
    bool announced(QObject* o, QAccessible::Event type) const { return heard.contains({o, type}); }

private slots:
    void initTestCase()
    {
        tk::setAnnouncementListener([](QObject* o, QAccessible::Event e) { heard.append({o, e}); });
    }
    void init()
    {
        board = std::make_unique<GameBoard>();
        board->load();
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
        heard.clear();
    }
    void cleanup() { board.reset(); }

    void paletteColoursAreNamedAndGraphics()
    {
        QCOMPARE(name(&board->Picture1(5)), QStringLiteral("red"));
        QCOMPARE(name(&board->Picture1(7)), QStringLiteral("navy"));
        QCOMPARE(name(&board->Picture1(3)), QStringLiteral("bright green"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&board->Picture1(5))->role(), QAccessible::Graphic);
    }

    void slotsTellTheirTryPositionAndColour()
    {
        QCOMPARE(name(&board->Guessed(1)), QStringLiteral("try 1, position 2: empty"));
        std::vector<tk::Integer> notInCode;
        for (tk::Integer c = 0; c < 16; ++c) {
            bool inCode = false;
            for (tk::Integer p = 0; p <= board->MaxPosition; ++p)
                inCode |= tk::val(board->answer(p).Tag()) == c;
            if (!inCode)
                notInCode.push_back(c);
        }
        board->PlaceColour(notInCode[0], 1);
        const QString colour = name(&board->Picture1(notInCode[0]));
        QCOMPARE(name(&board->Guessed(1)), QStringLiteral("try 1, position 2: ") + colour);
        QVERIFY(announced(&board->Guessed(1), QAccessible::NameChanged));

        // A scored try's slots keep their names; the new row speaks of try 2.
        for (tk::Integer k : {0, 2, 3})
            board->PlaceColour(notInCode[std::size_t(k + 1)], k);
        board->GuessComplete_Click();
        QCOMPARE(board->CurrentTry, 1);
        QCOMPARE(name(&board->Guessed(5)), QStringLiteral("try 2, position 2: empty"));
        QCOMPARE(name(&board->Guessed(1)), QStringLiteral("try 1, position 2: ") + colour);
    }

    void scoresOkAndSelectorsSpeakTheirState()
    {
        QCOMPARE(name(board->MaxColors), QStringLiteral("colors: 6"));
        QCOMPARE(name(board->Maxpositions), QStringLiteral("positions: 4"));
        QVERIFY(!description(board->MaxColors).isEmpty());
        board->MaxColors_MouseUp(tk::LeftButton, 0, 0, 0);
        QCOMPARE(name(board->MaxColors), QStringLiteral("colors: 7"));
        QVERIFY(announced(board->MaxColors, QAccessible::NameChanged));

        std::vector<int> code;
        for (tk::Integer p = 0; p <= board->MaxPosition; ++p)
            code.push_back(tk::val(board->answer(p).Tag()));
        // The code in another order: every colour right, none in place.
        for (std::size_t p = 0; p < code.size(); ++p)
            board->PlaceColour(tk::Integer(code[(p + 1) % code.size()]), tk::Integer(p));
        heard.clear();
        board->GuessComplete_Click();
        QCOMPARE(name(&board->NoCorCol(0)), QStringLiteral("try 1: 4 correct colors"));
        QCOMPARE(name(&board->NoCorpos(0)), QStringLiteral("try 1: 0 correct positions"));
        QCOMPARE(name(board->GuessComplete), QStringLiteral("OK"));
        QCOMPARE(description(board->GuessComplete),
                 QStringLiteral("all colors are correct, now rearrange these to find correct positions"));
        QVERIFY(announced(board->GuessComplete, QAccessible::DescriptionChanged));
        QVERIFY(announced(&board->NoCorCol(0), QAccessible::NameChanged));
        QVERIFY(board->NoCorCol(0).isVisible());
    }

    void answerPegsSpeakOnlyOnceRevealed()
    {
        const int first = tk::val(board->answer(0).Tag());
        QCOMPARE(name(&board->answer(0)), QStringLiteral("answer, position 1: hidden"));
        board->Giveup->trigger();
        QCOMPARE(name(&board->answer(0)),
                 QStringLiteral("answer, position 1: %1").arg(QAccessible::queryAccessibleInterface(&board->Picture1(tk::Integer(first)))->text(QAccessible::Name)));
        QVERIFY(announced(&board->answer(0), QAccessible::NameChanged));
        board->FailText_Click();
        QCOMPARE(name(&board->answer(0)), QStringLiteral("answer, position 1: hidden"));
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
