// Plays the start of a game on the real board, through Qt's own event
// delivery as a player's mouse would, and writes the board window as drawn
// to a PNG: the README's picture. scripts/screenshot runs it.
//
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 quorvane_screenshot out.png
#include "BoardDriver.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s out.png\n", argv[0]);
        return 2;
    }
    BoardDriver d;
    // Eight colours in play, a fuller palette than the first game's six.
    d.clickButton(d.colourSelector());
    d.clickButton(d.colourSelector());
    // Tries that close in on the code whatever it is (A, B... its colours by
    // position, W, X... those in play outside it), then the next one begun:
    // both counts on show, and a row half filled.
    for (const char* guess : {"WXAB", "BAYC", "ABZC"})
        d.playTry(d.row(QString::fromLatin1(guess)));
    d.fill(d.row(QStringLiteral("AB")));
    QApplication::processEvents();
    const QPixmap shot = d.board->grab();
    if (!shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d x %d pixels at device pixel ratio %g\n", argv[1], shot.width(), shot.height(), shot.devicePixelRatio());
    return 0;
}
