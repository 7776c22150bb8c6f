#include "board/BoardWindow.h"
#include "toolkit/Language.h"
#include "toolkit/Startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (const QString why = tk::missingDisplay(argc, argv); !why.isEmpty()) {
        std::fprintf(stderr, "quorvane: %s\n", qPrintable(why));
        return 1;
    }
    tk::keepOpenGLUnloaded();
    tk::guardStartup();
    QApplication app(argc, argv);
    tk::endStartupGuard();
    tk::useLanguage();
    QApplication::setQuitOnLastWindowClosed(false);  // the board ends the program itself
    BoardWindow board;
    board.show();
    return app.exec();
}
