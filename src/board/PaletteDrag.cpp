#include "GameBoard.h"

void GameBoard::Picture1_MouseDown(Integer Index, Integer, Integer, float X, float Y)
{
    startDrag(Picture1(Index), X, Y);
}

void GameBoard::Picture1_MouseMove(Integer Index, Integer Button, Integer, float X, float Y)
{
    if (Button == tk::LeftButton)
        followPointer(Picture1(Index), X, Y);
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
    // Only a drag image left showing gets here: it follows by its top-left corner.
    if (Button == tk::LeftButton)
        DragColor->setPosition(DragColor->Left() + X, DragColor->Top() + Y);
}
