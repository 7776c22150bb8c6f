#pragma once
// Drives a real, shown GameBoard through Qt's own event delivery: every
// gesture is sent to the board's QWindow in window coordinates, so hit
// testing, the implicit grab and the double-click sequence are Qt's.
#include "board/GameBoard.h"
#include "windows/Pictures.h"
#include "toolkit/Tags.h"
#include "toolkit/Twips.h"

#include <QTest>
#include <QWindow>
#include <memory>
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

    std::unique_ptr<GameBoard> board;
    GameBoard& b() { return *board; }
    QWindow* window() { return board->windowHandle(); }

    // A point of the client area, in twips, as window pixels.
    QPoint at(float x, float y) const
    {
        return board->client()->mapTo(board.get(), QPoint(tk::toPixels(x), tk::toPixels(y)));
    }
    // The middle of a 360-twip cell whose top-left corner is the control's.
    QPoint cellOf(const tk::Placed& c) const { return at(c.Left() + 180, c.Top() + 180); }

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

    // The secret code, read back from the answer pegs' Tags.
    std::vector<int> code() const
    {
        std::vector<int> out;
        for (tk::Integer p = 0; p <= board->MaxPosition; ++p)
            out.push_back(tk::val(board->answer(p).Tag()));
        return out;
    }
    // The colours of the current try, -1 for empty.
    std::vector<int> currentTry() const
    {
        std::vector<int> out;
        for (tk::Integer k = board->RowFirst; k <= board->RowLast; ++k)
            out.push_back(tk::val(board->Guessed(k).Tag()));
        return out;
    }
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

    void dblClickColour(int colour) { dblClick(cellOf(board->Picture1(tk::Integer(colour)))); }
    void dblClickSlot(int k) { dblClick(cellOf(board->Guessed(tk::Integer(k)))); }
    // Fills the empty slots of the current try by double-clicks, then scores it.
    void playTry(const std::vector<int>& colours)
    {
        for (int c : colours)
            dblClickColour(c);
        clickOk();
    }
    void clickOk()
    {
        const tk::CommandButton& ok = *board->GuessComplete;
        click(Qt::LeftButton, at(ok.Left() + ok.Width() / 2, ok.Top() + ok.Height() / 2));
    }
    void clickButton(const tk::CommandButton& button, Qt::MouseButton b = Qt::LeftButton)
    {
        click(b, at(button.Left() + button.Width() / 2, button.Top() + button.Height() / 2));
    }
};
