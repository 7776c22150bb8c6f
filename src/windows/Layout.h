#pragma once
#include "toolkit/Colour.h"
#include "toolkit/Font.h"
#include "toolkit/Form.h"

#include <optional>
#include <span>

// A window described as data: one row per control. The builder makes the
// widgets from it when the window loads; nothing here holds logic.
namespace layout {

enum class Kind { Panel, Label, Button, Image, ImageRow, Line, TextBox, PictureBox, Browser };
enum class Align { Left, Centre };

struct Control {
    Kind kind;
    const char* name;
    int index = -1;  // -1: not part of a control array
    // A line gives its ends instead: left/top = (X1, Y1), width/height = (X2, Y2).
    float left = 0, top = 0, width = 0, height = 0;
    const char* caption = "";  // English; the builder shows it in the language in use
    std::optional<tk::FontDesign> font = {};  // the window's font when empty
    std::optional<tk::Colour> fore = {}, back = {};
    bool graphical = false;
    const char* picture = nullptr;  // a resource path
    bool visible = true;
    Align align = Align::Left;
};

struct MenuItem {
    int level;  // 0: on the menu bar, 1: an item of the last menu
    const char* name;
    const char* caption;  // "-" draws a separator; translated as the control captions are
    char mnemonic = 0;    // the letter Alt opens it with, where a translation marks none with '&'
    const char* shortcut = nullptr;  // a key that chooses it, "F1"
    bool checkable = false;          // an item that is on or off, shown with a tick
};

struct Window {
    const char* name;
    const char* caption;
    tk::FormStyle style;
    tk::FontDesign font;
    const char* icon;
    std::span<const Control> controls;
    std::span<const MenuItem> menu;
    std::span<const char* const> tabOrder;
};

} // namespace layout
