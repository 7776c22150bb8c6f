// Random input of every kind, in every state of the game, through Qt's real
// delivery: mouse buttons (side buttons too), keys, accessible actions, the
// menu. After each event the board must still make sense. A failure names
// its seed, which QUORVANE_SEED replays; QUORVANE_SOAK_EVENTS sets the length.
#include "BoardDriver.h"
#include "toolkit/TextBox.h"
#include "windows/AboutForm.h"
#include "windows/HelpForm.h"

#include <QAction>
#include <QApplication>
#include <random>

namespace {
QtMessageHandler testHandler = nullptr;
// Events beyond the window are the point of some steps; Qt Test's notes on
// them, and the platforms' on window hints, would bury the report.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(u"outside target window") || message.contains(u"This plugin does not support")
        || message.contains(u"qWaitForWindowActive"))
        return;
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

    // Anywhere on or beside the board, but mostly on or near something.
    QPoint somewhere()
    {
        const int what = pick(10);
        const tk::Placed* target = nullptr;
        if (what < 3)
            target = &d->colour(g().ColourOrder[std::size_t(pick(g().MaxColour + 1))]);
        else if (what < 6)
            target = &d->slot(pick(g().RowLast + 1));
        else if (what == 6)
            target = u().DragColor;
        else if (what == 7)
            target = std::array<const tk::Placed*, 5>{u().MaxColors, u().Maxpositions, u().GuessComplete, u().CongText,
                                                      u().FailText}[std::size_t(pick(5))];
        if (target)
            return d->at(target->Left() + float(pick(int(target->Width()) + 60) - 30),
                         target->Top() + float(pick(int(target->Height()) + 60) - 30));
        return QPoint(pick(600) - 40, pick(540) - 40);
    }
    Qt::MouseButton anyButton()
    {
        static constexpr Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                                      Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton};
        return buttons[pick(7)];
    }
    int anyKey()
    {
        static constexpr int keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                       Qt::Key_Down, Qt::Key_Space, Qt::Key_Return, Qt::Key_P, Qt::Key_P,
                                       Qt::Key_Escape, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_A};
        return keys[pick(14)];
    }

    void closeModalSoon()
    {
        d->soon([this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* about = qobject_cast<AboutForm*>(modal)) {
                if (pick(2))
                    QTest::keyClick(about, Qt::Key_Escape);
                else
                    QTest::mousePress(about->windowHandle(), anyButton(), {},
                                      about->control<tk::TextBox>("AboutText")->mapTo(about, QPoint(40, 20)));
            } else if (auto* help = qobject_cast<HelpForm*>(modal)) {
                for (int i = pick(4); i > 0; --i)
                    help->control<tk::CommandButton>(QStringLiteral("Command%1").arg(1 + pick(2)))->click();
                if (pick(2))
                    QTest::keyClick(help, Qt::Key_Escape);
                else
                    help->close();
            }
            // Whatever was not closed above is closed now, so the run goes on.
            if (QWidget* still = QApplication::activeModalWidget())
                still->hide();
        });
    }

    void oneEvent()
    {
        const int kind = pick(100);
        if (kind < 22) {
            const Qt::MouseButton button = anyButton();
            if (held & button)
                return;
            pointer = somewhere();
            held |= button;
            d->press(button, pointer);
        } else if (kind < 48) {
            pointer = pick(3) ? pointer + QPoint(pick(41) - 20, pick(41) - 20) : somewhere();
            d->move(pointer);
        } else if (kind < 66) {
            if (!held)
                return;
            Qt::MouseButton button = anyButton();
            while (!(held & button))
                button = anyButton();
            held &= ~button;
            d->release(button, pointer);
        } else if (kind < 76) {
            if (held)
                return;
            // Half of them on a colour in play, so that tries fill up.
            pointer = pick(2) ? somewhere() : d->cellOf(d->colour(g().ColourOrder[std::size_t(pick(g().MaxColour + 1))]));
            d->dblClick(pointer);
        } else if (kind < 88) {
            d->key(anyKey());
        } else if (held) {
            return;  // the board's own buttons, menu and actions take no input mid-press
        } else if (kind < 93) {
            if (u().GuessComplete->Visible())
                d->clickButton(*u().GuessComplete);
        } else if (kind < 95) {
            for (tk::CommandButton* outcome : {u().CongText, u().FailText})
                if (outcome->Visible())
                    d->clickButton(*outcome);
        } else if (kind < 97) {
            QWidget* target = pick(2) ? static_cast<QWidget*>(&d->slot(pick(g().RowLast + 1)))
                                      : &d->colour(g().ColourOrder[std::size_t(pick(16))]);
            BoardDriver::act(target, QAccessibleActionInterface::pressAction());
        } else if (kind < 98) {
            u().Giveup->trigger();
        } else {
            closeModalSoon();
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
                return QStringLiteral("try %1 changed after it was scored").arg(t);
        // The keyboard is never lost: something of the board holds the focus.
        const QWidget* focus = d->board->focusWidget();
        if (!focus || focus->isHidden())
            return QStringLiteral("focus on %1").arg(focus ? focus->objectName() : QStringLiteral("nothing"));
        return {};
    }

private slots:
    void initTestCase() { testHandler = qInstallMessageHandler(quietHandler); }

    void init()
    {
        seed = qEnvironmentVariableIsSet("QUORVANE_SEED") ? qEnvironmentVariable("QUORVANE_SEED").toUInt()
                                                         : unsigned(std::random_device{}());
        gen.seed(seed);
        qInfo("seed %u (rerun with QUORVANE_SEED=%u)", seed, seed);  // named before a hang, too
        held = {};
        scored.clear();
        d = std::make_unique<BoardDriver>();
        pointer = d->at(0, 0);
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
        const int events = qEnvironmentVariableIsSet("QUORVANE_SOAK_EVENTS")
                               ? qEnvironmentVariableIntValue("QUORVANE_SOAK_EVENTS") : 100000;
        int games = 0, tries = 0;
        for (int i = 0; i < events; ++i) {
            const Integer before = g().CurrentTry;
            oneEvent();
            tries += g().CurrentTry > before;
            games += g().GameOver == g().FlagNo && u().Guessed.ubound() == g().MaxPosition && before > 0;
            const QString fault = boardFault();
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("event %1, seed %2 (rerun with QUORVANE_SEED=%2): %3")
                                                     .arg(i).arg(seed).arg(fault)));
        }
        qInfo("seed %u: %d events, %d tries advanced, %d games restarted", seed, events, tries, games);
        QVERIFY(tries > 0);
    }
};

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
