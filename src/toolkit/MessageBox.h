#pragma once
#include <QString>

namespace tk {

// A modal question with Yes and No, Yes the default, no icon. True for Yes;
// Esc and closing the box answer No.
bool askYesNo(const QString& prompt, const QString& title);

} // namespace tk
