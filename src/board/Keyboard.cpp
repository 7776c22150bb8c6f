#include "GameBoard.h"

#include "toolkit/Keys.h"
#include "windows/Pictures.h"

#include <QApplication>
#include <QMouseEvent>

namespace {
// The key that picks a colour up to carry it, as a drag does.
constexpr Integer KeyPickUp = 'P';
// Keys press the middle of a 360-twip cell, where a player would.
constexpr float Middle = game::SlotSize / 2;

enum Stop { PaletteStop, CurrentStop, EarlierStop, FirstButtonStop };
} // namespace

void GameBoard::Picture1_KeyDown(Integer Index, Integer& KeyCode, Integer)
{
    dropCarried(true);  // a key here means the player has left the carried colour
    if (pegKey(true, Index, KeyCode))
        KeyCode = 0;
}

void GameBoard::Guessed_KeyDown(Integer Index, Integer& KeyCode, Integer)
{
    if (carried_.index >= 0) {
        switch (KeyCode) {
        case tk::KeyLeft:
        case tk::KeyRight: {
            const Integer to = Integer(carried_.target + (KeyCode == tk::KeyLeft ? -1 : 1));
            if (to >= RowFirst && to <= RowLast)
                carryTo(to);
            KeyCode = 0;
            return;
        }
        case tk::KeyUp:
        case tk::KeyDown: KeyCode = 0; return;  // only the current try takes a colour
        case tk::KeySpace:
        case tk::KeyReturn: dropCarried(false); KeyCode = 0; return;
        case tk::KeyEscape: dropCarried(true); KeyCode = 0; return;
        default: dropCarried(true);
        }
    }
    if (pegKey(false, Index, KeyCode))
        KeyCode = 0;
}

// The keys a palette colour and a slot share: what a double-click does, the
// pick-up, and the arrows. False for a key that is not theirs.
bool GameBoard::pegKey(bool palette, Integer Index, Integer KeyCode)
{
    tk::Image& peg = palette ? Picture1(Index) : Guessed(Index);
    rememberFocus(&peg);
    switch (KeyCode) {
    case tk::KeySpace:
    case tk::KeyReturn: palette ? doubleClickColour(Index) : doubleClickSlot(Index); return true;
    case KeyPickUp: pickUp(palette, Index); return true;
    case tk::KeyLeft:
    case tk::KeyRight:
    case tk::KeyUp:
    case tk::KeyDown: moveFocus(KeyCode, &peg); return true;
    default: return false;
    }
}

// Up and + raise, Down and - lower, as the left and right buttons do; no button for other keys.
static Integer selectorButton(Integer KeyCode)
{
    if (KeyCode == tk::KeyUp || KeyCode == tk::KeyAdd)
        return tk::LeftButton;
    return KeyCode == tk::KeyDown || KeyCode == tk::KeySubtract ? tk::RightButton : 0;
}

void GameBoard::MaxColors_KeyDown(Integer& KeyCode, Integer)
{
    if (const Integer button = selectorButton(KeyCode)) {
        MaxColors_MouseUp(button, 0, Middle, Middle);
        KeyCode = 0;
    }
}

void GameBoard::Maxpositions_KeyDown(Integer& KeyCode, Integer)
{
    if (const Integer button = selectorButton(KeyCode)) {
        Maxpositions_MouseUp(button, 0, Middle, Middle);
        KeyCode = 0;
    }
}

void GameBoard::doubleClickColour(Integer i)
{
    dropCarried(true);
    Picture1_MouseDown(i, tk::LeftButton, 0, Middle, Middle);
    Picture1_MouseUp(i, tk::LeftButton, 0, Middle, Middle);
    Picture1_DblClick(i);
    Picture1_MouseUp(i, tk::LeftButton, 0, Middle, Middle);
}

void GameBoard::doubleClickSlot(Integer k)
{
    dropCarried(true);
    if (!Guessed.exists(k))
        return;
    Guessed_MouseDown(k, tk::LeftButton, 0, Middle, Middle);
    Guessed_MouseUp(k, tk::LeftButton, 0, Middle, Middle);
    Guessed_DblClick(k);
    Guessed_MouseUp(k, tk::LeftButton, 0, Middle, Middle);
}

