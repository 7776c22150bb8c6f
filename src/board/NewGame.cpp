#include "GameBoard.h"

#include "toolkit/Tags.h"

void GameBoard::NewGame()
{
    GameOver = FlagNo;
    MaxColors->show();
    Maxpositions->show();
    Label1->show();
    Label2->show();
    FailText->hide();
    CongText->hide();
    for (Integer t = 0; t <= 9; ++t) {
        NoCorCol(t).hide();
        NoCorpos(t).hide();
    }
    CurrentTry = 0;
    RowFirst = 0;
    RowLast = MaxPosition;

    // From here on a step that cannot be done is passed over.
    const Integer last = Guessed.ubound();
    for (Integer k = 1; k <= last; ++k)
        Guessed.unload(k);

    tk::Image& first = Guessed(0);
    first.setPicture(Blank->picture());
    first.setSize(360, 360);
    GuessComplete->setTop(first.Top());

    for (Integer k = 1; k <= MaxPosition; ++k) {
        Guessed.load(k);
        tk::Image& slot = Guessed(k);
        slot.setPicture(Blank->picture());
        slot.setBounds(Guessed(k - 1).Left() + 360, first.Top(), 360, 360);
        slot.bringToFront();
    }
    for (Integer k = 0; k <= MaxPosition; ++k) {
        Guessed(k).setTag(QStringLiteral("-1"));
        Guessed(k).show();
    }
    ShufflePalette();
    MakeSecretCode();
    GuessComplete->setLeft(Guessed(MaxPosition).Left() + 1.5f * first.Width());
    GuessComplete->setToolTipText(QString());
}
