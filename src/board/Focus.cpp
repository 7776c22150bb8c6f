#include "BoardWindow.h"

#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"

#include <QKeyEvent>

// Tab moves between stops: the palette, the current try, the earlier tries,
// then the buttons in their designed order; each stop is entered where it
// was left. The arrows move within the board as it is drawn.

int BoardWindow::stopOf(const QWidget* w) const
{
    const Control c = whatIs(w);
    switch (c.kind) {
    case Control::PaletteColour: return PaletteStop;
    case Control::GuessSlot: return !isSlot(c.index) ? -1 : inCurrentTry(c.index) ? CurrentStop : EarlierStop;
    case Control::Button: return FirstButtonStop + c.index;
    case Control::Other: break;
    }
    return -1;
}

QWidget* BoardWindow::entryOf(int stop) const
{
    const int t = game_.currentTry(), position = std::clamp(lastPosition_, 0, game_.positions() - 1);
    switch (stop) {
    case PaletteStop: return palette_[std::size_t(game_.colourAtPlace(std::clamp(lastPlace_, 0, game_.colours() - 1)))];
    case CurrentStop: return slots_[std::size_t(slotNumber(t, position))];
    case EarlierStop:
        if (t == 0)
            return nullptr;
        if (lastEarlier_ >= 0 && lastEarlier_ < slotNumber(t, 0))
            return slots_[std::size_t(lastEarlier_)];
        return slots_[std::size_t(slotNumber(t - 1, position))];
    }
    QWidget* button = buttonsInTabOrder().value(stop - FirstButtonStop);
    return button && !button->isHidden() && button->isEnabled() ? button : nullptr;
}

QList<tk::CommandButton*> BoardWindow::buttonsInTabOrder() const
{
    // The designed tab order, as the layout gave it to Qt's focus chain.
    QList<tk::CommandButton*> buttons;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (auto* b = qobject_cast<tk::CommandButton*>(w))
            buttons << b;
    return buttons;
}

bool BoardWindow::focusNextPrevChild(bool next)
{
    if (performing_)
        return true;  // the operation under way finds the focus a place when it is done
    if (const QWidget* leaving = focusWidget(); leaving && leaving->isHidden()) {
        settleFocus();  // not a key: Qt moves the focus off a control being hidden
        return true;
    }
    tk::setKeyboardInUse(this);
    putBackCarried();
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

void BoardWindow::arrow(int key, const QWidget* from)
{
    int row = -1, column = 0;  // row -1: the palette
    const Control c = whatIs(from);
    if (c.kind == Control::PaletteColour)
        column = game_.placeOf(c.index);
    if (c.kind == Control::GuessSlot && isSlot(c.index)) {
        row = slotAt(c.index).t;
        column = slotAt(c.index).p;
    }
    row += key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
    column += key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
    const int last = row < 0 ? game_.colours() - 1 : game_.positions() - 1;
    if (row < -1 || row > game_.currentTry() || column < 0 || (column > last && key == Qt::Key_Right))
        return;
    column = std::min(column, last);  // up or down onto a shorter row: its last place
    QWidget* to = row < 0 ? palette_[std::size_t(game_.colourAtPlace(column))] : slots_[std::size_t(slotNumber(row, column))];
    to->setFocus(Qt::TabFocusReason);
}

void BoardWindow::rememberFocus(const QWidget* now)
{
    const Control c = whatIs(now);
    if (c.kind == Control::PaletteColour && game_.inPlay(c.index))
        lastPlace_ = game_.placeOf(c.index);
    if (c.kind == Control::GuessSlot && inCurrentTry(c.index))
        lastPosition_ = slotAt(c.index).p;
    else if (c.kind == Control::GuessSlot && isSlot(c.index))
        lastEarlier_ = c.index;
}

// After an operation: a game just ended sends the keyboard where the next one
// starts, so that no key left on OK hands the try in again; a focus left on
// something now hidden goes to the outcome button shown, or to the palette.
void BoardWindow::settleFocus()
{
    if (std::exchange(ended_, false)) {
        (game_.phase() == game::Phase::Won ? wonButton_ : lostButton_)->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QWidget* focus = focusWidget();
    if (focus && !focus->isHidden() && isAncestorOf(focus))
        return;
    for (QWidget* outcome : {static_cast<QWidget*>(wonButton_), static_cast<QWidget*>(lostButton_)})
        if (!outcome->isHidden()) {
            outcome->setFocus(Qt::OtherFocusReason);
            return;
        }
    lastPlace_ = 0;
    entryOf(PaletteStop)->setFocus(Qt::OtherFocusReason);
}
