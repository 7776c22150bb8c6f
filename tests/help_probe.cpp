// Loaded into an unmodified, installed quorvane with LD_PRELOAD: once the
// board is up it chooses Game > Help, like a player, and reports which page
// the help window shows. Exit status 0 when the help page was found.
#include <QAction>
#include <QApplication>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

void report(bool found, const QString& what)
{
    std::printf("%s: %s\n", found ? "help page found" : "help page NOT found", qPrintable(what));
    std::fflush(stdout);
    std::_Exit(found ? 0 : 1);
}

void inspectHelp()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != u"HelpForm" || w->isHidden())
            continue;
        auto* browser = w->findChild<QTextBrowser*>("WebBrowser1");
        if (!browser)
            report(false, "no browser in the help window");
        const QString text = browser->toPlainText();
        report(!text.contains(u"Page not found") && text.contains(u"Quorvane"),
               browser->source().toString());
    }
    report(false, "no help window shown");
}

void chooseHelp()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = w->findChild<QAction*>("GiveHelp")) {
            QTimer::singleShot(300, inspectHelp);  // runs inside the help window's modal loop
            help->trigger();
            return;
        }
    report(false, "no Help command on the board");
}

void start()
{
    QTimer::singleShot(0, chooseHelp);
    QTimer::singleShot(20000, [] { report(false, "timed out"); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
