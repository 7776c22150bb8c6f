#include "GameBoard.h"

#include "toolkit/Tags.h"

void GameBoard::PlaceColour(Integer c, Integer s)
{
    if (s < RowFirst || !Guessed.exists(s))
        return;
    // The game has begun: the sizes are settled, even if this colour is refused.
    MaxColors->hide();
    Maxpositions->hide();
    Label1->hide();
    Label2->hide();
    GuessComplete->show();

    if (currentTryHolds(tk::val(Picture1(c).Tag())))
        return;

    tk::Image& slot = Guessed(s);
    slot.setPicture(Picture1(c).picture());
    slot.setSize(360, 360);
    slot.setTag(Picture1(c).Tag());
}

void GameBoard::MoveSlotColour(Integer f, Integer t)
{
    if (!Guessed.exists(f) || !Guessed.exists(t))
        return;
    tk::Image& from = Guessed(f);
    if (t < RowFirst) {
        from.setPicture(ColourClicked->picture());
        return;
    }
    const int v = tk::val(from.Tag());
    for (Integer j = RowFirst; j <= RowLast; ++j) {
        if (slotValue(j) == v && j != f) {
            from.setPicture(ColourClicked->picture());  // left at the picture's size
            return;
        }
    }
    const QString tag = from.Tag();
    if (f != t && f >= RowFirst) {  // a move within the current try
        from.setPicture(Blank->picture());
        from.setSize(360, 360);
        from.setTag(QStringLiteral("-1"));
    }
    tk::Image& to = Guessed(t);
    to.setPicture(DragColor->picture());
    to.setSize(360, 360);
    to.setTag(tag);
    if (f < RowFirst) {  // a copy from an earlier try
        from.setPicture(ColourClicked->picture());
        from.setSize(360, 360);
    }
}

GameBoard::Integer GameBoard::firstEmptySlot() const
{
    for (Integer j = RowFirst; j <= RowLast; ++j)
        if (Guessed.exists(j) && Guessed(j).Tag() == u"-1")
            return j;
    return -1;
}

bool GameBoard::currentTryHolds(int colour) const
{
    for (Integer j = RowFirst; j <= RowLast; ++j)
        if (slotValue(j) == colour)
            return true;
    return false;
}

void GameBoard::Picture1_DblClick(Integer Index)
{
    const Integer empty = firstEmptySlot();
    if (empty < 0 || currentTryHolds(tk::val(Picture1(Index).Tag())))
        return;
    PlaceColour(Index, empty);
}

void GameBoard::Guessed_DblClick(Integer Index)
{
    // An empty source reads -1, which the empty slot found matches: nothing.
    const Integer empty = firstEmptySlot();
    if (empty < 0 || currentTryHolds(slotValue(Index)))
        return;
    MoveSlotColour(Index, empty);
}
