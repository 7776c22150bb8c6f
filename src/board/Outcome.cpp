#include "GameBoard.h"

void GameBoard::Giveup_Click()
{
    if (GameOver == FlagYes)
        return;
    for (Integer p = 0; p <= MaxPosition; ++p)
        answer(p).show();
    GuessComplete->hide();
    GuessComplete->setToolTipText(QString());
    FailText->show();
    GameOver = FlagYes;
}

void GameBoard::CongText_Click()
{
    NewGame();
}

void GameBoard::FailText_Click()
{
    NewGame();
}
