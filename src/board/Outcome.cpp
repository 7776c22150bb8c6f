#include "GameBoard.h"

void GameBoard::endGame(tk::CommandButton* outcome)
{
    // The last try can still be scored after the end: never both buttons.
    outcome->show();
    (outcome == CongText ? FailText : CongText)->hide();
    for (Integer p = 0; p <= MaxPosition; ++p)
        answer(p).show();
    GameOver = FlagYes;
    // The keyboard goes where the next game starts: no key left on OK re-scores the try.
    outcome->setFocus(Qt::OtherFocusReason);
}

void GameBoard::Giveup_Click()
{
    if (GameOver == FlagYes)
        return;
    const Relaying relaying(*this);
    endGame(FailText);
    GuessComplete->hide();
    GuessComplete->setToolTipText(QString());
    announce(tr("You gave up.") + u' ' + codeSpoken());
}

void GameBoard::CongText_Click()
{
    NewGame();
}

void GameBoard::FailText_Click()
{
    NewGame();
}
