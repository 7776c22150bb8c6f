// Playing without a mouse: what a screen reader is told and can do, and the
// keyboard, each through the same handlers as the mouse.
#include "BoardDriver.h"
#include "toolkit/Announce.h"
#include "windows/AboutForm.h"
#include "windows/HelpForm.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {
QStringList heard;
} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    BoardControls& u() { return d->ui(); }
    GameState& g() { return d->game(); }

    QWidget* focus() { return d->board->focusWidget(); }
    int place(int colour) { return int(std::find(g().ColourOrder.begin(), g().ColourOrder.end(), colour) - g().ColourOrder.begin()); }
    // Arrows along the palette from the focused colour to the given one.
    void walkTo(int colour)
    {
        int from = place(tags::val(static_cast<tk::Image*>(focus())->Tag()));
        for (; from < place(colour); ++from)
            d->key(Qt::Key_Right);
        for (; from > place(colour); --from)
            d->key(Qt::Key_Left);
        QCOMPARE(focus(), &d->colour(colour));
    }
    void tabTo(QWidget* w)
    {
        for (int i = 0; i < 10 && focus() != w; ++i)
            d->key(Qt::Key_Tab);
        QCOMPARE(focus(), w);
    }
    QStringList tree()
    {
        QAccessibleInterface* client = QAccessible::queryAccessibleInterface(d->board->client());
        QStringList names;
        for (int i = 0; i < client->childCount(); ++i)
            names << client->child(i)->text(QAccessible::Name);
        return names;
    }

