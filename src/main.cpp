#include "board/GameBoard.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the board ends the program itself
    auto* board = new GameBoard;
    board->load();
    board->show();
    return app.exec();
}
