#pragma once

namespace tk {

// Gives the toolkit's windows and controls their own interfaces for
// assistive technology: roles, names asked of describe, the actions listed
// in Placed::actions, and each window's client area read in its own order.
// Installed once, by the first window made.
void installAccessibleInterfaces();

} // namespace tk
