#include "SideWindowLayouts.h"
#include "Pictures.h"

namespace {

using K = layout::Kind;
using layout::Align;

constexpr tk::FontDesign Arial825{"Arial", 8.25f, 400};

const layout::Control aboutControls[] = {
    {.kind = K::TextBox, .name = aboutNames::Text, .left = 30, .top = 30, .width = 4755, .height = 1455,
     .caption = QT_TRANSLATE_NOOP("AboutForm", "\n\nQuorvane - July 2004\nby Zadrel\nemail quorvane@example.org\n"), .align = Align::Centre},
    {.kind = K::PictureBox, .name = "Picture1", .left = 4860, .top = 30, .width = 510, .height = 480,
     .picture = pictures::AboutIcon},
    {.kind = K::Button, .name = aboutNames::Ok, .left = 2130, .top = 1980, .width = 510, .height = 315, .caption = QT_TRANSLATE_NOOP("AboutForm", "OK")},
    {.kind = K::Label, .name = "Label1", .left = 450, .top = 1560, .width = 4095, .height = 315, .caption = QT_TRANSLATE_NOOP("AboutForm", "Version 1.0"),
     .fore = tk::rgb(255, 255, 255), .back = tk::rgb(0, 0, 0), .align = Align::Centre},
};
const char* const aboutTabOrder[] = {aboutNames::Ok, "Picture1", aboutNames::Text, "Label1"};

const layout::Control helpControls[] = {
    {.kind = K::Browser, .name = helpNames::Browser, .left = 30, .top = 420, .width = 7110, .height = 5460},
    {.kind = K::Button, .name = helpNames::Back, .left = 60, .top = 30, .width = 1095, .height = 375, .caption = QT_TRANSLATE_NOOP("HelpForm", "Back"), .font = Arial825},
    {.kind = K::Button, .name = helpNames::Forward, .left = 1155, .top = 30, .width = 1095, .height = 375, .caption = QT_TRANSLATE_NOOP("HelpForm", "Forward"), .font = Arial825},
    {.kind = K::Button, .name = helpNames::Exit, .left = 2250, .top = 30, .width = 1095, .height = 375, .caption = QT_TRANSLATE_NOOP("HelpForm", "Exit"), .font = Arial825},
};
const char* const helpTabOrder[] = {helpNames::Browser, helpNames::Back, helpNames::Forward, helpNames::Exit};

// What the scores seen so far leave possible: sentences at the top, then the
// colours in three rows of pegs and each position's row, the button last.
const layout::Control deductionControls[] = {
    {.kind = K::Label, .name = deductionNames::Count, .left = 120, .top = 120, .width = 7560, .height = 255, .font = tk::SansBold},
    {.kind = K::Label, .name = deductionNames::Verdict, .left = 120, .top = 450, .width = 7560, .height = 255, .font = tk::SansBold},
    {.kind = K::Label, .name = deductionNames::Reason, .left = 120, .top = 720, .width = 7560, .height = 480},
    {.kind = K::Label, .name = "inCodeWord", .left = 120, .top = 1320, .width = 1800, .height = 255, .caption = QT_TRANSLATE_NOOP("DeductionsWindow", "In the code:"), .font = tk::SansBold},
    {.kind = K::ImageRow, .name = deductionNames::InCode, .left = 1980, .top = 1260, .width = 5760, .height = 360},
    {.kind = K::Label, .name = "notInCodeWord", .left = 120, .top = 1740, .width = 1800, .height = 255, .caption = QT_TRANSLATE_NOOP("DeductionsWindow", "Not in the code:"), .font = tk::SansBold},
    {.kind = K::ImageRow, .name = deductionNames::NotInCode, .left = 1980, .top = 1680, .width = 5760, .height = 360},
    {.kind = K::Label, .name = "openWord", .left = 120, .top = 2160, .width = 1800, .height = 255, .caption = QT_TRANSLATE_NOOP("DeductionsWindow", "Still open:"), .font = tk::SansBold},
    {.kind = K::ImageRow, .name = deductionNames::Open, .left = 1980, .top = 2100, .width = 5760, .height = 360},
    {.kind = K::Label, .name = "positionsHeading", .left = 120, .top = 2640, .width = 7560, .height = 255, .caption = QT_TRANSLATE_NOOP("DeductionsWindow", "Each position can still be:"), .font = tk::SansBold},
    {.kind = K::Label, .name = deductionNames::PositionWord, .index = 0, .left = 120, .top = 2970, .width = 1800, .height = 255},
    {.kind = K::ImageRow, .name = deductionNames::Position, .index = 0, .left = 1980, .top = 2910, .width = 5760, .height = 360},
    {.kind = K::Label, .name = deductionNames::PositionWord, .index = 1, .left = 120, .top = 3360, .width = 1800, .height = 255},
    {.kind = K::ImageRow, .name = deductionNames::Position, .index = 1, .left = 1980, .top = 3300, .width = 5760, .height = 360},
    {.kind = K::Label, .name = deductionNames::PositionWord, .index = 2, .left = 120, .top = 3750, .width = 1800, .height = 255},
    {.kind = K::ImageRow, .name = deductionNames::Position, .index = 2, .left = 1980, .top = 3690, .width = 5760, .height = 360},
    {.kind = K::Label, .name = deductionNames::PositionWord, .index = 3, .left = 120, .top = 4140, .width = 1800, .height = 255},
    {.kind = K::ImageRow, .name = deductionNames::Position, .index = 3, .left = 1980, .top = 4080, .width = 5760, .height = 360},
    {.kind = K::Label, .name = deductionNames::PositionWord, .index = 4, .left = 120, .top = 4530, .width = 1800, .height = 255},
    {.kind = K::ImageRow, .name = deductionNames::Position, .index = 4, .left = 1980, .top = 4470, .width = 5760, .height = 360},
    {.kind = K::Label, .name = deductionNames::PositionWord, .index = 5, .left = 120, .top = 4920, .width = 1800, .height = 255},
    {.kind = K::ImageRow, .name = deductionNames::Position, .index = 5, .left = 1980, .top = 4860, .width = 5760, .height = 360},
    {.kind = K::Label, .name = deductionNames::PositionWord, .index = 6, .left = 120, .top = 5310, .width = 1800, .height = 255},
    {.kind = K::ImageRow, .name = deductionNames::Position, .index = 6, .left = 1980, .top = 5250, .width = 5760, .height = 360},
    {.kind = K::Button, .name = deductionNames::Suggest, .left = 120, .top = 5790, .width = 2160, .height = 375, .caption = QT_TRANSLATE_NOOP("DeductionsWindow", "&Suggest a try")},
    {.kind = K::Label, .name = deductionNames::Note, .left = 2400, .top = 5850, .width = 5280, .height = 255},
};
const char* const deductionTabOrder[] = {deductionNames::Suggest};

} // namespace

const layout::Window& aboutBoxLayout()
{
    static const layout::Window window{"AboutForm", QT_TRANSLATE_NOOP("AboutForm", "About Quorvane"), {5400, 2355, tk::Sizing::Fixed, tk::WindowRole::Dialog},
                                       tk::SansBold, pictures::AboutIcon, aboutControls, {}, aboutTabOrder};
    return window;
}

const layout::Window& helpWindowLayout()
{
    static const layout::Window window{"HelpForm", QT_TRANSLATE_NOOP("HelpForm", "Quorvane Help"), {7185, 5625, tk::Sizing::Sizable, tk::WindowRole::Dialog},
                                       tk::SansRegular, pictures::BoardIcon, helpControls, {}, helpTabOrder};
    return window;
}

const layout::Window& deductionsWindowLayout()
{
    static const layout::Window window{"DeductionsWindow", QT_TRANSLATE_NOOP("DeductionsWindow", "Deductions"), {7800, 6300, tk::Sizing::Fixed, tk::WindowRole::Dialog},
                                       tk::SansRegular, pictures::BoardIcon, deductionControls, {}, deductionTabOrder};
    return window;
}
