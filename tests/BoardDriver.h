#pragma once
// Drives a real, shown GameBoard through Qt's own event delivery: every
// gesture is sent to the board's QWindow in window coordinates at the
// board's zoom, so hit testing, the implicit grab and the double-click
// sequence are Qt's. The one way in to the board's state and controls.
#include "board/GameBoard.h"
#include "basics/Tags.h"
#include "game/Scoring.h"
#include "toolkit/Startup.h"
#include "toolkit/Twips.h"
#include "windows/Pictures.h"

#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <set>
#include <vector>

// The window tests' base: QTEST_MAIN calls initMain() before it makes the
// application, as main() keeps OpenGL unloaded before its own.
struct WindowTestCase : QObject { static void initMain() { tk::keepOpenGLUnloaded(); } };

class BoardDriver {
public:
    BoardDriver() : board(new GameBoard)
    {
        board->load();
        board->show();
        if (!QTest::qWaitForWindowExposed(board.get()))
            qFatal("board window never exposed");
        // A desktop makes a new window active; a compositor without a seat
        // never does, and keys and shortcuts need an active window.
        board->activateWindow();
        if (!QTest::qWaitFor([this] { return board->isActiveWindow(); }, 100))
            QApplication::setActiveWindow(board.get());
    }

    QObject scope;  // steps still waiting when the driver goes are dropped with it
    std::unique_ptr<GameBoard> board;
    BoardControls& ui() const { return *board; }
    GameState& game() const { return *board; }
    QWindow* window() const { return board->windowHandle(); }
    tk::Image& colour(int c) const { return ui().Picture1(Integer(c)); }
    tk::Image& slot(int k) const { return ui().Guessed(Integer(k)); }

    // A point of the client area in twips, as window pixels at the board's zoom, and back.
    QPoint at(float x, float y) const
    {
        const qreal s = board->scale();
        return board->client()->mapTo(board.get(), QPoint(tk::toPixels(x, s), tk::toPixels(y, s)));
    }
    QPointF twipsAt(QPoint p) const
    {
        p = board->client()->mapFrom(board.get(), p);
        return {tk::toTwips(p.x(), board->scale()), tk::toTwips(p.y(), board->scale())};
    }
    // Controls by name: a colour by its letter (see row()), "p5" the colour at
    // palette place 5, "palette" the last colour in play, "c2" slot 2 of the
    // current try, "e1" slot 1 of the try before, "answer" the first code peg,
    // "OK", or a control's own name.
    tk::Placed& named(const QString& name) const
    {
        if (name == u"palette" || name[0] == u'p')
            return colour(game().ColourOrder[std::size_t(name == u"palette" ? game().MaxColour : name[1].digitValue())]);
        if (name.size() == 1)
            return colour(row(name)[0]);
        if (slotIndex(name) >= 0)
            return slot(slotIndex(name));
        return name == u"answer" ? static_cast<tk::Placed&>(ui().answer(0))
               : name == u"OK"   ? *ui().GuessComplete : *board->control<tk::CommandButton>(name);
    }
    int slotIndex(const QString& name) const
    {
        if (name.size() < 2 || (name[0] != u'c' && name[0] != u'e') || !name[1].isDigit())
            return -1;
        return (name[0] == u'c' ? game().RowFirst : game().RowFirst - game().positions()) + name[1].digitValue();
    }
    // The window point of that control's 360-twip cell's middle; "c1+60" lies
    // 60 twips into slot 1 at mid-height, "outside" beyond the window.
    QPoint point(const QString& name) const
    {
        if (name == u"outside")
            return {-40, -30};
        const tk::Placed& c = named(name.section(u'+', 0, 0));
        return at(c.Left() + (name.contains(u'+') ? name.section(u'+', 1).toFloat() : 180), c.Top() + 180);
    }
    // The middle of the 360-twip cell whose top-left corner is the control's.
    QPoint cellOf(const tk::Placed& c) const { return at(c.Left() + 180, c.Top() + 180); }

