#include "GameBoard.h"

#include "basics/Tags.h"
#include "game/Sizes.h"

namespace {
game::Step stepOf(Integer Button)
{
    return Button == tk::LeftButton ? game::Step::Up : Button == tk::RightButton ? game::Step::Down : game::Step::None;
}
} // namespace

void GameBoard::MaxColors_MouseUp(Integer Button, Integer, float, float)
{
    if (GameOver == FlagYes)
        return;
    const Relaying relaying(*this);
    const int n = game::coloursAfter(tags::val(MaxColors->caption()), stepOf(Button), positions());
    MaxColors->setCaption(tags::digits(n));
    ShufflePalette();
    for (Integer i = 0; i < game::PaletteColours; ++i)
        Picture1(ColourOrder[std::size_t(i)]).setVisible(i <= n - 1);
    MaxColour = Integer(n - 1);
    MakeSecretCode();
    announce(tr("%n colors, shuffled", nullptr, n), true);
}

void GameBoard::Maxpositions_MouseUp(Integer Button, Integer, float, float)
{
    if (GameOver == FlagYes)
        return;
    const Relaying relaying(*this);
    const int p = game::positionsAfter(tags::val(Maxpositions->caption()), stepOf(Button), MaxColour + 1);
    Maxpositions->setCaption(tags::digits(p));
    MaxPosition = Integer(p - 1);
    layFirstRow();
    MakeSecretCode();
    announce(tr("%n positions", nullptr, p), true);
}
