// Loaded into an unmodified quorvane with LD_PRELOAD: once the program is up
// it reports whether the board shows, with its title and menu, then chooses
// Game > Help like a player and reports which page the help window shows.
// Exit status 0 when both are right.
#include <QAction>
#include <QApplication>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
void report(bool right, const char* what, const QString& detail)
{
    std::printf("%s: %s (%s)\n", what, right ? "yes" : "NO", qPrintable(detail));
    std::fflush(stdout);
    if (!right)
        std::_Exit(1);
}

QWidget* window(const char* name)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto it = std::find_if(all.begin(), all.end(), [name](QWidget* w) { return w->objectName() == name && w->isVisible(); });
    return it == all.end() ? nullptr : *it;
}

void start()
{
    QTimer::singleShot(0, [] {
        QWidget* board = window("GameBoard");
        report(board, "board shown", board ? board->windowTitle() + u' ' + board->findChild<QAction*>("gamex")->text() : QString());
        QTimer::singleShot(300, [] {  // inside the help window's modal loop
            const auto* browser = window("HelpForm") ? window("HelpForm")->findChild<QTextBrowser*>("WebBrowser1") : nullptr;
            const QString text = browser ? browser->toPlainText() : QString();
            report(text.contains(u"Quorvane") && !text.contains(u"Page not found"), "help page found",
                   browser ? browser->source().toString() : QStringLiteral("no help window"));
            std::_Exit(0);
        });
        board->findChild<QAction*>("GiveHelp")->trigger();
    });
    QTimer::singleShot(20000, [] { report(false, "in time", "timed out"); });
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