// A press on the colour, moves to the slot chosen, a release there: the
// drag a mouse makes, one step per key.
void GameBoard::pickUp(bool fromPalette, Integer index)
{
    if (QGuiApplication::mouseButtons() & Qt::LeftButton)
        return;  // the mouse is dragging: one hand moves a colour at a time
    if (fromPalette) {
        Picture1_MouseDown(index, tk::LeftButton, 0, Middle, Middle);
    } else {
        if (game::isEmptyTag(Guessed(index).Tag()))
            return;
        Guessed_MouseDown(index, tk::LeftButton, 0, Middle, Middle);
    }
    carried_ = {fromPalette, index, -1};
    qApp->installEventFilter(this);  // a mouse press puts it back
    const int empty = game::lowestEmpty(currentTry());
    const int colour = fromPalette ? int(index) : slotValue(index);
    carryTo(!fromPalette && index >= RowFirst ? index : Integer(RowFirst + std::max(empty, 0)));
    announce(tr("%1 picked up: arrows choose the slot, Space drops it, Escape puts it back").arg(pictures::colourName(colour)));
}

void GameBoard::carryTo(Integer slot)
{
    carried_.target = slot;
    const tk::Image& source = carried_.fromPalette ? Picture1(carried_.index) : Guessed(carried_.index);
    const tk::Image& target = Guessed(slot);
    const float X = target.Left() + Middle - source.Left(), Y = target.Top() + Middle - source.Top();
    if (carried_.fromPalette)
        Picture1_MouseMove(carried_.index, tk::LeftButton, 0, X, Y);
    else
        Guessed_MouseMove(carried_.index, tk::LeftButton, 0, X, Y);
    Guessed(slot).setFocus(Qt::TabFocusReason);
}

void GameBoard::dropCarried(bool backWhereItCame)
{
    if (carried_.index < 0)
        return;
    qApp->removeEventFilter(this);
    const Carried c = carried_;
    carried_ = {};
    if (!c.fromPalette && !Guessed.exists(c.index))
        return;
    tk::Image& source = c.fromPalette ? Picture1(c.index) : Guessed(c.index);
    float X = Middle, Y = Middle;
    if (!backWhereItCame && Guessed.exists(c.target)) {
        X = Guessed(c.target).Left() + Middle - source.Left();
        Y = Guessed(c.target).Top() + Middle - source.Top();
    }
    // Put back: the pointer goes back to where it picked the colour up.
    if (c.fromPalette) {
        Picture1_MouseMove(c.index, tk::LeftButton, 0, X, Y);
        Picture1_MouseUp(c.index, tk::LeftButton, 0, X, Y);
    } else {
        Guessed_MouseMove(c.index, tk::LeftButton, 0, X, Y);
        Guessed_MouseUp(c.index, tk::LeftButton, 0, X, Y);
    }
    if (backWhereItCame) {
        source.setFocus(Qt::TabFocusReason);
        announce(tr("%1 put back").arg(pictures::colourName(c.fromPalette ? int(c.index) : slotValue(c.index))));
    }
}

bool GameBoard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this)
        dropCarried(true);
    return tk::Form::eventFilter(watched, event);
}

// Arrows move on the board as it is drawn: along the palette or a row, and
// up and down between the palette and the rows of tries.
void GameBoard::moveFocus(Integer KeyCode, QWidget* from)
{
    const int P = positions();
    int row = -1, column = 0;  // row -1: the palette
    for (int k = 0; k <= MaxColour; ++k)
        if (&Picture1(ColourOrder[std::size_t(k)]) == from)
            column = k;
    for (Integer k = 0; k <= RowLast; ++k)
        if (Guessed.at(k) == from) {
            row = k / P;
            column = k % P;
        }
    switch (KeyCode) {
    case tk::KeyLeft: --column; break;
    case tk::KeyRight: ++column; break;
    case tk::KeyUp: --row; break;
    case tk::KeyDown: ++row; break;
    }
    const int last = row < 0 ? MaxColour : P - 1;
    if (row < -1 || row > CurrentTry || column < 0 || (column > last && (KeyCode == tk::KeyRight)))
        return;
    column = std::min(column, last);  // up or down onto a shorter row: its last place
    QWidget* to = row < 0 ? &Picture1(ColourOrder[std::size_t(column)]) : Guessed.at(Integer(row * P + column));
    if (to)
        to->setFocus(Qt::TabFocusReason);
}

