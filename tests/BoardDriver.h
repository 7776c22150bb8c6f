#pragma once
// Drives a real, shown BoardWindow through Qt's own event delivery: every
// gesture is sent to the board's QWindow in window coordinates at the
// board's zoom, so hit testing, the implicit grab and the double-click
// sequence are Qt's. The one way in to the board's controls.
#include "board/BoardWindow.h"
#include "game/Colours.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Startup.h"
#include "toolkit/Twips.h"
#include "windows/DeductionsWindow.h"
#include "windows/HelpWindow.h"

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
struct WindowTestCase : QObject {
    static void initMain() { tk::keepOpenGLUnloaded(); }
};

class BoardDriver {
public:
    BoardDriver() : board(std::make_unique<BoardWindow>())
    {
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
    std::unique_ptr<BoardWindow> board;
    const game::Game& game() const { return board->game(); }
    QWindow* window() const { return board->windowHandle(); }
    tk::Image& colour(int c) const { return *board->palette_[std::size_t(c)]; }
    tk::Image& slot(int k) const { return *board->slots_[std::size_t(k)]; }
    tk::Image& answer(int p) const { return *board->answer_[std::size_t(p)]; }
    tk::Image& dragImage() const { return *board->dragImage_; }
    tk::Label& colourScore(int t) const { return *board->colourScores_[std::size_t(t)]; }
    tk::Label& positionScore(int t) const { return *board->positionScores_[std::size_t(t)]; }
    tk::CommandButton& handIn() const { return *board->handInButton_; }
    tk::CommandButton& won() const { return *board->wonButton_; }
    tk::CommandButton& lost() const { return *board->lostButton_; }
    tk::CommandButton& colourSelector() const { return *board->colourSelector_; }
    tk::CommandButton& positionSelector() const { return *board->positionSelector_; }
    QAction* giveUp() const { return board->giveUpItem_; }
    QAction* about() const { return board->aboutItem_; }
    QAction* help() const { return board->helpItem_; }
    QAction* marks() const { return board->marksItem_; }
    QAction* deductionsItem() const { return board->deductionsItem_; }
    QAction* exit() const { return board->exitItem_; }
    const QPixmap& peg(int c, bool marked = false) const { return board->pegs_.of(c, marked); }
    QPointF grabPoint() const { return {qreal(board->drag_.grabX), qreal(board->drag_.grabY)}; }
    bool carrying() const { return board->carry_.index >= 0; }
    HelpWindow* helpWindow() const { return board->help_; }
    DeductionsWindow* deductions() const { return board->deductions_; }
    // The focus by name: "p0" a palette place, "c1" or "e2" a slot of the
    // current or an earlier try, "OK", "won", "lost", "colors", "positions".
    QString focused() const
    {
        const QWidget* f = board->focusWidget();
        const BoardWindow::Control c = board->whatIs(f);
        if (c.kind == BoardWindow::Control::PaletteColour)
            return "p" + QString::number(game().placeOf(c.index));
        if (c.kind == BoardWindow::Control::GuessSlot)
            return QString(c.index >= firstOfTry(game().currentTry()) ? "c" : "e") + QString::number(c.index % game().positions());
        return f == &handIn() ? "OK" : f == &won() ? "won" : f == &lost() ? "lost" : f == &colourSelector() ? "colors" : f == &positionSelector() ? "positions" : "?";
    }
    int firstOfTry(int t) const { return t * game().positions(); }

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
    // The middle of the 360-twip cell whose top-left corner is the control's.
    QPoint cellOf(const tk::Placed& c) const { return at(c.Left() + 180, c.Top() + 180); }
    // Controls by name: a colour by its letter (see row()), "p5" the colour at
    // palette place 5, "palette" the last colour in play, "c2" slot 2 of the
    // current try, "e1" slot 1 of the try before, "OK", or a selector.
    tk::Placed& named(const QString& name) const
    {
        if (name == u"palette")
            return colour(game().colourAtPlace(game().colours() - 1));
        if (name[0] == u'p' && name.size() == 2)
            return colour(game().colourAtPlace(name[1].digitValue()));
        if (name.size() == 1)
            return colour(row(name)[0]);
        if (slotIndex(name) >= 0)
            return slot(slotIndex(name));
        return name == u"OK" ? static_cast<tk::Placed&>(handIn()) : name == u"colors" ? colourSelector() : positionSelector();
    }
    int slotIndex(const QString& name) const
    {
        if (name.size() < 2 || (name[0] != u'c' && name[0] != u'e') || !name[1].isDigit())
            return -1;
        return firstOfTry(game().currentTry() - (name[0] == u'e')) + name[1].digitValue();
    }
    // The window point of that control's cell's middle; "c1+60" lies 60 twips
    // into slot 1 at mid-height, "c1^0" on its top edge, "outside" beyond the window.
    QPoint point(const QString& name) const
    {
        if (name == u"outside")
            return {-40, -30};
        const QString across = name.section(u'^', 0, 0);
        const tk::Placed& c = named(across.section(u'+', 0, 0));
        return at(c.Left() + (across.contains(u'+') ? across.section(u'+', 1).toFloat() : 180),
                  c.Top() + (name.contains(u'^') ? name.section(u'^', 1).toFloat() : 180));
    }

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
    // Does what a screen reader asks of w ("Press", "Increase"...); false when w offers no such action.
    static bool act(QWidget* w, const QString& action)
    {
        QAccessibleActionInterface* a = QAccessible::queryAccessibleInterface(w)->actionInterface();
        if (!a || !a->actionNames().contains(action))
            return false;
        a->doAction(action);
        return true;
    }
    static QString spoken(QWidget* w, QAccessible::Text t = QAccessible::Name)
    {
        return QAccessible::queryAccessibleInterface(w)->text(t);
    }
    // Runs `step` once the event loop about to start (a modal window's) has taken over.
    template <class F>
    void soon(F step)
    {
        QTimer::singleShot(0, &scope, step);
    }

    std::vector<int> code() const { return {game().code().begin(), game().code().end()}; }
    std::vector<int> tryColours(int t) const { return {game().tryColours(t).begin(), game().tryColours(t).end()}; }
    std::vector<int> currentTry() const { return tryColours(game().currentTry()); }
    // Colours written as letters: 'A', 'B'... the code's by position, 'W',
    // 'X'... the colours in play outside the code, in palette order; '-' empty.
    std::vector<int> row(const QString& letters) const
    {
        const std::vector<int> c = code();
        std::vector<int> wrong, out;
        for (int place = 0; place < game().colours(); ++place)
            if (std::find(c.begin(), c.end(), game().colourAtPlace(place)) == c.end())
                wrong.push_back(game().colourAtPlace(place));
        for (QChar ch : letters)
            out.push_back(ch == u'-' ? game::NoColour : ch >= u'W' ? wrong.at(ch.unicode() - u'W') : c.at(ch.unicode() - u'A'));
        return out;
    }
    QString letters(const std::vector<int>& colours) const  // the other way round
    {
        QString all = QString("ABCDEFG").left(game().positions());
        for (int i = 0; i < game().colours() - game().positions(); ++i)
            all += QChar(u'W' + i);
        QString out;
        for (int c : colours)
            for (QChar ch : u'-' + all)
                if (row(ch)[0] == c)
                    out += ch;
        return out;
    }
    void fill(const std::vector<int>& colours) const  // by double-clicks on the palette
    {
        for (int c : colours)
            if (c != game::NoColour)
                dblClick(cellOf(colour(c)));
    }
    void playTry(const std::vector<int>& colours) const
    {
        fill(colours);
        clickButton(handIn());
    }

    // What must hold after any event in any game; empty when it all does.
    QString fault() const
    {
        const game::Game& g = game();
        const int P = g.positions(), current = g.currentTry(), last = firstOfTry(current) + P - 1;
        for (int k = 0; k < int(board->slots_.size()); ++k) {
            const tk::Image& s = slot(k);
            // Rows edge to edge from slot 0's place, 360 twips apart, each slot named for what it holds.
            if (s.isVisible() != (k <= last))
                return QString("slot %1 shown: %2").arg(k).arg(s.isVisible());
            if (k > last)
                continue;
            if (QPointF(s.Left(), s.Top()) != QPointF(1860 + 360 * (k % P), 1920 + 360 * (k / P)))
                return QString("slot %1 at %2,%3").arg(k).arg(s.Left()).arg(s.Top());
            const int c = g.colourIn({k / P, k % P});
            const QString name = QString("try %1 of 10, position %2: %3").arg(k / P + 1).arg(k % P + 1)
                                     .arg(c == game::NoColour ? QString("empty") : game::colourName(c));
            if (spoken(board->slots_[std::size_t(k)]) != name)
                return QString("slot %1 named %2").arg(k).arg(spoken(board->slots_[std::size_t(k)]));
        }
        if (handIn().Top() != 1920 + 360 * current || handIn().Left() != 1860 + 360 * P + 180)
            return QString("OK at %1,%2").arg(handIn().Left()).arg(handIn().Top());
        std::set<int> seen, inCode;
        for (int c : currentTry())
            if (c != game::NoColour && !seen.insert(c).second)
                return QString("colour %1 twice in the current try").arg(c);
        for (int c : code())
            if (!inCode.insert(c).second || !colour(c).isVisible())
                return QString("colour %1 of the code").arg(c);
        for (int place = 0; place < game::PaletteColours; ++place)  // in play in a row from slot 0's left, no more
            if (const tk::Image& p = colour(g.colourAtPlace(place));
                p.isVisible() != (place < g.colours()) || (p.isVisible() && p.Left() != 1860 + 360 * place))
                return QString("palette place %1").arg(place);
        if (won().isVisible() && lost().isVisible())
            return "both outcome buttons shown";
        if ((won().isVisible() || lost().isVisible()) != g.over())
            return QString("outcome shown %1 over %2").arg(lost().isVisible()).arg(g.over());
        for (int p = 0; p < 8; ++p)
            if (answer(p).isVisible() != (g.over() && p < P))
                return QString("answer %1 shown %2").arg(p).arg(answer(p).isVisible());
        if (!dragImage().isVisible() && (board->drag_.grabX != 0 || board->drag_.grabY != 0))
            return "drag image astray";
        // A finished try keeps its score, as counted here from the rules; the
        // try current at the end may be handed in again after it.
        for (int t = 0; t < game::Tries; ++t) {
            const bool shown = colourScore(t).isVisible(), finished = t < current;
            if (shown != positionScore(t).isVisible() || (finished && !shown) || (shown && !finished && (t != current || !g.over())))
                return QString("score of try %1 shown: %2").arg(t).arg(shown);
            if (finished && colourScore(t).text() + ' ' + positionScore(t).text() != expectedScore(tryColours(t)))
                return QString("score of try %1 is %2 %3").arg(t).arg(colourScore(t).text(), positionScore(t).text());
        }
        return {};
    }
    // "colours positions" of a try against the code: how many of its colours
    // the code holds anywhere, how many stand where the code has them.
    QString expectedScore(const std::vector<int>& guess) const
    {
        const std::vector<int> c = code();
        const auto inCode = std::count_if(guess.begin(), guess.end(), [&c](int g) { return std::find(c.begin(), c.end(), g) != c.end(); });
        int inPlace = 0;
        for (std::size_t p = 0; p < guess.size(); ++p)
            inPlace += guess[p] == c[p];
        return QString("%1 %2").arg(inCode).arg(inPlace);
    }
};
