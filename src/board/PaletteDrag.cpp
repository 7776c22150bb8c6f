#include "GameBoard.h"

#include "game/Shuffle.h"

void GameBoard::Picture1_MouseDown(Integer Index, Integer, Integer, float X, float Y)
{
    const tk::Image& colour = Picture1(Index);
    DragColor->setPicture(colour.picture());
    DragColor->show();
    DragColor->bringToFront();
    DragColor->setPosition(colour.Left(), colour.Top());
    DragOffsetX = roundHalfEven(X);
    DragOffsetY = roundHalfEven(Y);
}

void GameBoard::Picture1_MouseMove(Integer Index, Integer Button, Integer, float X, float Y)
{
    if (Button != tk::LeftButton)
        return;
    const tk::Image& colour = Picture1(Index);
    DragColor->setPosition(colour.Left() + X - DragOffsetX, colour.Top() + Y - DragOffsetY);
}

void GameBoard::Picture1_MouseUp(Integer Index, Integer Button, Integer, float, float)
{
    if (Button != tk::LeftButton)
        return;
    const Integer k = dropDragImage();
    if (k >= 0)
        PlaceColour(Index, k);
}

void GameBoard::DragColor_MouseMove(Integer Button, Integer, float X, float Y)
{
    if (Button != tk::LeftButton)
        return;
    DragColor->setPosition(DragColor->Left() + X, DragColor->Top() + Y);
}

GameBoard::Integer GameBoard::dropDragImage()
{
    // The drop point is where the last handled move left the drag image,
    // not where the button was released.
    const float DropX = DragOffsetX + DragColor->Left();
    const float DropY = DragOffsetY + DragColor->Top();
    DragColor->hide();
    DragOffsetX = 0;
    DragOffsetY = 0;
    return dropTarget(DropX, DropY);
}

GameBoard::Integer GameBoard::dropTarget(float DropX, float DropY) const
{
    for (Integer k = RowFirst; k <= RowLast; ++k) {
        const tk::Image* slot = Guessed.at(k);
        if (slot && slot->Left() < DropX && DropX < slot->Left() + slot->Width() && slot->Top() < DropY
            && DropY < slot->Top() + slot->Height())
            return k;
    }
    return -1;
}
