#include "GameBoard.h"

#include "toolkit/Tags.h"

#include <algorithm>

void GameBoard::MaxColors_MouseUp(Integer Button, Integer, float, float)
{
    if (GameOver == FlagYes)
        return;
    int n = tk::val(MaxColors->caption());
    if (Button == tk::LeftButton)
        ++n;
    if (Button == tk::RightButton)
        --n;
    // Never fewer colours than positions: every code must be winnable.
    n = std::clamp(n, std::max(6, int(positions())), 16);
    MaxColors->setCaption(tk::digits(n));
    ShufflePalette();
    for (Integer i = 0; i < 16; ++i)
        Picture1(ColourOrder[std::size_t(i)]).setVisible(i <= n - 1);
    MaxColour = Integer(n - 1);
    MakeSecretCode();
}

void GameBoard::Maxpositions_MouseUp(Integer Button, Integer, float, float)
{
    if (GameOver == FlagYes)
        return;
    int p = tk::val(Maxpositions->caption());
    if (Button == tk::LeftButton)
        ++p;
    if (Button == tk::RightButton)
        --p;
    // Never more positions than colours in play.
    p = std::clamp(p, 3, std::min(7, MaxColour + 1));
    Maxpositions->setCaption(tk::digits(p));
    for (Integer k = 1; k <= 7; ++k)
        Guessed.unload(k);
    MaxPosition = Integer(p - 1);
    Guessed(0).setSize(360, 360);
    for (Integer k = 1; k <= MaxPosition; ++k) {
        Guessed.load(k);
        tk::Image& slot = Guessed(k);
        slot.setBounds(Guessed(k - 1).Left() + 360, Guessed(0).Top(), 360, 360);
    }
    for (Integer k = 0; k <= MaxPosition; ++k) {
        Guessed(k).setTag(QStringLiteral("-1"));
        Guessed(k).show();
    }
    RowFirst = 0;
    RowLast = MaxPosition;
    GuessComplete->setLeft(Guessed(MaxPosition).Left() + 1.5f * Guessed(0).Width());
    MakeSecretCode();
}
