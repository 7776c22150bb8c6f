#include "ProgramFolder.h"

#include <QCoreApplication>

namespace tk {

QString appPath()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace tk
