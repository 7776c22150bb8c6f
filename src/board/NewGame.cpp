#include "GameBoard.h"

void GameBoard::NewGame()
{
    const Relaying relaying(*this);
    GameOver = FlagNo;
    MaxColors->show();
    Maxpositions->show();
    Label1->show();
    Label2->show();
    FailText->hide();
    CongText->hide();
    for (Integer t = 0; t < game::Tries; ++t) {
        NoCorCol(t).hide();
        NoCorpos(t).hide();
    }
    CurrentTry = 0;
    layFirstRow();
    GuessComplete->setTop(Guessed(0).Top());
    ShufflePalette();
    MakeSecretCode();
    GuessComplete->setToolTipText(QString());
    announce(tr("new game: %1 colors, %2 positions").arg(MaxColour + 1).arg(positions()), true);
}

void GameBoard::layFirstRow()
{
    // From here on a step that cannot be done is passed over.
    Guessed.unloadFrom(1);
    RowFirst = 0;
    RowLast = MaxPosition;
    const tk::Image& first = Guessed(0);
    layEmptyRow(0, MaxPosition, first.Left(), first.Top());
    GuessComplete->setLeft(Guessed(MaxPosition).Left() + 1.5f * first.Width());
}

void GameBoard::layEmptyRow(Integer first, Integer last, float left, float top)
{
    for (Integer k = first; k <= last; ++k) {
        Guessed.load(k);  // slot 0 is always there
        tk::Image& slot = Guessed(k);
        // Laid out before it is shown, so that it is drawn once, in place.
        slot.setPicture(Blank->picture());
        slot.setBounds(left + float(k - first) * game::SlotSize, top, game::SlotSize, game::SlotSize);
        slot.setTag(game::EmptyTag);
        slot.show();
        slot.bringToFront();
    }
}

void GameBoard::fillSlot(tk::Image& slot, const tk::Picture& picture, const QString& tag)
{
    slot.setPicture(picture);
    slot.setSize(game::SlotSize, game::SlotSize);
    slot.setTag(tag);
}

void GameBoard::emptySlot(tk::Image& slot)
{
    fillSlot(slot, Blank->picture(), game::EmptyTag);
}
