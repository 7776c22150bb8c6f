#include "BoardWindow.h"

#include "game/Colours.h"
#include "toolkit/Image.h"

#include <QGuiApplication>
#include <QKeyEvent>

// Every key ends in the same operation as the mouse gesture it stands for:
// Space or Enter does what a double-click does, P picks a colour up to carry
// it as a drag would, the arrows move the focus over the board.

namespace {
// The key that picks a colour up to carry it.
constexpr int PickUpKey = Qt::Key_P;

bool activates(const QKeyEvent& e)
{
    return e.key() == Qt::Key_Space || e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter;
}

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}
} // namespace

bool BoardWindow::colourKey(int colour, const QKeyEvent& e)
{
    putBackCarried();  // a key here means the player has left the carried colour
    return pegKey(true, colour, e);
}

bool BoardWindow::slotKey(int k, const QKeyEvent& e)
{
    if (carry_.index >= 0) {
        if (e.key() == Qt::Key_Left || e.key() == Qt::Key_Right) {
            const int to = carry_.target + (e.key() == Qt::Key_Left ? -1 : 1);
            if (to >= 0 && to < game_.positions())
                carryTo(to);
            return true;
        }
        if (e.key() == Qt::Key_Up || e.key() == Qt::Key_Down)
            return true;  // only the current try takes a colour
        if (activates(e))
            dropCarried();
        else
            putBackCarried();
        if (activates(e) || e.key() == Qt::Key_Escape)
            return true;
    }
    return isSlot(k) && pegKey(false, k, e);
}

// The keys a palette colour and a slot share: what a double-click does, the
// pick-up, and the arrows. False for a key that is not theirs.
bool BoardWindow::pegKey(bool fromPalette, int index, const QKeyEvent& e)
{
    QWidget* self = fromPalette ? static_cast<QWidget*>(palette_[std::size_t(index)]) : slots_[std::size_t(index)];
    rememberFocus(self);
    if (activates(e))
        fromPalette ? putInFirstEmpty(index) : copyToFirstEmpty(index, liftedAsIs(index));
    else if (e.key() == PickUpKey)
        pickUp(fromPalette, index);
    else if (isArrow(e.key()))
        arrow(e.key(), self);
    else
        return false;
    return true;
}

bool BoardWindow::selectorKey(bool colours, const QKeyEvent& e)
{
    // Up and + raise, Down and - lower, as the left and right buttons do.
    const int key = e.key();
    const bool up = key == Qt::Key_Up || key == Qt::Key_Plus, down = key == Qt::Key_Down || key == Qt::Key_Minus;
    if (!up && !down)
        return false;
    const game::Step step = up ? game::Step::Up : game::Step::Down;
    colours ? changeColours(step) : changePositions(step);
    return true;
}

void BoardWindow::pickUp(bool fromPalette, int index)
{
    if (QGuiApplication::mouseButtons() & Qt::LeftButton)
        return;  // the mouse is dragging: one hand moves a colour at a time
    const int colour = fromPalette ? index : game_.colourIn(slotAt(index));
    if (colour == game::NoColour)
        return;
    // A colour of the current try starts over its own slot, any other over the first empty one.
    const std::span<const int> row = game_.tryColours(game_.currentTry());
    const int empty = int(std::find(row.begin(), row.end(), game::NoColour) - row.begin());
    const int target = !fromPalette && inCurrentTry(index) ? slotAt(index).p : empty < int(row.size()) ? empty : 0;
    carry_ = {fromPalette, index, target, fromPalette ? Look{} : looks_[std::size_t(index)]};
    if (!fromPalette)  // shown empty while its colour is carried, as under the mouse
        looks_[std::size_t(index)].shows = game::NoColour;
    carryTo(target);
    announce(tr("%1 picked up: arrows choose the slot, Space drops it, Escape puts it back").arg(game::colourName(colour)));
}

void BoardWindow::carryTo(int position)
{
    carry_.target = position;
    renderSlots();
    slots_[std::size_t(slotNumber(game_.currentTry(), position))]->setFocus(Qt::TabFocusReason);
}

void BoardWindow::dropCarried()
{
    const Carry c = carry_;
    carry_ = {};
    const int k = slotNumber(game_.currentTry(), c.target);
    if (c.fromPalette)
        return placeColour(c.index, k);
    looks_[std::size_t(c.index)] = c.sourceWas;
    moveSlotColour(c.index, k, {game_.colourIn(slotAt(c.index)), c.sourceWas.shows});
}

void BoardWindow::putBackCarried()
{
    if (carry_.index < 0)
        return;
    const Carry c = carry_;
    carry_ = {};
    if (!c.fromPalette && !isSlot(c.index))
        return;
    if (!c.fromPalette)
        looks_[std::size_t(c.index)] = c.sourceWas;
    renderSlots();
    QWidget* source = c.fromPalette ? static_cast<QWidget*>(palette_[std::size_t(c.index)]) : slots_[std::size_t(c.index)];
    source->setFocus(Qt::TabFocusReason);
    announce(tr("%1 put back").arg(game::colourName(c.fromPalette ? c.index : game_.colourIn(slotAt(c.index)))));
}

void BoardWindow::pointerPressed()
{
    putBackCarried();
}
