#pragma once
// Drives a real, shown GameBoard through Qt's own event delivery: every
// gesture is sent to the board's QWindow in window coordinates, so hit
// testing, the implicit grab and the double-click sequence are Qt's.
#include "board/GameBoard.h"
#include "game/Scoring.h"
#include "toolkit/Tags.h"
#include "toolkit/Twips.h"
#include "windows/Pictures.h"

#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <set>
#include <vector>

class BoardDriver {
public:
    BoardDriver() : board(new GameBoard)
    {
        board->load();
        board->show();
        if (!QTest::qWaitForWindowExposed(board.get()))
            qFatal("board window never exposed");
    }

    QObject scope;  // steps still waiting when the driver goes are dropped with it
    std::unique_ptr<GameBoard> board;
    GameBoard& b() { return *board; }
    QWindow* window() { return board->windowHandle(); }

    // A point of the client area, in twips, as window pixels, and back.
    QPoint at(float x, float y) const
    {
        return board->client()->mapTo(board.get(), QPoint(tk::toPixels(x), tk::toPixels(y)));
    }
    QPointF twipsAt(QPoint p) const
    {
        p = board->client()->mapFrom(board.get(), p);
        return {tk::toTwips(p.x()), tk::toTwips(p.y())};
    }
    // The middle of a 360-twip cell whose top-left corner is the control's.
    QPoint cellOf(const tk::Placed& c) const { return at(c.Left() + 180, c.Top() + 180); }
    QPoint middleOf(const tk::Placed& c) const { return at(c.Left() + c.Width() / 2, c.Top() + c.Height() / 2); }

    void press(Qt::MouseButton b, QPoint p) { QTest::mousePress(window(), b, {}, p); }
    void release(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(window(), b, {}, p); }
    void move(QPoint p) { QTest::mouseMove(window(), p); }
    void click(Qt::MouseButton b, QPoint p) { QTest::mouseClick(window(), b, {}, p); }
    void dblClick(QPoint p) { QTest::mouseDClick(window(), Qt::LeftButton, {}, p); }
    // Left-button drag from one window point to another, through a middle point.
    void drag(QPoint from, QPoint to)
    {
        press(Qt::LeftButton, from);
        move((from + to) / 2);
        move(to);
        release(Qt::LeftButton, to);
    }

    // Runs `step` once the event loop about to start (a modal window's) has taken over.
    template <class F>
    void soon(F step) { QTimer::singleShot(0, &scope, step); }

    // The secret code, read back from the answer pegs' Tags.
    std::vector<int> code() const
    {
        std::vector<int> out;
        for (tk::Integer p = 0; p <= board->MaxPosition; ++p)
            out.push_back(tk::val(board->answer(p).Tag()));
        return out;
    }
    // The colours of try t, -1 for empty.
    std::vector<int> tryColours(int t) const
    {
        std::vector<int> out;
        for (int p = 0; p <= board->MaxPosition; ++p)
            out.push_back(tk::val(board->Guessed(tk::Integer(t * board->positions() + p)).Tag()));
        return out;
    }
    std::vector<int> currentTry() const { return tryColours(board->CurrentTry); }
    // Colours in play that are not in the code, in palette order.
    std::vector<int> wrongColours() const
    {
        std::vector<int> out;
        const std::vector<int> c = code();
        for (tk::Integer k = 0; k <= board->MaxColour; ++k) {
            const int colour = board->ColourOrder[std::size_t(k)];
            if (std::find(c.begin(), c.end(), colour) == c.end())
                out.push_back(colour);
        }
        return out;
    }
    // Colours written as letters: 'A', 'B'... the code's by position, 'W', 'X'...
    // the colours in play outside the code, '-' empty.
    std::vector<int> row(const QString& letters) const
    {
        const std::vector<int> c = code(), wrong = wrongColours();
        std::vector<int> out;
        for (QChar ch : letters)
            out.push_back(ch == u'-' ? -1 : ch >= u'W' ? wrong.at(ch.unicode() - u'W') : c.at(ch.unicode() - u'A'));
        return out;
    }
    // Every colour of the code, none at its place.
    std::vector<int> turnedCode() const
    {
        std::vector<int> c = code();
        std::rotate(c.begin(), c.begin() + 1, c.end());
        return c;
    }

