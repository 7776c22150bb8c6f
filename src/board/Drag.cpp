#include "GameBoard.h"

#include "basics/Rounding.h"
#include "game/DropTarget.h"

void GameBoard::startDrag(const tk::Image& source, float X, float Y)
{
    DragColor->setPicture(source.picture());
    DragColor->show();
    DragColor->bringToFront();
    DragColor->setPosition(source.Left(), source.Top());
    DragOffsetX = roundHalfEven(X);
    DragOffsetY = roundHalfEven(Y);
}

void GameBoard::followPointer(const tk::Image& source, float X, float Y)
{
    DragColor->setPosition(source.Left() + X - DragOffsetX, source.Top() + Y - DragOffsetY);
}

Integer GameBoard::dropDragImage()
{
    // The drop point is where the last handled move left the drag image,
    // not where the button was released.
    const float DropX = DragOffsetX + DragColor->Left();
    const float DropY = DragOffsetY + DragColor->Top();
    DragColor->hide();
    DragOffsetX = 0;
    DragOffsetY = 0;
    std::array<game::Box, game::MostPositions> boxes{};
    int n = 0;
    for (Integer k = RowFirst; k <= RowLast && n < game::MostPositions; ++k, ++n) {
        const tk::Image* slot = Guessed.at(k);
        boxes[std::size_t(n)] = slot ? game::Box{slot->Left(), slot->Top(), slot->Width(), slot->Height()}
                                     : game::Box{0, 0, 0, 0};
    }
    const int hit = game::dropTarget(std::span(boxes.data(), std::size_t(n)), DropX, DropY);
    return hit < 0 ? Integer(-1) : Integer(RowFirst + hit);
}
