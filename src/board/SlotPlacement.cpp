#include "GameBoard.h"

#include "basics/Tags.h"
#include "windows/Pictures.h"

void GameBoard::PlaceColour(Integer c, Integer s)
{
    if (!Guessed.exists(s))
        return;
    const int colour = tags::val(Picture1(c).Tag());
    const game::Placement placement = game::placeColour(currentTry(), s - RowFirst, colour);
    if (placement == game::Placement::OutsideTry)
        return;
    const Relaying relaying(*this);
    // The game has begun: the sizes are settled, even if this colour is refused.
    MaxColors->hide();
    Maxpositions->hide();
    Label1->hide();
    Label2->hide();
    GuessComplete->show();
    if (placement == game::Placement::AlreadyThere)
        return refused(colour);
    const QString replacing = replaced(s);
    fillSlot(Guessed(s), Picture1(c).picture(), Picture1(c).Tag());
    announce(tr("%1 placed in %2").arg(pictures::colourName(colour), slotPlace(s)) + replacing);
}

void GameBoard::MoveSlotColour(Integer f, Integer t)
{
    if (!Guessed.exists(f) || !Guessed.exists(t))
        return;
    tk::Image& from = Guessed(f);
    const int colour = tags::val(from.Tag());
    const game::SlotDrop drop = game::dropSlotColour(currentTry(), f - RowFirst, t - RowFirst, colour);
    if (drop == game::SlotDrop::Refused) {
        from.setPicture(ColourClicked->picture());  // left at the picture's size
        if (t >= RowFirst)
            refused(colour);
        return;
    }
    const QString tag = from.Tag(), replacing = f == t ? QString() : replaced(t);
    if (drop == game::SlotDrop::Moved)
        emptySlot(from);
    fillSlot(Guessed(t), DragColor->picture(), tag);
    if (drop == game::SlotDrop::Copied) {
        from.setPicture(ColourClicked->picture());
        from.setSize(game::SlotSize, game::SlotSize);
    }
    if (drop != game::SlotDrop::Kept)
        announce((drop == game::SlotDrop::Moved ? tr("%1 moved to %2") : tr("%1 copied to %2"))
                     .arg(pictures::colourName(colour), slotPlace(t))
                 + replacing);
}

QString GameBoard::replaced(Integer k) const
{
    const int c = slotValue(k);
    return c < 0 ? QString() : tr(", replacing %1").arg(pictures::colourName(c));
}

void GameBoard::refused(int colour)
{
    // What a sighted player sees at once: nothing happened, and why.
    announce(game::holds(currentTry(), colour) ? tr("%1 is already in this try").arg(pictures::colourName(colour))
                                               : tr("this try is full"));
}

void GameBoard::Picture1_DblClick(Integer Index)
{
    const int colour = tags::val(Picture1(Index).Tag());
    const int p = game::doubleClickTarget(currentTry(), colour);
    if (p < 0)
        return refused(colour);
    PlaceColour(Index, Integer(RowFirst + p));
}

void GameBoard::Guessed_DblClick(Integer Index)
{
    const int colour = slotValue(Index);
    const int p = game::doubleClickTarget(currentTry(), colour);
    if (p < 0 && colour >= 0)
        return refused(colour);
    if (p >= 0)
        MoveSlotColour(Index, Integer(RowFirst + p));
}
