#pragma once
#include <QString>

namespace tk {

// Why no window could be shown here, naming the display that cannot be
// opened, or an empty text when one looks reachable; then Qt is left only
// the displays that may answer. Decided before Qt is asked, so that the
// player gets one clear line instead of a plugin abort.
QString missingDisplay(int argc, char* argv[]);

// Until the application object exists, Qt's fatal start-up errors become one
// line on stderr, naming the display missingDisplay found reachable, and
// exit status 1, without a core dump. The end also lets go of the X
// server missingDisplay asked, once Qt has its own connection.
void guardStartup();
void endStartupGuard();

// Qt's Wayland client (6.4) loads an OpenGL driver at the first window it
// shows, Mesa's EGL with its DRI driver and LLVM, over 50 MiB resident and
// twice the start-up CPU, only to learn whether it may draw its own window
// decorations. Nothing here draws with OpenGL, so unless the player chose
// otherwise (any of Qt's Wayland decoration or buffer variables set), Qt
// draws none: where the compositor draws the frame nothing changes, and
// where it leaves the frame to its clients the window has none. Call before
// the application object exists.
void keepOpenGLUnloaded();

} // namespace tk
