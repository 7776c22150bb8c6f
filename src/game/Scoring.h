#pragma once
#include <QString>
#include <span>

namespace game {

// Scoring of one try against the code, position by position.
struct Score {
    int colours = 0;    // every match of a guessed colour with a code peg
    int positions = 0;  // guessed colours at their own position
};

Score scoreTry(std::span<const int> guess, std::span<const int> code);

// The sentence the player reads about the try just scored, with P positions in play.
QString feedbackSentence(Score score, int P);

} // namespace game