    void dblClickColour(int colour) { dblClick(cellOf(board->Picture1(tk::Integer(colour)))); }
    void dblClickSlot(int k) { dblClick(cellOf(board->Guessed(tk::Integer(k)))); }
    void fill(const std::vector<int>& colours)
    {
        for (int c : colours)
            dblClickColour(c);
    }
    // Fills the empty slots of the current try by double-clicks, then scores it.
    void playTry(const std::vector<int>& colours)
    {
        fill(colours);
        clickOk();
    }
    void clickOk() { clickButton(*board->GuessComplete); }
    void clickButton(const tk::CommandButton& button, Qt::MouseButton b = Qt::LeftButton)
    {
        click(b, middleOf(button));
    }

    // Everything the player sees of the game and the next move depends on, as text.
    QStringList state() const
    {
        const GameBoard& g = *board;
        QStringList s{
            QStringLiteral("try %1 over %2 rows %3..%4").arg(g.CurrentTry).arg(g.GameOver).arg(g.RowFirst).arg(g.RowLast)};
        for (const tk::CommandButton* c : {g.MaxColors, g.Maxpositions, g.GuessComplete, g.CongText, g.FailText})
            s << QStringLiteral("%1 %2 %3 at %4,%5 %6").arg(c->objectName(), c->caption()).arg(c->Visible())
                     .arg(c->Left()).arg(c->Top()).arg(c->toolTipText());
        for (tk::Integer i = 0; i < 16; ++i)
            s << QStringLiteral("palette %1 at %2 %3").arg(i).arg(g.Picture1(i).Left()).arg(g.Picture1(i).Visible());
        for (tk::Integer p = 0; p < 8; ++p)
            s << QStringLiteral("answer %1 %2 %3").arg(p).arg(g.answer(p).Tag()).arg(g.answer(p).Visible());
        for (tk::Integer t = 0; t < 10; ++t)
            s << QStringLiteral("score %1: %2 %3 %4").arg(t).arg(g.NoCorCol(t).caption(), g.NoCorpos(t).caption())
                     .arg(g.NoCorCol(t).Visible());
        for (tk::Integer k = 0; k <= g.Guessed.ubound(); ++k)
            if (const tk::Image* slot = g.Guessed.at(k))
                s << QStringLiteral("slot %1 %2 at %3,%4 %5").arg(k).arg(slot->Tag()).arg(slot->Left()).arg(slot->Top())
                         .arg(slot->Width());
        return s;
    }

    // What must hold after any event in any game; empty when it all does.
    QString fault() const
    {
        const GameBoard& g = *board;
        if (g.CurrentTry < 0 || g.CurrentTry > g.MaxTry || g.RowFirst != g.CurrentTry * g.positions()
            || g.RowLast != g.RowFirst + g.MaxPosition)
            return QStringLiteral("rows %1..%2 on try %3").arg(g.RowFirst).arg(g.RowLast).arg(g.CurrentTry);
        for (tk::Integer k = 0; k <= g.RowLast; ++k)
            if (!g.Guessed.exists(k))
                return QStringLiteral("slot %1 missing").arg(k);
        if (g.Guessed.ubound() != g.RowLast)
            return QStringLiteral("stray slot %1").arg(g.Guessed.ubound());
        std::set<int> seen;
        for (int c : currentTry())
            if (c != -1 && !seen.insert(c).second)
                return QStringLiteral("colour %1 twice in the current try").arg(c);
        // Both may show: a finished game's last try can still be edited and scored.
        if ((g.CongText->Visible() || g.FailText->Visible()) != (g.GameOver == g.FlagYes))
            return QStringLiteral("outcome shown %1, GameOver %2").arg(g.FailText->Visible()).arg(g.GameOver);
        if (!g.DragColor->Visible() && (g.DragOffsetX != 0 || g.DragOffsetY != 0))
            return QStringLiteral("grab point kept with no drag image");
        // A finished try keeps its score; the try current at the end may be edited after it.
        for (tk::Integer t = 0; t < 10; ++t) {
            const bool shown = g.NoCorCol(t).Visible(), finished = t < g.CurrentTry;
            const bool may = finished || (t == g.CurrentTry && g.GameOver == g.FlagYes);
            if (shown != g.NoCorpos(t).Visible() || (finished && !shown) || (shown && !may))
                return QStringLiteral("score of try %1 shown: %2").arg(t).arg(shown);
            if (!finished)
                continue;
            const Score s = scoreTry(tryColours(t), code());
            if (g.NoCorCol(t).caption() + g.NoCorpos(t).caption() != tk::digits(s.colours) + tk::digits(s.positions))
                return QStringLiteral("score of try %1 does not match its slots").arg(t);
        }
        return {};
    }
};
