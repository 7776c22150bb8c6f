#pragma once
#include <QString>

namespace tk {

// Why no window could be shown here, or an empty text when a display looks
// reachable. Decided before Qt is asked, so that the player gets one clear
// line instead of a plugin abort.
QString missingDisplay(int argc, char* argv[]);

// Until the application object exists, Qt's fatal start-up errors become one
// line on stderr and exit status 1, without a core dump.
void guardStartup();
void endStartupGuard();

} // namespace tk
