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
    if (placement == game::Placement::AlreadyThere) {
        announce(pictures::colourName(colour) + QStringLiteral(" is already in this try"));
        return;
    }
    fillSlot(Guessed(s), Picture1(c).picture(), Picture1(c).Tag());
    announce(QStringLiteral("%1 placed in %2").arg(pictures::colourName(colour), slotPlace(s)));
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
            announce(pictures::colourName(colour) + QStringLiteral(" is already in this try"));
        return;
    }
    const QString tag = from.Tag();
    if (drop == game::SlotDrop::Moved)
        emptySlot(from);
    fillSlot(Guessed(t), DragColor->picture(), tag);
    if (drop == game::SlotDrop::Copied) {
        from.setPicture(ColourClicked->picture());
        from.setSize(game::SlotSize, game::SlotSize);
    }
    if (drop != game::SlotDrop::Kept)
        announce(QStringLiteral("%1 %2 to %3")
                     .arg(pictures::colourName(colour), drop == game::SlotDrop::Moved ? QStringLiteral("moved") : QStringLiteral("copied"),
                          slotPlace(t)));
}

void GameBoard::Picture1_DblClick(Integer Index)
{
    const int p = game::doubleClickTarget(currentTry(), tags::val(Picture1(Index).Tag()));
    if (p >= 0)
        PlaceColour(Index, Integer(RowFirst + p));
}

void GameBoard::Guessed_DblClick(Integer Index)
{
    const int p = game::doubleClickTarget(currentTry(), slotValue(Index));
    if (p >= 0)
        MoveSlotColour(Index, Integer(RowFirst + p));
}
