#include "Startup.h"
#include "Language.h"

#include <QByteArray>
#include <QList>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tk {

namespace {

bool platformChosen(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

bool connects(const QByteArray& path, bool abstract)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return true;  // cannot tell: let Qt try
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;  // abstract names start with a NUL
    std::strncpy(addr.sun_path + offset, path.constData(), sizeof addr.sun_path - 1 - offset);
    const socklen_t size = socklen_t(offsetof(sockaddr_un, sun_path) + offset + std::size_t(path.size()));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), size) == 0;
    ::close(fd);
    return ok;
}

// A local X server listens on /tmp/.X11-unix/X<n>, as a file or an abstract
// socket; a remote display is left to Qt.
bool localXServerAnswers(const QByteArray& display)
{
    if (!display.startsWith(':'))
        return true;
    const QByteArray path = "/tmp/.X11-unix/X" + display.mid(1).split('.').value(0);
    return connects(path, false) || connects(path, true);
}

void startupHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        const QString cannot = translatedEarly("Startup", QT_TRANSLATE_NOOP("Startup", "cannot open display %1"));
        std::fprintf(stderr, "quorvane: %s (%s)\n", qPrintable(cannot.arg(display.isEmpty() ? "(none)" : display.constData())),
                     qPrintable(message.section(u'.', 0, 0)));
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Warnings of a failing platform plugin would only repeat the fatal line.
}

} // namespace

QString missingDisplay(int argc, char* argv[])
{
    if (platformChosen(argc, argv))
        return {};
    const QByteArray x = qgetenv("DISPLAY");
    if (x.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return translatedEarly("Startup", QT_TRANSLATE_NOOP("Startup", "no display: neither DISPLAY nor WAYLAND_DISPLAY is set"));
    if (!x.isEmpty() && !localXServerAnswers(x))
        return translatedEarly("Startup", QT_TRANSLATE_NOOP("Startup", "cannot open display %1")).arg(QString::fromLocal8Bit(x));
    return {};
}

void guardStartup()
{
    qInstallMessageHandler(startupHandler);
}

void endStartupGuard()
{
    qInstallMessageHandler(nullptr);
}

void keepOpenGLUnloaded()
{
    for (const char* chosen : {"QT_WAYLAND_DISABLE_WINDOWDECORATION", "QT_WAYLAND_DECORATION", "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"})
        if (qEnvironmentVariableIsSet(chosen))
            return;
    qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
}

} // namespace tk