    void press(Qt::MouseButton b, QPoint p) const { QTest::mousePress(window(), b, {}, p); }
    void release(Qt::MouseButton b, QPoint p) const { QTest::mouseRelease(window(), b, {}, p); }
    void move(QPoint p) const { QTest::mouseMove(window(), p); }
    void click(Qt::MouseButton b, QPoint p) const { QTest::mouseClick(window(), b, {}, p); }
    void dblClick(QPoint p) const { QTest::mouseDClick(window(), Qt::LeftButton, {}, p); }
    void drag(QPoint from, QPoint to) const
    {
        press(Qt::LeftButton, from);
        move((from + to) / 2);
        move(to);
        release(Qt::LeftButton, to);
    }
    void clickButton(const tk::CommandButton& b, Qt::MouseButton button = Qt::LeftButton) const { click(button, cellOf(b)); }
    void key(int key, Qt::KeyboardModifiers m = {}) const { QTest::keyClick(window(), Qt::Key(key), m); }
    void keys(std::initializer_list<Qt::Key> keys) const { for (Qt::Key k : keys) key(k); }
    // Does what a screen reader asks of w ("Press", "Increase"...); false when w offers no such action.
    static bool act(QWidget* w, const QString& action)
    {
        QAccessibleActionInterface* a = QAccessible::queryAccessibleInterface(w)->actionInterface();
        if (!a || !a->actionNames().contains(action))
            return false;
        a->doAction(action);
        return true;
    }
    static QString spoken(QWidget* w, QAccessible::Text t = QAccessible::Name) { return QAccessible::queryAccessibleInterface(w)->text(t); }
    // Runs `step` once the event loop about to start (a modal window's) has taken over.
    template <class F>
    void soon(F step) { QTimer::singleShot(0, &scope, step); }

    std::vector<int> code() const { return colours(board->code()); }
    std::vector<int> tryColours(int t) const { return colours(board->slotColours(Integer(t * game().positions()))); }
    std::vector<int> currentTry() const { return tryColours(game().CurrentTry); }
    // Colours written as letters: 'A', 'B'... the code's by position, 'W',
    // 'X'... the colours in play outside the code, in palette order; '-' empty.
    std::vector<int> row(const QString& letters) const
    {
        const std::vector<int> c = code();
        std::vector<int> wrong, out;
        for (Integer k = 0; k <= game().MaxColour; ++k)
            if (std::find(c.begin(), c.end(), game().ColourOrder[std::size_t(k)]) == c.end())
                wrong.push_back(game().ColourOrder[std::size_t(k)]);
        for (QChar ch : letters)
            out.push_back(ch == u'-' ? -1 : ch >= u'W' ? wrong.at(ch.unicode() - u'W') : c.at(ch.unicode() - u'A'));
        return out;
    }
    void fill(const std::vector<int>& colours) const  // by double-clicks on the palette
    {
        for (int c : colours)
            if (c >= 0)
                dblClick(cellOf(colour(c)));
    }
    void playTry(const std::vector<int>& colours) const
    {
        fill(colours);
        clickButton(*ui().GuessComplete);
    }

