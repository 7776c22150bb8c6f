// Random input of every kind, in every state of the game, through Qt's real
// delivery: mouse buttons (side buttons too), keys, accessible actions, the
// menu and its side windows. After each event the board must still make
// sense. A failure names its seed, which QUORVANE_SEED replays;
// QUORVANE_SOAK_EVENTS sets the length.
#include "BoardDriver.h"
#include "windows/AboutForm.h"
#include "windows/HelpForm.h"

#include <QAction>
#include <random>

namespace {
QtMessageHandler testHandler = nullptr;
// Events beyond the window are the point of some steps: Qt Test's notes on
// them, and the platforms' on window hints, would bury the report.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(u"outside target window") && !message.contains(u"This plugin does not support"))
        testHandler(type, context, message);
}
} // namespace

class tst_Soak : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    std::mt19937 gen;
    QTimer watchdog;
    unsigned seed = 0;
    Qt::MouseButtons held;
    QPoint pointer;
    std::vector<std::vector<int>> scored;  // the finished tries of this game, as scored

    BoardControls& u() { return d->ui(); }
    GameState& g() { return d->game(); }
    int pick(int n) { return int(gen() % unsigned(n)); }
    tk::Image& anyColour() { return d->colour(g().ColourOrder[std::size_t(pick(g().MaxColour + 1))]); }

    // Anywhere on or beside the board, but mostly on or near something.
    QPoint somewhere()
    {
        const tk::Placed* targets[] = {&anyColour(), &d->slot(pick(g().RowLast + 1)), &d->slot(g().RowFirst + pick(g().positions())),
                                       u().DragColor, u().MaxColors, u().Maxpositions, u().GuessComplete, u().CongText};
        const int what = pick(10);
        if (what >= 8)
            return QPoint(pick(600) - 40, pick(540) - 40);
        const tk::Placed& t = *targets[what];
        return d->at(t.Left() + float(pick(int(t.Width()) + 60) - 30), t.Top() + float(pick(int(t.Height()) + 60) - 30));
    }
    Qt::MouseButton anyButton()
    {
        static constexpr Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                                      Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton};
        return buttons[pick(7)];
    }

    void oneEvent()
    {
        static constexpr int keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                       Qt::Key_Space, Qt::Key_Return, Qt::Key_P, Qt::Key_P, Qt::Key_Escape, Qt::Key_Plus, Qt::Key_Minus};
        const int kind = pick(100);
        if (kind < 22) {
            const Qt::MouseButton button = anyButton();
            if (!(held & button)) {
                held |= button;
                d->press(button, pointer = somewhere());
            }
        } else if (kind < 48) {
            d->move(pointer = pick(3) ? pointer + QPoint(pick(41) - 20, pick(41) - 20) : somewhere());
        } else if (kind < 66) {
            Qt::MouseButton button = anyButton();
            for (int tries = 0; held && !(held & button) && tries < 50; ++tries)
                button = anyButton();
            if (held & button) {
                held &= ~button;
                d->release(button, pointer);
            }
        } else if (kind < 76) {
            if (!held)  // half of them on a colour in play, so that tries fill up
                d->dblClick(pointer = pick(2) ? somewhere() : d->cellOf(anyColour()));
        } else if (kind < 88) {
            d->key(keys[pick(13)]);
        } else if (held) {
            return;  // the board's own buttons, menu and actions take no input mid-press
        } else if (kind < 95) {
            for (tk::CommandButton* b : {u().GuessComplete, u().GuessComplete, u().CongText, u().FailText})
                if (b->Visible() && pick(2))
                    return d->clickButton(*b);
        } else if (kind < 97) {
            BoardDriver::act(pick(2) ? &d->slot(pick(g().RowLast + 1)) : &anyColour(), QAccessibleActionInterface::pressAction());
        } else if (kind < 98) {
            if (!pick(5))  // rarely, so that games run long too
                u().Giveup->trigger();
        } else {
            d->soon([this] {  // a side window, closed again as a player might
                if (auto* about = qobject_cast<AboutForm*>(QApplication::activeModalWidget()))
                    QTest::keyClick(about, Qt::Key_Escape);
                else if (auto* help = qobject_cast<HelpForm*>(QApplication::activeModalWidget()))
                    pick(2) ? QTest::keyClick(help, Qt::Key_Escape) : (void)help->close();
            });
            (pick(2) ? u().Aboutx : u().GiveHelp)->trigger();
        }
    }

    QString boardFault()
    {
        if (const QString fault = d->fault(); !fault.isEmpty())
            return fault;
        if (g().CurrentTry < int(scored.size()))  // a new game
            scored.clear();
        while (int(scored.size()) < g().CurrentTry)
            scored.push_back(d->tryColours(int(scored.size())));
        for (int t = 0; t < int(scored.size()); ++t)
            if (d->tryColours(t) != scored[std::size_t(t)])
                return QString("try %1 changed after it was scored").arg(t);
        // The keyboard is never lost: something shown on the board holds the focus.
        const QWidget* focus = d->board->focusWidget();
        return focus && !focus->isHidden() ? QString() : QString("focus on %1").arg(focus ? focus->objectName() : "nothing");
    }

private slots:
    void initTestCase() { testHandler = qInstallMessageHandler(quietHandler); }
    void init()
    {
        seed = qEnvironmentVariableIsSet("QUORVANE_SEED") ? qEnvironmentVariable("QUORVANE_SEED").toUInt()
                                                         : unsigned(std::random_device{}());
        gen.seed(seed);
        qInfo("seed %u (rerun with QUORVANE_SEED=%u)", seed, seed);  // named before a hang, too
        d = std::make_unique<BoardDriver>();
        // A random click can open a side window through the menu bar too;
        // like a player, the watchdog closes what nobody else will.
        watchdog.callOnTimeout([] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->hide();
        });
        watchdog.start(100);
    }
    void cleanup()
    {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton})
            if (held & button)
                d->release(button, pointer);
        d.reset();
    }

    void boardStaysConsistentUnderRandomInput()
    {
        const int events = qEnvironmentVariableIsSet("QUORVANE_SOAK_EVENTS") ? qEnvironmentVariableIntValue("QUORVANE_SOAK_EVENTS") : 100000;
        int games = 0, tries = 0;
        for (int i = 0; i < events; ++i) {
            const Integer before = g().CurrentTry;
            oneEvent();
            tries += g().CurrentTry > before;
            games += g().GameOver == g().FlagNo && u().Guessed.ubound() == g().MaxPosition && before > 0;
            const QString fault = boardFault();
            QVERIFY2(fault.isEmpty(), qPrintable(QString("event %1, seed %2 (rerun with QUORVANE_SEED=%2): %3").arg(i).arg(seed).arg(fault)));
        }
        qInfo("seed %u: %d events, %d tries advanced, %d games restarted", seed, events, tries, games);
        QVERIFY(tries > 0 && games > 0);
    }
};

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
