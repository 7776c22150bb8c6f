#include "Scoring.h"

#include <QCoreApplication>

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
    // The English has two blanks before a count of colours and one before a
    // count of positions; each translation spaces its sentences its own way.
    const QString colourPart = colours == 1
        ? QCoreApplication::translate("Scoring", "in previous try only one color was correct")
        : QCoreApplication::translate("Scoring", "in previous try  %n colors were correct", nullptr, colours);
    const QString positionPart = positions == 1
        ? QCoreApplication::translate("Scoring", ", and only one was in correct position also")
        : QCoreApplication::translate("Scoring", ", and %n were in correct position also", nullptr, positions);

    if (colours == 0)
        return QCoreApplication::translate("Scoring", "in previous try none of the colors were correct");
    if (colours == P && positions == 0)
        return QCoreApplication::translate("Scoring", "all colors are correct, now rearrange these to find correct positions");
    if (colours == P)
        return QCoreApplication::translate("Scoring", "all colors are correct") + positionPart;
    if (positions == 0)
        return colourPart + QCoreApplication::translate("Scoring", ", and none was in correct position");
    return colourPart + positionPart;
}

} // namespace game
