#include "Startup.h"
#include "Language.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tk {

namespace {

// An X server that has no client resets when the connection that asked
// whether it answers is closed, and Qt's own connection, made a moment
// later, meets the reset and fails. So that connection is held until Qt
// has its own.
int heldConnection = -1;

bool connects(const QByteArray& path, bool abstract, bool hold = false)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;  // cannot tell: let Qt try
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;  // abstract names start with a NUL
    std::strncpy(addr.sun_path + offset, path.constData(), sizeof addr.sun_path - 1 - offset);
    const socklen_t size = socklen_t(offsetof(sockaddr_un, sun_path) + offset + std::size_t(path.size()));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), size) == 0;
    if (ok && hold)
        heldConnection = fd;
    else
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
    return connects(path, false, true) || connects(path, true, true);
}

// Wayland's display as libwayland finds it: WAYLAND_DISPLAY, wayland-0 by
// default, a socket in XDG_RUNTIME_DIR unless the name is a path itself.
QByteArray waylandDisplay()
{
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    return name.isEmpty() ? QByteArrayLiteral("wayland-0") : name;
}

bool waylandAnswers()
{
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return true;  // a connection handed over: Qt's to use
    const QByteArray name = waylandDisplay(), folder = qgetenv("XDG_RUNTIME_DIR");
    if (name.startsWith('/'))
        return connects(name, false);
    return !folder.isEmpty() && connects(folder + '/' + name, false);
}

struct Display {
    QByteArray platform;  // as Qt is asked for it, options included
    QByteArray name;      // as the player names it (":0", "wayland-0"); empty for X without DISPLAY
    bool mayAnswer;       // false where Qt could surely not open it
};

// The displays Qt is about to try, in its order: those of the platforms
// chosen by -platform (which wins) or QT_QPA_PLATFORM, a list tried in
// turn; else Wayland's where WAYLAND_DISPLAY is set, then X's where DISPLAY
// is. A platform of another kind (offscreen, vnc...) stands for itself.
QList<Display> displaysTried(int argc, char* argv[])
{
    QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            chosen = argv[i + 1];
    const QByteArray x = qgetenv("DISPLAY");
    if (chosen.isEmpty())
        chosen = QByteArray(qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "" : "wayland;") + (x.isEmpty() ? "" : "xcb");
    QList<Display> displays;
    for (const QByteArray& platform : chosen.split(';')) {
        const QByteArray base = platform.split(':').value(0);  // its options follow a colon
        if (base == "xcb")
            displays.append({platform, x, !x.isEmpty() && localXServerAnswers(x)});
        else if (base.startsWith("wayland"))
            displays.append({platform, waylandDisplay(), waylandAnswers()});
        else if (!base.isEmpty())
            displays.append({platform, base, true});
    }
    return displays;
}

QString cannotOpen(const Display& display)
{
    if (display.name.isEmpty())
        return translatedEarly("Startup", QT_TRANSLATE_NOOP("Startup", "no display: DISPLAY is not set"));
    return translatedEarly("Startup", QT_TRANSLATE_NOOP("Startup", "cannot open display %1")).arg(QString::fromLocal8Bit(display.name));
}

// What the player reads if Qt fails all the same, in place of Qt's own
// words: the display it could not use after all.
QString failure;

void startupHandler(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quorvane: %s\n", qPrintable(failure));
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Warnings of a failing platform plugin would only repeat the fatal line.
}

} // namespace

QString missingDisplay(int argc, char* argv[])
{
    const QList<Display> displays = displaysTried(argc, argv);
    if (displays.isEmpty())
        return translatedEarly("Startup", QT_TRANSLATE_NOOP("Startup", "no display: neither DISPLAY nor WAYLAND_DISPLAY is set"));
    const auto first = std::find_if(displays.begin(), displays.end(), [](const Display& d) { return d.mayAnswer; });
    if (first == displays.end())
        return cannotOpen(displays.first());
    failure = cannotOpen(*first);
    // Qt is asked only for what may answer: libwayland writes on stderr
    // about a display it cannot even look for (WAYLAND_DISPLAY without
    // XDG_RUNTIME_DIR), before Qt goes on to the next. A -platform argument
    // overrides this; it is left as given.
    QList<QByteArray> open;
    for (const Display& display : displays)
        if (display.mayAnswer)
            open.append(display.platform);
    if (open.size() < displays.size())
        qputenv("QT_QPA_PLATFORM", open.join(';'));
    return {};
}

void guardStartup()
{
    qInstallMessageHandler(startupHandler);
}

void endStartupGuard()
{
    qInstallMessageHandler(nullptr);
    if (heldConnection >= 0)
        ::close(heldConnection);
    heldConnection = -1;
}

void keepOpenGLUnloaded()
{
    for (const char* chosen : {"QT_WAYLAND_DISABLE_WINDOWDECORATION", "QT_WAYLAND_DECORATION", "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"})
        if (qEnvironmentVariableIsSet(chosen))
            return;
    qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
}

} // namespace tk
