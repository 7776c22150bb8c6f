#pragma once
#include <QString>

namespace tk {

// The folder that holds the program file, ending in "/" only at the root.
QString appPath();

} // namespace tk
