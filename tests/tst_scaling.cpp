// The board at any size and any device pixel ratio: it zooms as a whole,
// pixel art stays sharp, and the mouse still speaks twips. Run once as is and
// once with QT_SCALE_FACTOR=2 (see CMakeLists.txt).
#include "board/GameBoard.h"
#include "toolkit/Tags.h"
#include "toolkit/Twips.h"
#include "windows/Pictures.h"

#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <cmath>

class tst_Scaling : public QObject {
    Q_OBJECT
    std::unique_ptr<GameBoard> board;

    // A client point in twips, as window pixels at the board's zoom.
    QPoint at(float x, float y) const
    {
        const qreal s = board->scale();
        return board->client()->mapTo(board.get(), QPoint(tk::toPixels(x, s), tk::toPixels(y, s)));
    }
    QPoint cellOf(const tk::Placed& c) const { return at(c.Left() + 180, c.Top() + 180); }
    void resizeClientArea(QSize area)
    {
        board->resize(area.width(), area.height() + board->menuBar()->sizeHint().height());
        QTRY_COMPARE(board->client()->parentWidget()->size(), area);
    }

private slots:
    void init()
    {
        board = std::make_unique<GameBoard>();
        board->load();
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
    }
    void cleanup() { board.reset(); }

    void boardZoomsUniformlyAndCentred_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("designed") << QSize(525, 442) << 1.0;
        QTest::newRow("twice") << QSize(1050, 884) << 2.0;
        QTest::newRow("wider than tall") << QSize(1300, 884) << 2.0;
        QTest::newRow("taller than wide") << QSize(787, 900) << 787.0 / 525;
        QTest::newRow("three times") << QSize(1575, 1326) << 3.0;
    }
    void boardZoomsUniformlyAndCentred()
    {
        QFETCH(QSize, area);
        QFETCH(qreal, scale);
        resizeClientArea(area);
        QCOMPARE(board->scale(), scale);
        const QRect client = board->client()->geometry();
        QCOMPARE(client.size(), QSize(qRound(525 * scale), qRound(442 * scale)));
        QVERIFY(std::abs(client.left() - (area.width() - client.width()) / 2) <= 1);
        QVERIFY(std::abs(client.top() - (area.height() - client.height()) / 2) <= 1);
        // Game geometry stays in twips; the widgets follow the zoom.
        const tk::Image& slot = board->Guessed(2);
        QCOMPARE(slot.Left(), 2580.0f);
        QCOMPARE(slot.geometry(), tk::toPixelRect(2580, 1920, 360, 360, scale));
        QCOMPARE(board->Label1->font().pointSizeF(), 8.25 * scale);
        QCOMPARE(board->NoCorCol(0).font().pointSizeF(), 9.75 * scale);
        if (qEnvironmentVariableIsSet("QUORVANE_SHOTS"))
            board->grab().save(qEnvironmentVariable("QUORVANE_SHOTS") + "/zoom-" + QTest::currentDataTag() + ".png");
    }

    void neverSmallerThanDesignedAndBackToExactlyDesigned()
    {
        const QRect designed = board->Guessed(3).geometry();
        QCOMPARE(board->minimumSize().width(), 525);
        resizeClientArea(QSize(1050, 884));
        QVERIFY(board->Guessed(3).geometry() != designed);
        board->resize(board->minimumSize());
        QTRY_COMPARE(board->scale(), 1.0);
        QCOMPARE(board->Guessed(3).geometry(), designed);
    }

    void pegsStaySharpAtWholeZooms_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::newRow("designed") << QSize(525, 442);
        QTest::newRow("twice") << QSize(1050, 884);
    }
    void pegsStaySharpAtWholeZooms()
    {
        QFETCH(QSize, area);
        resizeClientArea(area);
        const qreal device = board->scale() * board->devicePixelRatioF();
        QVERIFY(std::abs(device - std::round(device)) < 1e-9);
        const int f = int(std::round(device));
        const QImage shot = board->client()->grab().toImage();
        for (tk::Integer k = 0; k <= board->MaxColour; ++k) {
            const tk::Integer colour = board->ColourOrder[std::size_t(k)];
            const QImage source = QImage(pictures::peg(colour)).convertToFormat(QImage::Format_ARGB32);
            const QPoint origin = board->Picture1(colour).pos() * board->devicePixelRatioF();
            // Every device pixel of the 23-pixel peg is exactly its source pixel.
            for (int y = 0; y < 23 * f; ++y)
                for (int x = 0; x < 23 * f; ++x) {
                    const QRgb want = source.pixel(x / f, y / f);
                    if (qAlpha(want) == 255)
                        QCOMPARE(shot.pixelColor(origin + QPoint(x, y)), QColor(want));
                }
        }
    }

    void dragHitsTheSameSlotAtAnyZoom_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::newRow("designed") << QSize(525, 442);
        QTest::newRow("twice") << QSize(1050, 884);
        QTest::newRow("one and a half, off-centre") << QSize(900, 663);
    }
    void dragHitsTheSameSlotAtAnyZoom()
    {
        QFETCH(QSize, area);
        resizeClientArea(area);
        const tk::Integer colour = board->ColourOrder[0];
        QWindow* w = board->windowHandle();
        const QPoint from = cellOf(board->Picture1(colour));
        const QPoint to = cellOf(board->Guessed(2));
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        QTest::mouseMove(w, (from + to) / 2);
        QTest::mouseMove(w, to);
        QVERIFY(board->DragColor->Visible());
        QTest::mouseRelease(w, Qt::LeftButton, {}, to);
        QCOMPARE(board->Guessed(2).Tag(), tk::blankLed(colour));
        QCOMPARE(board->Guessed(1).Tag(), QStringLiteral("-1"));
        // Just past the shared edge of slots 2 and 3 in twips is slot 3 at every zoom.
        const tk::Integer next = board->ColourOrder[1];
        const QPoint edge = at(2940 + 15 / float(board->scale()) * 1.01f, 2100);
        QTest::mousePress(w, Qt::LeftButton, {}, cellOf(board->Picture1(next)));
        QTest::mouseMove(w, edge);
        QTest::mouseRelease(w, Qt::LeftButton, {}, edge);
        QCOMPARE(board->Guessed(3).Tag(), tk::blankLed(next));
    }
};

QTEST_MAIN(tst_Scaling)
#include "tst_scaling.moc"
