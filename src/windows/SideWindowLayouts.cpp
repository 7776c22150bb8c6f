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
