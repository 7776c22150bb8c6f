#pragma once
#include <QString>
#include <span>

// Scoring of one try against the code, position by position.
struct Score {
    int colours = 0;    // every match of a guessed colour with a code peg
    int positions = 0;  // guessed colours at their own position
};

Score scoreTry(std::span<const int> guess, std::span<const int> code);

// The sentence the player reads about the try just scored; positionCount of
// the code is the number of positions in play.
QString feedbackSentence(int colours, int positions, int positionCount);
