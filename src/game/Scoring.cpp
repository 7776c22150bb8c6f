#include "Scoring.h"

#include "basics/Tags.h"

namespace game {

Score scoreTry(std::span<const int> guess, std::span<const int> code)
{
    Score s;
    for (int g : guess)
        for (int c : code)
            s.colours += g == c;
    for (std::size_t k = 0; k < guess.size() && k < code.size(); ++k)
        s.positions += guess[k] == code[k];
    return s;
}

QString feedbackSentence(Score score, int P)
{
    const int colours = score.colours, positions = score.positions;
    // A count of 2 or more brings its own leading blank, so "try" is followed
    // by two blanks there and by one before "only".
    const QString colourPart = colours == 1 ? QStringLiteral("only one color was correct")
                                            : tags::blankLed(colours) + QStringLiteral(" colors were correct");
    const QString positionPart = positions == 1
        ? QStringLiteral(", and only one was in correct position also")
        : QStringLiteral(", and") + tags::blankLed(positions) + QStringLiteral(" were in correct position also");

    if (colours == 0)
        return QStringLiteral("in previous try none of the colors were correct");
    if (colours == P && positions == 0)
        return QStringLiteral("all colors are correct, now rearrange these to find correct positions");
    if (colours == P)
        return QStringLiteral("all colors are correct") + positionPart;
    if (positions == 0)
        return QStringLiteral("in previous try ") + colourPart + QStringLiteral(", and none was in correct position");
    return QStringLiteral("in previous try ") + colourPart + positionPart;
}

TryOutcome outcomeOf(Score score, int P, int currentTry, int lastTry)
{
    if (score.positions == P)
        return TryOutcome::Won;
    return currentTry == lastTry ? TryOutcome::Lost : TryOutcome::Next;
}

} // namespace game
