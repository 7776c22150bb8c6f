#include "GameBoard.h"

#include "game/Scoring.h"
#include "toolkit/Tags.h"

#include <vector>

void GameBoard::GuessComplete_Click()
{
    for (Integer k = RowFirst; k <= RowLast; ++k)
        if (!Guessed.exists(k) || Guessed(k).Tag() == u"-1")
            return;

    const Integer P = positions();
    std::vector<int> guess, code;
    for (Integer k = RowFirst; k <= RowLast; ++k)
        guess.push_back(tk::val(Guessed(k).Tag()));
    for (Integer j = 0; j <= MaxPosition; ++j)
        code.push_back(tk::val(answer(j).Tag()));
    const Score score = scoreTry(guess, code);

    NoCorCol(CurrentTry).setCaption(tk::digits(score.colours));
    NoCorpos(CurrentTry).setCaption(tk::digits(score.positions));
    NoCorCol(CurrentTry).show();
    NoCorpos(CurrentTry).show();
    GuessComplete->setToolTipText(feedbackSentence(score.colours, score.positions, P));

    if (score.positions == P) {  // tested first: a right tenth try wins
        CongText->show();
        for (Integer p = 0; p <= MaxPosition; ++p)
            answer(p).show();
        GameOver = FlagYes;
        return;
    }
    if (CurrentTry == MaxTry) {
        for (Integer p = 0; p <= MaxPosition; ++p)
            answer(p).show();
        GuessComplete->hide();
        FailText->show();
        GameOver = FlagYes;
        return;
    }

    CurrentTry = Integer(CurrentTry + 1);
    RowFirst = Integer(RowFirst + P);
    RowLast = Integer(RowLast + P);
    const float rowHeight = Guessed(0).Height();
    for (Integer k = RowFirst; k <= RowLast; ++k) {
        Guessed.load(k);
        tk::Image& slot = Guessed(k);
        const tk::Image& above = Guessed(Integer(k - P));
        slot.setPicture(Blank->picture());
        slot.setTag(QStringLiteral("-1"));
        // Laid out before it is shown, so that it is drawn once, in place.
        slot.setBounds(above.Left(), above.Top() + rowHeight, 360, 360);
        slot.show();
        slot.bringToFront();
    }
    GuessComplete->setTop(GuessComplete->Top() + rowHeight);
}
