#include "GameBoard.h"

void GameBoard::Guessed_MouseDown(Integer Index, Integer, Integer, float X, float Y)
{
    tk::Image& slot = Guessed(Index);
    if (game::isEmptyTag(slot.Tag()))
        return;
    startDrag(slot, X, Y);
    ColourClicked->setPicture(slot.picture());
    // Shown empty while its colour is carried; the Tag still holds it.
    slot.setPicture(Blank->picture());
}

void GameBoard::Guessed_MouseMove(Integer Index, Integer Button, Integer, float X, float Y)
{
    if (DragColor->Visible() && Button == tk::LeftButton)
        followPointer(Guessed(Index), X, Y);
}

void GameBoard::Guessed_MouseUp(Integer Index, Integer Button, Integer, float, float)
{
    if (Button != tk::LeftButton)
        return;
    tk::Image& slot = Guessed(Index);
    if (game::isEmptyTag(slot.Tag()))
        return;
    const Integer j = dropDragImage();
    if (j >= 0)
        MoveSlotColour(Index, j);
    else
        slot.setPicture(ColourClicked->picture());
}