private slots:
    void initTestCase()
    {
        tk::setAnnouncementListener([](const QString& message) { heard << message; });
    }
    void init()
    {
        d = std::make_unique<BoardDriver>();
        heard.clear();
    }
    void cleanup() { d.reset(); }

    void windowsAreAFrameAndDialogs()
    {
        QCOMPARE(QAccessible::queryAccessibleInterface(d->board.get())->role(), QAccessible::Window);
        HelpForm help;
        AboutForm about;
        QCOMPARE(QAccessible::queryAccessibleInterface(&help)->role(), QAccessible::Dialog);
        QCOMPARE(QAccessible::queryAccessibleInterface(&about)->role(), QAccessible::Dialog);
        QCOMPARE(QAccessible::queryAccessibleInterface(&d->colour(5))->role(), QAccessible::Graphic);
    }

    void treeInScreenOrderWithNamesAsSeen()
    {
        d->clickButton(*u().MaxColors);
        d->playTry(d->turnedCode());
        d->fill(d->row("A"));
        QStringList want;
        for (Integer k = 0; k <= g().MaxColour; ++k)
            want << pictures::colourName(g().ColourOrder[std::size_t(k)]);
        const QStringList named = QStringList(want);
        for (int k = 0; k <= g().RowLast; ++k) {
            const int c = tags::val(d->slot(k).Tag());
            want << QStringLiteral("try %1 of 10, position %2: %3").arg(k / 4 + 1).arg(k % 4 + 1)
                        .arg(c < 0 ? QStringLiteral("empty") : pictures::colourName(c));
        }
        want << "OK" << "try 1: 4 correct colors" << "try 1: 0 correct positions";
        QCOMPARE(tree(), want);
        QCOMPARE(named.size(), 7);

        u().Giveup->trigger();
        const QStringList ended = tree();
        QCOMPARE(ended.mid(ended.size() - 5),
                 QStringList({"answer, position 1: " + pictures::colourName(d->code()[0]),
                              "answer, position 2: " + pictures::colourName(d->code()[1]),
                              "answer, position 3: " + pictures::colourName(d->code()[2]),
                              "answer, position 4: " + pictures::colourName(d->code()[3]), "click here to try again"}));
        QVERIFY(heard.last().startsWith("You gave up. The code was " + pictures::colourName(d->code()[0]) + ", "));
        QCOMPARE(BoardDriver::spoken(u().GuessComplete, QAccessible::Description), QString());
    }

    void scoresSpeakWithTheirGrammar_data()
    {
        QTest::addColumn<QString>("guess");
        QTest::addColumn<QString>("colours");
        QTest::addColumn<QString>("positions");
        QTest::newRow("one and one") << "AWXY" << "1 correct color" << "1 correct position";
        QTest::newRow("none") << "WXYZ" << "0 correct colors" << "0 correct positions";
        QTest::newRow("four and two") << "ABDC" << "4 correct colors" << "2 correct positions";
    }
    void scoresSpeakWithTheirGrammar()
    {
        QFETCH(QString, guess);
        QFETCH(QString, colours);
        QFETCH(QString, positions);
        d->clickButton(*u().MaxColors, Qt::LeftButton);  // eight colours: four outside the code
        d->clickButton(*u().MaxColors, Qt::LeftButton);
        d->playTry(d->row(guess));
        QCOMPARE(BoardDriver::spoken(&u().NoCorCol(0)), "try 1: " + colours);
        QCOMPARE(BoardDriver::spoken(&u().NoCorpos(0)), "try 1: " + positions);
        QCOMPARE(BoardDriver::spoken(u().GuessComplete, QAccessible::Description), u().GuessComplete->toolTipText());
        QCOMPARE(heard.last(), "try 1: " + colours + ", " + positions + ". " + u().GuessComplete->toolTipText());
    }

    void keys_data()
    {
        QTest::addColumn<QString>("on");     // what has the focus: a colour, a place "p0", a slot, a button
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("after");  // the current try, or the counts "colours positions"
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("image");  // where the drag image was left, with the colour that stands there
        QTest::newRow("Space on a colour: into the lowest empty slot") << "W" << QStringList{"Space"} << "AW--" << "W" << "W";
        QTest::newRow("Enter on a colour in the try: refused") << "A" << QStringList{"Return"} << "A---" << "A" << "A";
        QTest::newRow("P, arrows, Enter: dropped where chosen") << "W" << QStringList{"P", "Right", "Return"} << "A-W-" << "c2" << "c2";
        QTest::newRow("P, Escape: put back") << "W" << QStringList{"P", "Right", "Escape"} << "A---" << "W" << "W";
        QTest::newRow("P on a slot, Right, Space: moved") << "c0" << QStringList{"P", "Right", "Right", "Space"} << "--A-" << "c2" << "c2";
        QTest::newRow("P on an earlier slot: copied") << "e1" << QStringList{"P", "Space"} << "AC--" << "c1" << "c1";
        QTest::newRow("Space on an earlier slot: copied") << "e2" << QStringList{"Space"} << "AD--" << "e2" << "e2";
        QTest::newRow("Tab from the palette to the try") << "W" << QStringList{"Tab"} << "A---" << "c0" << "";
        QTest::newRow("Shift+Tab back to the palette") << "c0" << QStringList{"Backtab"} << "A---" << "p0" << "";
        QTest::newRow("Down from the palette, Down again") << "p5" << QStringList{"Down", "Down"} << "A---" << "c3" << "";
        QTest::newRow("Up from the current try") << "c1" << QStringList{"Up"} << "A---" << "e1" << "";
        QTest::newRow("Enter on OK, the try incomplete") << "OK" << QStringList{"Return"} << "A---" << "OK" << "";
        QTest::newRow("Up on colors") << "MaxColors" << QStringList{"Up", "+"} << "8 4" << "MaxColors" << "";
        QTest::newRow("Down and minus on positions") << "Maxpositions" << QStringList{"Down", "-"} << "6 3" << "Maxpositions" << "";
        QTest::newRow("Space and Enter on a selector: nothing") << "MaxColors" << QStringList{"Space", "Return", "Enter"} << "6 4" << "MaxColors" << "";
    }
    void keys()
    {
        QFETCH(QString, on);
        QFETCH(QStringList, keys);
        QFETCH(QString, after);
        QFETCH(QString, focused);
        QFETCH(QString, image);
        const bool selectors = on.startsWith("Max");
        if (!selectors) {
            d->playTry(d->row("BCDA"));
            d->fill(d->row("A"));
        }
        const auto widget = [this](const QString& name) -> QWidget* {
            if (name[0] == u'p')  // a place of the palette
                return &d->colour(g().ColourOrder[std::size_t(name[1].digitValue())]);
            if (name.size() == 1)
                return &d->colour(d->row(name)[0]);
            if (name[0] == u'c' || name[0] == u'e')
                return &d->slot((name[0] == u'c' ? g().RowFirst : g().RowFirst - 4) + name[1].digitValue());
            return name == u"OK" ? u().GuessComplete : d->board->control<QWidget>(name);
        };
        widget(on)->setFocus(Qt::OtherFocusReason);
        const std::vector<int> before = d->tryColours(0);
        for (const QString& k : keys)
            d->key(QKeySequence(k)[0].key(), k == u"Enter" ? Qt::KeypadModifier : Qt::NoModifier);
        if (selectors)
            QCOMPARE(u().MaxColors->caption() + " " + u().Maxpositions->caption(), after);
        else
            QCOMPARE(d->currentTry(), d->row(after));
        QCOMPARE(focus(), widget(focused));
        QCOMPARE(d->fault(), QString());
        if (!selectors)
            QCOMPARE(d->tryColours(0), before);
        QVERIFY(!u().DragColor->Visible());
        if (image.isEmpty())
            return;
        // The drag image as a mouse gesture leaves it, for the handlers that read it later.
        const auto* under = static_cast<tk::Image*>(widget(image));
        QCOMPARE(QPointF(u().DragColor->Left(), u().DragColor->Top()), QPointF(under->Left(), under->Top()));
        QVERIFY(u().DragColor->picture().sameAs(d->colour(tags::val(under->Tag())).picture()));
    }

    void keyboardAloneWinsAGame()
    {
        const std::vector<int> code = d->code();
        walkTo(code[1]);
        for (Qt::Key k : {Qt::Key_P, Qt::Key_Right, Qt::Key_Return, Qt::Key_Backtab})  // into slot 1, back to the palette
            d->key(k);
        for (int p : {0, 3, 2}) {
            walkTo(code[std::size_t(p)]);
            d->key(Qt::Key_Space);
        }
        QCOMPARE(d->currentTry(), std::vector<int>({code[0], code[1], code[3], code[2]}));
        tabTo(u().GuessComplete);
        d->key(Qt::Key_Return);
        QCOMPARE(u().NoCorpos(0).caption(), QStringLiteral("2"));
        // The next try copied from the one above: two by Space, one carried, one picked up and dropped at once.
        d->key(Qt::Key_Backtab);
        QCOMPARE(focus(), &d->slot(1));
        for (Qt::Key k : {Qt::Key_Left, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_P,
                          Qt::Key_Right, Qt::Key_Space})
            d->key(k);
        QCOMPARE(d->currentTry(), std::vector<int>({code[0], code[1], -1, code[3]}));
        for (Qt::Key k : {Qt::Key_Up, Qt::Key_P, Qt::Key_Space})
            d->key(k);
        QCOMPARE(d->currentTry(), code);
        tabTo(u().GuessComplete);
        d->key(Qt::Key_Space);
        QVERIFY(u().CongText->Visible());
        QVERIFY(heard.last().contains("You have won. The code was"));
        QCOMPARE(d->fault(), QString());
        tabTo(u().CongText);
        d->key(Qt::Key_Return);
        QCOMPARE(g().GameOver, g().FlagNo);
        QCOMPARE(focus(), &d->colour(g().ColourOrder[0]));
    }

    void actionsAloneWinAGame()
    {
        QVERIFY(BoardDriver::act(u().MaxColors, QAccessibleActionInterface::increaseAction()));
        QVERIFY(BoardDriver::act(u().Maxpositions, QAccessibleActionInterface::decreaseAction()));
        QCOMPARE(u().MaxColors->caption() + u().Maxpositions->caption(), QStringLiteral("73"));
        const std::vector<int> code = d->code();
        for (int c : {code[2], code[0], code[1]})
            QVERIFY(BoardDriver::act(&d->colour(c), QAccessibleActionInterface::pressAction()));
        QCOMPARE(heard.last(), pictures::colourName(code[1]) + " placed in try 1 of 10, position 3");
        QVERIFY(BoardDriver::act(u().GuessComplete, QAccessibleActionInterface::pressAction()));
        QVERIFY(!u().MaxColors->isVisible());
        for (int p = 0; p < 3; ++p)
            QVERIFY(BoardDriver::act(&d->slot(p), QAccessibleActionInterface::pressAction()));  // copies, refused
        QCOMPARE(d->currentTry(), std::vector<int>({code[2], code[0], code[1]}));
        QVERIFY(heard.contains(pictures::colourName(code[0]) + " copied to try 2 of 10, position 2"));
        for (int p = 0; p < 3; ++p)
            QVERIFY(BoardDriver::act(&d->slot(3 + p), QAccessibleActionInterface::pressAction()));  // all refused
        QVERIFY(BoardDriver::act(u().GuessComplete, QAccessibleActionInterface::pressAction()));
        for (int c : code)
            QVERIFY(BoardDriver::act(&d->colour(c), QAccessibleActionInterface::pressAction()));
        QVERIFY(BoardDriver::act(u().GuessComplete, QAccessibleActionInterface::pressAction()));
        QVERIFY(u().CongText->Visible());
        QCOMPARE(g().CurrentTry, 2);
        QCOMPARE(d->fault(), QString());
        QVERIFY(BoardDriver::act(u().CongText, QAccessibleActionInterface::pressAction()));
        QCOMPARE(g().GameOver, g().FlagNo);
    }

    void focusMarkOnlyOnceAKeyIsPressed()
    {
        const QImage before = d->board->grab().toImage();
        QCOMPARE(focus(), &d->colour(g().ColourOrder[0]));
        d->key(Qt::Key_Right);
        d->key(Qt::Key_Left);
        const QImage marked = d->board->grab().toImage();
        QVERIFY(marked != before);
        d->click(Qt::LeftButton, d->at(6600, 4200));  // the mouse again: the mark goes
        QCOMPARE(d->board->grab().toImage(), before);
    }

    void menuAndHelpFromTheKeyboard()
    {
        QMenu* menu = d->board->menuBar()->findChild<QMenu*>();
        d->key(Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Escape);
        QString shown;
        d->soon([&] {
            auto* help = qobject_cast<HelpForm*>(QApplication::activeModalWidget());
            shown = help ? "help" : "nothing";
            if (help)
                QTest::keyClick(help, Qt::Key_Escape);
        });
        d->key(Qt::Key_F1);
        QCOMPARE(shown, QStringLiteral("help"));
        QVERIFY(tk::sharedForm<HelpForm>().isHidden());
        delete &tk::sharedForm<HelpForm>();
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
