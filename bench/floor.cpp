// The floor of the start-up benchmark: the smallest Qt Widgets window that
// does what the board does at start-up (a menu bar, some text, a button), so
// that whatever the board costs beyond it is the board's own.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quorvane floor"));
    QMenu* game = window.menuBar()->addMenu(QStringLiteral("Game"));
    game->addAction(QStringLiteral("Exit"), &app, &QApplication::quit);

    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    for (const char* text : {"COLORS", "POSITIONS", "PLACE YOUR GUESS HERE"})
        column->addWidget(new QLabel(QString::fromLatin1(text)));
    column->addWidget(new QPushButton(QStringLiteral("OK")));
    window.setCentralWidget(central);
    window.resize(525, 460);  // the size of the board window, so both paint as many pixels
    window.show();
    return app.exec();
}
