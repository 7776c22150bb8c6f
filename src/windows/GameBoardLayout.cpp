#include "GameBoardLayout.h"
#include "Pictures.h"

// The game board as designed, before any game code runs. Positions and sizes
// in twips; rows in drawing order, back to front.
namespace {

using K = layout::Kind;
using layout::Align;

constexpr tk::FontDesign Arial975Bold{"Arial", 9.75f, 700};
constexpr tk::Colour White = tk::rgb(255, 255, 255);
constexpr tk::Colour Black = tk::rgb(0, 0, 0);
constexpr tk::Colour Green = tk::rgb(0, 255, 0);
constexpr tk::Colour Red = tk::rgb(255, 0, 0);

const layout::Control controls[] = {
    // Panels first: they lie beneath everything else of their region.
    {.kind = K::Panel, .name = "Frame1", .left = 1680, .top = 90, .width = 6135, .height = 1005},
    {.kind = K::Panel, .name = "Frame2", .left = 1710, .top = 1710, .width = 3555, .height = 3945},
    {.kind = K::Panel, .name = "Frame3", .left = 1710, .top = 5730, .width = 3555, .height = 825},
    {.kind = K::Panel, .name = "Frame4", .left = 30, .top = 1710, .width = 1545, .height = 3945},
    // Separators of the ten score rows; the index order is not the top-to-bottom order.
    {.kind = K::Line, .name = "Line2", .index = 0, .left = 120, .top = 1890, .width = 1440, .height = 1890, .fore = tk::ButtonShadow},
    {.kind = K::Line, .name = "Line2", .index = 1, .left = 120, .top = 2250, .width = 1440, .height = 2250, .fore = tk::ButtonShadow},
    {.kind = K::Line, .name = "Line2", .index = 2, .left = 120, .top = 2985, .width = 1440, .height = 2985, .fore = tk::ButtonShadow},
    {.kind = K::Line, .name = "Line2", .index = 3, .left = 120, .top = 2610, .width = 1440, .height = 2610, .fore = tk::ButtonShadow},
    {.kind = K::Line, .name = "Line2", .index = 4, .left = 120, .top = 3345, .width = 1440, .height = 3345, .fore = tk::ButtonShadow},
    {.kind = K::Line, .name = "Line2", .index = 5, .left = 120, .top = 3705, .width = 1440, .height = 3705, .fore = tk::ButtonShadow},
    {.kind = K::Line, .name = "Line2", .index = 6, .left = 120, .top = 4425, .width = 1440, .height = 4425, .fore = tk::ButtonShadow},
    {.kind = K::Line, .name = "Line2", .index = 7, .left = 120, .top = 4065, .width = 1440, .height = 4065, .fore = tk::ButtonShadow},
    {.kind = K::Line, .name = "Line2", .index = 8, .left = 120, .top = 5160, .width = 1440, .height = 5160, .fore = tk::ButtonShadow},
    {.kind = K::Line, .name = "Line2", .index = 9, .left = 120, .top = 4800, .width = 1440, .height = 4800, .fore = tk::ButtonShadow},
    {.kind = K::Line, .name = "Line2", .index = 10, .left = 120, .top = 5520, .width = 1440, .height = 5520, .fore = tk::ButtonShadow},
    {.kind = K::Label, .name = boardNames::PaletteHeading, .left = 1890, .top = 240, .width = 2925, .height = 255, .caption = QT_TRANSLATE_NOOP("GameBoard", "PICK COLORS FROM HERE")},
    {.kind = K::Label, .name = boardNames::ColoursWord, .left = 540, .top = 270, .width = 915, .height = 255, .caption = QT_TRANSLATE_NOOP("GameBoard", "COLORS")},
    {.kind = K::Label, .name = boardNames::PositionsWord, .left = 540, .top = 640, .width = 1095, .height = 255, .caption = QT_TRANSLATE_NOOP("GameBoard", "POSITIONS")},
    {.kind = K::Label, .name = boardNames::ScoresHeading, .left = 270, .top = 1170, .width = 1155, .height = 225, .caption = QT_TRANSLATE_NOOP("GameBoard", "CORRECT"), .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::TriesHeading, .left = 1890, .top = 1380, .width = 2925, .height = 255, .caption = QT_TRANSLATE_NOOP("GameBoard", "PLACE YOUR GUESS HERE")},
    {.kind = K::Label, .name = boardNames::AnswerHeading, .left = 3000, .top = 5790, .width = 1005, .height = 255, .caption = QT_TRANSLATE_NOOP("GameBoard", "ANSWER")},
    {.kind = K::Label, .name = boardNames::ScoreColumnsHeading, .index = 3, .left = 120, .top = 1440, .width = 1395, .height = 225, .caption = QT_TRANSLATE_NOOP("GameBoard", "colors  positions")},
    {.kind = K::Label, .name = boardNames::ColourScore, .index = 0, .left = 180, .top = 1950, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::ColourScore, .index = 1, .left = 180, .top = 2310, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::ColourScore, .index = 2, .left = 180, .top = 2670, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::ColourScore, .index = 3, .left = 180, .top = 3045, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::ColourScore, .index = 4, .left = 180, .top = 3405, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::ColourScore, .index = 5, .left = 180, .top = 3765, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::ColourScore, .index = 6, .left = 180, .top = 4125, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::ColourScore, .index = 7, .left = 180, .top = 4485, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::ColourScore, .index = 8, .left = 180, .top = 4860, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::ColourScore, .index = 9, .left = 180, .top = 5220, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::PositionScore, .index = 0, .left = 930, .top = 1950, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::PositionScore, .index = 1, .left = 930, .top = 2310, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::PositionScore, .index = 2, .left = 930, .top = 2670, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::PositionScore, .index = 3, .left = 930, .top = 3045, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::PositionScore, .index = 4, .left = 930, .top = 3405, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::PositionScore, .index = 5, .left = 930, .top = 3765, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::PositionScore, .index = 6, .left = 930, .top = 4125, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::PositionScore, .index = 7, .left = 930, .top = 4485, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::PositionScore, .index = 8, .left = 930, .top = 4860, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Label, .name = boardNames::PositionScore, .index = 9, .left = 930, .top = 5220, .width = 405, .height = 270, .caption = "99", .font = Arial975Bold, .fore = White, .back = Black, .visible = false, .align = Align::Centre},
    {.kind = K::Image, .name = boardNames::Palette, .index = 0, .left = 1890, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[0], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 1, .left = 2250, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[1], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 2, .left = 2610, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[2], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 3, .left = 2970, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[3], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 4, .left = 3330, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[4], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 5, .left = 3720, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[5], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 6, .left = 4050, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[6], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 7, .left = 4410, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[7], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 8, .left = 4770, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[8], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 9, .left = 5130, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[9], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 10, .left = 5490, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[10], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 11, .left = 5850, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[11], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 12, .left = 6210, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[12], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 13, .left = 6600, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[13], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 14, .left = 6930, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[14], .visible = false},
    {.kind = K::Image, .name = boardNames::Palette, .index = 15, .left = 7260, .top = 570, .width = 480, .height = 480, .picture = pictures::Pegs[15], .visible = false},
    {.kind = K::Image, .name = boardNames::Slot, .index = 0, .left = 1860, .top = 1920, .width = 480, .height = 480, .picture = pictures::Empty},
    {.kind = K::Image, .name = boardNames::Answer, .index = 0, .left = 1830, .top = 6060, .width = 480, .height = 480, .picture = pictures::Empty},
    {.kind = K::Image, .name = boardNames::Answer, .index = 1, .left = 2190, .top = 6060, .width = 480, .height = 480, .picture = pictures::Empty},
    {.kind = K::Image, .name = boardNames::Answer, .index = 2, .left = 2550, .top = 6060, .width = 480, .height = 480, .picture = pictures::Empty},
    {.kind = K::Image, .name = boardNames::Answer, .index = 3, .left = 2910, .top = 6060, .width = 480, .height = 480, .picture = pictures::Empty},
    {.kind = K::Image, .name = boardNames::Answer, .index = 4, .left = 3270, .top = 6060, .width = 480, .height = 480, .picture = pictures::Empty},
    {.kind = K::Image, .name = boardNames::Answer, .index = 5, .left = 3630, .top = 6060, .width = 480, .height = 480, .picture = pictures::Empty},
    {.kind = K::Image, .name = boardNames::Answer, .index = 6, .left = 3990, .top = 6060, .width = 480, .height = 480, .picture = pictures::Empty},
    {.kind = K::Image, .name = boardNames::Answer, .index = 7, .left = 4350, .top = 6060, .width = 480, .height = 480, .picture = pictures::Empty},
    {.kind = K::Image, .name = boardNames::DragImage, .left = 5760, .top = 2460, .width = 480, .height = 480, .picture = pictures::Pegs[0], .visible = false},
    {.kind = K::Button, .name = boardNames::ColourSelector, .left = 90, .top = 240, .width = 400, .height = 320, .caption = "16"},
    {.kind = K::Button, .name = boardNames::PositionSelector, .left = 90, .top = 600, .width = 400, .height = 320, .caption = "7"},
    {.kind = K::Button, .name = boardNames::HandInButton, .left = 2250, .top = 1920, .width = 495, .height = 315, .caption = QT_TRANSLATE_NOOP("GameBoard", "OK"), .font = tk::SansRegular, .visible = false},
    {.kind = K::Button, .name = boardNames::WonButton, .left = 90, .top = 5730, .width = 1485, .height = 855, .caption = QT_TRANSLATE_NOOP("GameBoard", "  WELL DONE    click here for another go"), .back = Green, .graphical = true},
    {.kind = K::Button, .name = boardNames::LostButton, .left = 90, .top = 5730, .width = 1485, .height = 855, .caption = QT_TRANSLATE_NOOP("GameBoard", "click here to try again"), .back = Red, .graphical = true},
};

const layout::MenuItem menu[] = {
    // A translation chooses its own letter for Alt with an '&'.
    {0, boardNames::GameMenu, QT_TRANSLATE_NOOP("GameBoard", "Game"), 'G'},
    {1, boardNames::GiveUpItem, QT_TRANSLATE_NOOP("GameBoard", "Giveup")},
    {1, boardNames::AboutItem, QT_TRANSLATE_NOOP("GameBoard", "About")},
    {1, boardNames::HelpItem, QT_TRANSLATE_NOOP("GameBoard", "Help"), 0, "F1"},
    {1, boardNames::MarksItem, QT_TRANSLATE_NOOP("GameBoard", "Color marks"), 'm', "M", true},
    {1, boardNames::DeductionsItem, QT_TRANSLATE_NOOP("GameBoard", "Deductions"), 'D', "D"},
    {1, "dash1", "-"},
    {1, boardNames::ExitItem, QT_TRANSLATE_NOOP("GameBoard", "Exit")},
};

const char* const tabOrder[] = {boardNames::PositionSelector, boardNames::HandInButton, boardNames::ColourSelector,
                                boardNames::LostButton, boardNames::WonButton};

} // namespace

const layout::Window& gameBoardLayout()
{
    static const layout::Window window{"GameBoard", "Quorvane v1.0", {7875, 6630, tk::Sizing::Scalable, tk::WindowRole::Main},
                                       tk::SansBold, pictures::BoardIcon, controls, menu, tabOrder};
    return window;
}