int GameBoard::stopOf(const QWidget* w) const
{
    for (Integer i = 0; i < game::PaletteColours; ++i)
        if (&Picture1(i) == w)
            return PaletteStop;
    for (Integer k = 0; k <= RowLast; ++k)
        if (Guessed.at(k) == w)
            return k >= RowFirst ? CurrentStop : EarlierStop;
    const QList<tk::CommandButton*> b = buttonsInTabOrder();
    const int i = int(b.indexOf(const_cast<QWidget*>(w)));
    return i < 0 ? -1 : FirstButtonStop + i;
}

QWidget* GameBoard::entryOf(int stop) const
{
    const int P = positions();
    switch (stop) {
    case PaletteStop: return &Picture1(ColourOrder[std::size_t(std::clamp(lastPlace_, 0, int(MaxColour)))]);
    case CurrentStop: return Guessed.at(Integer(RowFirst + std::clamp(lastPosition_, 0, P - 1)));
    case EarlierStop:
        if (CurrentTry == 0)
            return nullptr;
        if (lastEarlier_ >= 0 && lastEarlier_ < RowFirst && Guessed.exists(lastEarlier_))
            return Guessed.at(lastEarlier_);
        return Guessed.at(Integer(RowFirst - P + std::clamp(lastPosition_, 0, P - 1)));
    }
    const QList<tk::CommandButton*> b = buttonsInTabOrder();
    QWidget* button = b.value(stop - FirstButtonStop);
    return button && !button->isHidden() && button->isEnabled() ? button : nullptr;
}

QList<tk::CommandButton*> GameBoard::buttonsInTabOrder() const
{
    // The designed tab order, as the layout gave it to Qt's focus chain.
    QList<tk::CommandButton*> buttons;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (auto* b = qobject_cast<tk::CommandButton*>(w))
            buttons << b;
    return buttons;
}

bool GameBoard::focusNextPrevChild(bool next)
{
    if (relaying_)
        return true;  // the handler under way finds the focus a place when it is done
    if (const QWidget* leaving = focusWidget(); leaving && leaving->isHidden()) {
        settleFocus();  // not a key: Qt moves the focus off a control being hidden
        return true;
    }
    tk::setKeyboardInUse(this);
    dropCarried(true);
    rememberFocus(focusWidget());
    const int stops = FirstButtonStop + int(buttonsInTabOrder().size());
    int stop = stopOf(focusWidget());
    if (stop < 0)
        stop = next ? -1 : stops;
    for (int step = 0; step < stops; ++step) {
        stop = (stop + (next ? 1 : stops - 1)) % stops;
        if (QWidget* w = entryOf(stop)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return tk::Form::focusNextPrevChild(next);
}

void GameBoard::rememberFocus(const QWidget* now)
{
    for (int k = 0; k <= MaxColour; ++k)
        if (&Picture1(ColourOrder[std::size_t(k)]) == now)
            lastPlace_ = k;
    for (Integer k = 0; k <= RowLast; ++k)
        if (Guessed.at(k) == now) {
            if (k >= RowFirst)
                lastPosition_ = k - RowFirst;
            else
                lastEarlier_ = k;
        }
}

// After a handler re-laid the board: a focus left on something now hidden
// goes to the outcome button when a game has just ended, else to the palette.
void GameBoard::settleFocus()
{
    const QWidget* focus = focusWidget();
    if (focus && !focus->isHidden() && isAncestorOf(focus))
        return;
    for (QWidget* outcome : {static_cast<QWidget*>(CongText), static_cast<QWidget*>(FailText)})
        if (!outcome->isHidden()) {
            outcome->setFocus(Qt::OtherFocusReason);
            return;
        }
    lastPlace_ = 0;
    entryOf(PaletteStop)->setFocus(Qt::OtherFocusReason);
}