    // Everything the player sees of the game and the next move depends on, as text.
    QStringList state() const
    {
        const GameState& g = game();
        QStringList s{QString("try %1 over %2 rows %3..%4").arg(g.CurrentTry).arg(g.GameOver).arg(g.RowFirst).arg(g.RowLast)};
        for (QWidget* w : board->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (const auto* c = dynamic_cast<const tk::Placed*>(w); c && !w->objectName().isEmpty())  // a pooled slot has none
                s << QString("%1 %2,%3 %4 %5 %6 %7").arg(w->objectName()).arg(c->Left()).arg(c->Top()).arg(c->Width())
                         .arg(c->Visible()).arg(c->Tag(), w->property("text").toString() + w->toolTip());
        return s;
    }

    // What must hold after any event in any game; empty when it all does.
    QString fault() const
    {
        const GameState& g = game();
        const BoardControls& u = ui();
        const int P = g.positions();
        if (g.CurrentTry < 0 || g.CurrentTry > g.MaxTry || g.RowFirst != g.CurrentTry * P || g.RowLast != g.RowFirst + P - 1)
            return QString("rows %1..%2 on try %3").arg(g.RowFirst).arg(g.RowLast).arg(g.CurrentTry);
        if (u.Guessed.ubound() != g.RowLast || u.Guessed.count() != g.RowLast + 1)
            return QString("slots 0..%1, %2 of them").arg(u.Guessed.ubound()).arg(u.Guessed.count());
        // Rows 360 twips apart whatever size a slot was left at, edge to edge, OK beside the last.
        for (Integer k = 0; k <= g.RowLast; ++k) {
            const int c = tags::val(slot(k).Tag());
            if (QPointF(slot(k).Left(), slot(k).Top()) != QPointF(slot(0).Left() + 360 * (k % P), slot(0).Top() + 360 * (k / P)))
                return QString("slot %1 at %2,%3").arg(k).arg(slot(k).Left()).arg(slot(k).Top());
            // and a screen reader is told of each slot what it holds
            const QString name = QString("try %1 of 10, position %2: %3").arg(k / P + 1).arg(k % P + 1)
                                     .arg(c < 0 ? QString("empty") : spoken(&colour(c)));
            if (spoken(&slot(k)) != name || !slot(k).Visible())
                return QString("slot %1 named %2").arg(k).arg(spoken(&slot(k)));
        }
        if (u.GuessComplete->Top() != slot(g.RowFirst).Top())
            return QString("OK at %1").arg(u.GuessComplete->Top());
        std::set<int> seen, inCode;
        for (int c : currentTry())
            if (c != -1 && !seen.insert(c).second)
                return QString("colour %1 twice in the current try").arg(c);
        for (int c : code())
            if (!inCode.insert(c).second || !colour(c).Visible())
                return QString("colour %1 of the code").arg(c);
        for (int k = 0; k < int(g.ColourOrder.size()); ++k)  // colours in play in a row from slot 0's left edge, no more
            if (const tk::Image& p = colour(g.ColourOrder[std::size_t(k)]); p.Visible() != (k <= g.MaxColour) || (p.Visible() && p.Left() != slot(0).Left() + 360 * k))
                return QString("palette place %1").arg(k);
        for (const QWidget* w : board->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && w->objectName().isEmpty())
                return "a slot left over from an earlier game";
        if (u.CongText->Visible() && u.FailText->Visible())
            return "both outcome buttons shown";
        if ((u.CongText->Visible() || u.FailText->Visible()) != (g.GameOver == g.FlagYes))
            return QString("outcome shown %1, GameOver %2").arg(u.FailText->Visible()).arg(g.GameOver);
        const auto& carried = board->carried_;  // a colour carried by key shows over the slot it would drop into
        if ((!u.DragColor->Visible() && (g.DragOffsetX != 0 || g.DragOffsetY != 0)) || (carried.index >= 0
                && QPointF(u.DragColor->Left(), u.DragColor->Top()) != QPointF(slot(carried.target).Left(), slot(carried.target).Top())))
            return "drag image astray";
        // A finished try keeps its score; the try current at the end may be edited after it.
        for (Integer t = 0; t < 10; ++t) {
            const bool shown = u.NoCorCol(t).Visible(), finished = t < g.CurrentTry;
            if (shown != u.NoCorpos(t).Visible() || (finished && !shown) || (shown && !finished && (t != g.CurrentTry || !g.GameOver)))
                return QString("score of try %1 shown: %2").arg(t).arg(shown);
            const game::Score s = game::scoreTry(tryColours(t), code());
            if (finished && u.NoCorCol(t).caption() + u.NoCorpos(t).caption() != tags::digits(s.colours) + tags::digits(s.positions))
                return QString("score of try %1 does not match its slots").arg(t);
        }
        return {};
    }

private:
    template <class C>
    static std::vector<int> colours(const C& c) { return {c.at.begin(), c.at.begin() + c.size}; }
};
