#pragma once
#include "Layout.h"

#include <QHash>

class QAction;
namespace tk { class Form; }

// Makes a window's controls and menu from its layout; every control is
// named "Name" or "Name(i)".
namespace layout {

struct Built {
    QHash<QString, QAction*> menu;  // menu items by name
};

Built build(tk::Form& form, const Window& window);

QString controlName(const char* name, int index);

} // namespace layout
