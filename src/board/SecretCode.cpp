#include "GameBoard.h"

#include "basics/Random.h"
#include "basics/Tags.h"
#include "game/Shuffle.h"

void GameBoard::ShufflePalette()
{
    game::shufflePaletteOrder(ColourOrder, randomSource(), timer);
    const float x0 = Guessed(0).Left();
    const float w = Picture1(0).Width();
    // The row in its new order, the colours in play shown; each colour is
    // shown or hidden once, not hidden first and shown again.
    for (Integer k = 0; k < game::PaletteColours; ++k) {
        tk::Image& colour = Picture1(ColourOrder[std::size_t(k)]);
        colour.setLeft(x0 + float(k) * w);
        colour.setVisible(k <= MaxColour);
    }
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
