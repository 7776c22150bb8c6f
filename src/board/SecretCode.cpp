#include "GameBoard.h"

#include "basics/Random.h"
#include "basics/Tags.h"
#include "game/Shuffle.h"

void GameBoard::ShufflePalette()
{
    game::shufflePaletteOrder(ColourOrder, randomSource(), timer);
    for (Integer i = 0; i < game::PaletteColours; ++i)
        Picture1(i).hide();
    const float x0 = Guessed(0).Left();
    const float w = Picture1(0).Width();
    for (Integer k = 0; k < game::PaletteColours; ++k)
        Picture1(ColourOrder[std::size_t(k)]).setLeft(x0 + float(k) * w);
    for (Integer k = 0; k <= MaxColour; ++k)
        Picture1(ColourOrder[std::size_t(k)]).show();
}

void GameBoard::MakeSecretCode()
{
    for (Integer i = 0; i <= MaxColour; ++i)
        CodeColours[std::size_t(i)] = ColourOrder[std::size_t(i)];
    ShuffleCodeColours(MaxColour);
    for (Integer p = 0; p < game::CodePegs; ++p)
        answer(p).hide();
    for (Integer p = 0; p <= MaxPosition; ++p) {
        const Integer c = CodeColours[std::size_t(p)];
        answer(p).setPicture(Picture1(c).picture());
        answer(p).setTag(tags::blankLed(c));
    }
}

void GameBoard::ShuffleCodeColours(Integer n)
{
    game::shuffleCodeColours(CodeColours, n, randomSource(), timer);
}
