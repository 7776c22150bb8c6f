#include "GameBoard.h"

#include "game/Shuffle.h"
#include "toolkit/Tags.h"

void GameBoard::Guessed_MouseDown(Integer Index, Integer, Integer, float X, float Y)
{
    tk::Image& slot = Guessed(Index);
    if (tk::val(slot.Tag()) == -1)
        return;
    DragColor->setPicture(slot.picture());
    DragColor->show();
    DragColor->bringToFront();
    DragColor->setPosition(slot.Left(), slot.Top());
    DragOffsetX = roundHalfEven(X);
    DragOffsetY = roundHalfEven(Y);
    ColourClicked->setPicture(slot.picture());
    // Shown empty while its colour is carried; the Tag still holds it.
    slot.setPicture(Blank->picture());
}

void GameBoard::Guessed_MouseMove(Integer Index, Integer Button, Integer, float X, float Y)
{
    if (!DragColor->Visible() || Button != tk::LeftButton)
        return;
    const tk::Image& slot = Guessed(Index);
    DragColor->setPosition(slot.Left() + X - DragOffsetX, slot.Top() + Y - DragOffsetY);
}

void GameBoard::Guessed_MouseUp(Integer Index, Integer Button, Integer, float, float)
{
    if (Button != tk::LeftButton)
        return;
    tk::Image& slot = Guessed(Index);
    if (slot.Tag() == u"-1")
        return;
    const Integer j = dropDragImage();
    if (j >= 0) {
        MoveSlotColour(Index, j);
        return;
    }
    slot.setPicture(ColourClicked->picture());
}
