// Playing without a mouse: what a screen reader is told and can do, and the
// keyboard, each through the same handlers as the mouse.
#include "BoardDriver.h"
#include "toolkit/Announce.h"
#include "windows/AboutForm.h"
#include "windows/HelpForm.h"

#include <QAction>
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

    // A control by name: a colour by its letter, "p5" a palette place, "c1" a slot of
    // the current try, "e1" of the try before, "OK", or a button's own name.
    QWidget* widget(const QString& name)
    {
        if (name[0] == u'p')
            return &d->colour(g().ColourOrder[std::size_t(name[1].digitValue())]);
        if (name.size() == 1)
            return &d->colour(d->row(name)[0]);
        if (name[0] == u'c' || name[0] == u'e')
            return &d->slot((name[0] == u'c' ? g().RowFirst : g().RowFirst - 4) + name[1].digitValue());
        return name == u"OK" ? u().GuessComplete : d->board->control<QWidget>(name);
    }
    // Arrows along the palette from the focused colour to the given one.
    void walkTo(int colour)
    {
        const auto place = [this](int c) { return int(std::find(g().ColourOrder.begin(), g().ColourOrder.end(), c) - g().ColourOrder.begin()); };
        for (int from = place(tags::val(static_cast<tk::Image*>(focus())->Tag())), to = place(colour); from != to; from += from < to ? 1 : -1)
            d->key(from < to ? Qt::Key_Right : Qt::Key_Left);
        QCOMPARE(focus(), &d->colour(colour));
    }
    void keys(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key k : keys)
            d->key(k);
    }
    void tabTo(QWidget* w)
    {
        for (int i = 0; i < 10 && focus() != w; ++i)
            d->key(Qt::Key_Tab);
        QCOMPARE(focus(), w);
    }

