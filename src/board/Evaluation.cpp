#include "GameBoard.h"

#include "basics/Tags.h"
#include "game/Scoring.h"

void GameBoard::GuessComplete_Click()
{
    const Colours guess = currentTry();
    if (game::lowestEmpty(guess) >= 0) {
        announce(tr("try %1 of %2 is not complete").arg(CurrentTry + 1).arg(MaxTry + 1));
        return;
    }
    const Relaying relaying(*this);
    const Integer P = positions();
    const game::Score score = game::scoreTry(guess, code());
    NoCorCol(CurrentTry).setCaption(tags::digits(score.colours));
    NoCorpos(CurrentTry).setCaption(tags::digits(score.positions));
    NoCorCol(CurrentTry).show();
    NoCorpos(CurrentTry).show();
    const QString sentence = game::feedbackSentence(score, P);
    GuessComplete->setToolTipText(sentence);
    QString heard = scoreName(CurrentTry) + QStringLiteral(". ") + sentence;

    switch (game::outcomeOf(score, P, CurrentTry, MaxTry)) {
    case game::TryOutcome::Won:
        endGame(CongText);
        heard += QStringLiteral(". ") + tr("You have won.") + u' ' + codeSpoken();
        break;
    case game::TryOutcome::Lost:
        endGame(FailText);
        GuessComplete->hide();
        heard += QStringLiteral(". ") + tr("That was the last try.") + u' ' + codeSpoken();
        break;
    case game::TryOutcome::Next:
        CurrentTry = Integer(CurrentTry + 1);
        RowFirst = Integer(RowFirst + P);
        RowLast = Integer(RowLast + P);
        // Every row a slot's height below the last, whatever size slot 0 has been left at.
        const tk::Image& above = Guessed(Integer(RowFirst - P));
        layEmptyRow(RowFirst, RowLast, above.Left(), above.Top() + game::RowPitch);
        GuessComplete->setTop(GuessComplete->Top() + game::RowPitch);
        break;
    }
    announce(heard);
}
