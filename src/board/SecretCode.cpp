#include "GameBoard.h"

#include "game/Shuffle.h"
#include "toolkit/Random.h"
#include "toolkit/Tags.h"

void GameBoard::ShufflePalette()
{
    shufflePaletteOrder(ColourOrder, tk::randomSource(), tk::timer);
    for (Integer i = 0; i < 16; ++i)
        Picture1(i).hide();
    const float x0 = Guessed(0).Left();
    const float w = Picture1(0).Width();
    for (Integer k = 0; k < 16; ++k)
        Picture1(ColourOrder[std::size_t(k)]).setLeft(x0 + float(k) * w);
    for (Integer k = 0; k <= MaxColour; ++k)
        Picture1(ColourOrder[std::size_t(k)]).show();
}

void GameBoard::MakeSecretCode()
{
    for (Integer i = 0; i <= MaxColour; ++i)
        CodeColours[std::size_t(i)] = ColourOrder[std::size_t(i)];
    ShuffleCodeColours(MaxColour);
    for (Integer p = 0; p <= 7; ++p)
        answer(p).hide();
    for (Integer p = 0; p <= MaxPosition; ++p) {
        const Integer c = CodeColours[std::size_t(p)];
        answer(p).setPicture(Picture1(c).picture());
        answer(p).setTag(tk::blankLed(c));
    }
}

void GameBoard::ShuffleCodeColours(Integer n)
{
    shuffleCodeColours(CodeColours, n, tk::randomSource(), tk::timer);
}