private slots:
    void initTestCase() { tk::setAnnouncementListener([](const QString& message) { heard << message; }); }
    void init()
    {
        d = std::make_unique<BoardDriver>();
        heard.clear();
    }
    void cleanup() { d.reset(); }

    void treeInScreenOrderWithRolesAndNames()
    {
        HelpForm help;
        AboutForm about;
        QCOMPARE(QList<QAccessible::Role>({QAccessible::queryAccessibleInterface(d->board.get())->role(),
                                           QAccessible::queryAccessibleInterface(&help)->role(),
                                           QAccessible::queryAccessibleInterface(&about)->role()}),
                 QList<QAccessible::Role>({QAccessible::Window, QAccessible::Dialog, QAccessible::Dialog}));
        d->clickButton(*u().MaxColors);  // seven colours: three outside the code
        d->playTry(d->row("AWXY"));
        d->playTry(d->row("BCDA"));
        d->fill(d->row("W"));
        QStringList want;
        for (Integer k = 0; k <= g().MaxColour; ++k)
            want << pictures::colourName(g().ColourOrder[std::size_t(k)]);
        for (int k = 0; k <= g().RowLast; ++k) {
            const int c = tags::val(d->slot(k).Tag());
            want << QString("try %1 of 10, position %2: %3").arg(k / 4 + 1).arg(k % 4 + 1).arg(c < 0 ? "empty" : pictures::colourName(c));
        }
        want << "OK" << "try 1: 1 correct color" << "try 1: 1 correct position" << "try 2: 4 correct colors" << "try 2: 0 correct positions";
        QAccessibleInterface* client = QAccessible::queryAccessibleInterface(d->board->client());
        const auto tree = [client] {
            QStringList names;
            for (int i = 0; i < client->childCount(); ++i)
                names << client->child(i)->text(QAccessible::Name);
            return names;
        };
        QCOMPARE(tree(), want);
        // Each object is where its parent says, from the window down; run-time slots take the focus too.
        const std::function<void(QAccessibleInterface*)> check = [&check](QAccessibleInterface* parent) {
            for (int i = 0; i < parent->childCount(); ++i) {
                QCOMPARE(parent->child(i)->parent(), parent);
                check(parent->child(i));
            }
        };
        check(QAccessible::queryAccessibleInterface(d->board.get()));
        QVERIFY(QAccessible::queryAccessibleInterface(&d->slot(9))->state().focusable);
        QCOMPARE(BoardDriver::spoken(&d->slot(5), QAccessible::Description), QString("try 2: 4 correct colors, 0 correct positions"));
        QCOMPARE(BoardDriver::spoken(u().GuessComplete, QAccessible::Description), u().GuessComplete->toolTipText());
        QCOMPARE(heard.mid(heard.size() - 2), QStringList({"try 2: 4 correct colors, 0 correct positions. " + u().GuessComplete->toolTipText(),
                                                          pictures::colourName(d->row("W")[0]) + " placed in try 3 of 10, position 1"}));
        u().Giveup->trigger();
        QStringList ended;
        for (int p = 0; p < 4; ++p)
            ended << "answer, position " + QString::number(p + 1) + ": " + pictures::colourName(d->code()[std::size_t(p)]);
        QCOMPARE(tree().mid(tree().size() - 5), ended << "click here to try again");
        QVERIFY(heard.last().startsWith("You gave up. The code was " + pictures::colourName(d->code()[0]) + ", "));
    }

    void keys_data()
    {
        QTest::addColumn<QString>("on");  // what has the focus (see widget())
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
        QTest::newRow("Shift+Tab back to the palette") << "c0" << QStringList{"Backtab"} << "A---" << "p0" << "";
        QTest::newRow("Down from the palette, Down again") << "p5" << QStringList{"Down", "Down"} << "A---" << "c3" << "";
        QTest::newRow("Up from the current try") << "c1" << QStringList{"Up"} << "A---" << "e1" << "";
        QTest::newRow("Enter on OK, the try incomplete") << "OK" << QStringList{"Return"} << "A---" << "OK" << "";
        QTest::newRow("Up and plus on colors") << "MaxColors" << QStringList{"Up", "+"} << "8 4" << "MaxColors" << "";
        QTest::newRow("Up, Down and minus on positions") << "Maxpositions" << QStringList{"Up", "Down", "-"} << "6 3" << "Maxpositions" << "";
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
        widget(on)->setFocus(Qt::OtherFocusReason);
        for (const QString& k : keys)
            d->key(QKeySequence(k)[0].key(), k == u"Enter" ? Qt::KeypadModifier : Qt::NoModifier);
        const QString counts = u().MaxColors->caption() + ' ' + u().Maxpositions->caption();
        QCOMPARE(selectors ? counts : QString(), selectors ? after : QString());
        QCOMPARE(d->currentTry(), selectors ? std::vector<int>(std::size_t(g().positions()), -1) : d->row(after));
        QCOMPARE(focus(), widget(focused));
        QCOMPARE(d->fault(), QString());
        QVERIFY(!u().DragColor->Visible());
        if (!image.isEmpty()) {  // the drag image as a mouse gesture leaves it, for the handlers that read it later
            const auto* under = static_cast<tk::Image*>(widget(image));
            QCOMPARE(QPointF(u().DragColor->Left(), u().DragColor->Top()), QPointF(under->Left(), under->Top()));
            QVERIFY(u().DragColor->picture().sameAs(d->colour(tags::val(under->Tag())).picture()));
        }
    }

    void keyboardAloneWinsAGame()
    {
        const std::vector<int> code = d->code();
        walkTo(code[1]);
        keys({Qt::Key_P, Qt::Key_Right, Qt::Key_Return, Qt::Key_Backtab});  // into slot 1, back to the palette
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
        keys({Qt::Key_Left, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_P, Qt::Key_Right, Qt::Key_Space});
        QCOMPARE(d->currentTry(), std::vector<int>({code[0], code[1], -1, code[3]}));
        keys({Qt::Key_Up, Qt::Key_P, Qt::Key_Space});
        QCOMPARE(d->currentTry(), code);
        tabTo(u().GuessComplete);
        d->key(Qt::Key_Space);
        QVERIFY(heard.last().contains("You have won. The code was"));
        QCOMPARE(focus(), u().CongText);  // the next game is one key away
        QCOMPARE(d->fault(), QString());
        d->key(Qt::Key_Return);
        QCOMPARE(g().GameOver, g().FlagNo);
        QCOMPARE(focus(), &d->colour(g().ColourOrder[0]));
    }

    void actionsAloneWinAGame()
    {
        const auto press = [](QWidget* w) { QVERIFY(BoardDriver::act(w, QAccessibleActionInterface::pressAction())); };
        QVERIFY(BoardDriver::act(u().MaxColors, QAccessibleActionInterface::increaseAction()));
        QVERIFY(BoardDriver::act(u().Maxpositions, QAccessibleActionInterface::decreaseAction()));
        QCOMPARE(u().MaxColors->caption() + u().Maxpositions->caption(), QStringLiteral("73"));
        const std::vector<int> code = d->code();
        for (int c : {code[2], code[0], code[1]})
            press(&d->colour(c));
        QCOMPARE(heard.last(), pictures::colourName(code[1]) + " placed in try 1 of 10, position 3");
        press(u().GuessComplete);
        for (int p : {1, 0, 2})
            press(&d->slot(p));  // copies of the try above
        QCOMPARE(heard.last(), pictures::colourName(code[1]) + " copied to try 2 of 10, position 3");
        press(u().GuessComplete);
        for (int c : code)
            press(&d->colour(c));
        press(u().GuessComplete);
        QVERIFY(u().CongText->Visible() && g().CurrentTry == 2);
        QCOMPARE(d->fault(), QString());
        press(u().CongText);
        QCOMPARE(g().GameOver, g().FlagNo);
    }

    void focusMarkOnlyOnceAKeyIsPressed()
    {
        if (!d->board->isActiveWindow())
            QSKIP("no window activation on this platform");
        const QImage before = d->board->grab().toImage();
        keys({Qt::Key_Right, Qt::Key_Left});
        QVERIFY(d->board->grab().toImage() != before);
        d->click(Qt::LeftButton, d->at(6600, 4200));  // the mouse again: the mark goes
        QCOMPARE(d->board->grab().toImage(), before);
    }

    void menuAndHelpFromTheKeyboard()
    {
        QMenu* menu = d->board->menuBar()->actions().first()->menu();
        for (const QKeySequence& opens : {QKeySequence(Qt::AltModifier | Qt::Key_G), QKeySequence(Qt::Key_F10)}) {
            d->key(opens[0].key(), opens[0].keyboardModifiers());
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, Qt::Key_Escape);
            QTest::keyClick(menu, Qt::Key_Escape);
        }
        QString shown;
        d->soon([&] {
            shown = QApplication::activeModalWidget()->metaObject()->className();
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        d->key(Qt::Key_F1);
        QCOMPARE(shown, QStringLiteral("HelpForm"));
        QVERIFY(tk::sharedForm<HelpForm>().isHidden());
        delete &tk::sharedForm<HelpForm>();
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
