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
// exit status 1, without a core dump.
void guardStartup();
void endStartupGuard();

} // namespace tk
