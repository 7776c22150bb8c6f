#pragma once
#include "basics/Integer.h"

#include <QString>

namespace tk {

inline constexpr Integer vbYesNo = 4;
inline constexpr Integer vbYes = 6;
inline constexpr Integer vbNo = 7;

// A modal question with Yes and No, Yes the default, no icon. Returns
// vbYes or vbNo; closing the box answers No.
Integer msgBox(const QString& prompt, const QString& title);

} // namespace tk
