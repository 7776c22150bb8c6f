// The board at any size and any device pixel ratio: it zooms as a whole,
// pixel art stays sharp, and the mouse still speaks twips. Run once as is and
// once with QT_SCALE_FACTOR=2 (see CMakeLists.txt).
#include "BoardDriver.h"

#include <QMenuBar>
#include <cmath>

class tst_Scaling : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    GameBoard& board() { return *d->board; }

    void resizeClientArea(QSize area)
    {
        board().resize(area.width(), area.height() + board().menuBar()->sizeHint().height());
        QTRY_COMPARE(board().client()->parentWidget()->size(), area);
    }

private slots:
    void init() { d = std::make_unique<BoardDriver>(); }
    void cleanup() { d.reset(); }

    void boardZoomsUniformlyAndCentred_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("designed") << QSize(525, 442) << 1.0;
        QTest::newRow("twice") << QSize(1050, 884) << 2.0;
        QTest::newRow("wider than tall") << QSize(1300, 884) << 2.0;
        QTest::newRow("taller than wide") << QSize(787, 900) << 787.0 / 525;
        QTest::newRow("one and a half, off-centre") << QSize(900, 663) << 663.0 / 442;
    }
    void boardZoomsUniformlyAndCentred()
    {
        QFETCH(QSize, area);
        QFETCH(qreal, scale);
        resizeClientArea(area);
        QCOMPARE(board().scale(), scale);
        const QRect client = board().client()->geometry();
        QCOMPARE(client.size(), QSize(qRound(525 * scale), qRound(442 * scale)));
        QVERIFY(std::abs(client.left() - (area.width() - client.width()) / 2) <= 1);
        QVERIFY(std::abs(client.top() - (area.height() - client.height()) / 2) <= 1);
        // Game geometry stays in twips; the widgets and fonts follow the zoom.
        QCOMPARE(d->slot(2).geometry(), tk::toPixelRect(2580, 1920, 360, 360, scale));
        QCOMPARE(d->ui().Label1->font().pointSizeF(), 8.25 * scale);
        QCOMPARE(d->ui().NoCorCol(0).font().pointSizeF(), 9.75 * scale);
        // A drag hits the same slot at every zoom, also just past a shared edge.
        const Integer colour = d->game().ColourOrder[0], next = d->game().ColourOrder[1];
        d->drag(d->cellOf(d->colour(colour)), d->cellOf(d->slot(2)));
        QCOMPARE(d->currentTry(), std::vector<int>({-1, -1, colour, -1}));
        d->drag(d->cellOf(d->colour(next)), d->at(2940 + 15 / float(scale) * 1.01f, 2100));
        QCOMPARE(d->currentTry(), std::vector<int>({-1, -1, colour, next}));
        // The keyboard's focus mark shows at every zoom, around the peg and not over it.
        d->key(Qt::Key_Right);
        if (board().isActiveWindow()) {
            const QImage shot = board().grab().toImage();
            const qreal px = board().devicePixelRatioF();
            const QPoint corner = board().focusWidget()->mapTo(&board(), QPoint(0, 0)) * px;
            const QColor fill = QImage(pictures::peg(d->game().ColourOrder[1])).pixelColor(10, 10);
            QCOMPARE(shot.pixelColor(corner), board().palette().color(QPalette::Highlight));
            QCOMPARE(shot.pixelColor(corner + QPoint(10, 10) * scale * px), fill);
        }
        if (qEnvironmentVariableIsSet("QUORVANE_SHOTS"))
            board().grab().save(qEnvironmentVariable("QUORVANE_SHOTS") + "/zoom-" + QTest::currentDataTag() + ".png");
    }

    void neverSmallerThanDesignedAndBackToExactlyDesigned()
    {
        const QRect designed = d->slot(3).geometry();
        QCOMPARE(board().minimumSize().width(), 525);
        resizeClientArea(QSize(1050, 884));
        QVERIFY(d->slot(3).geometry() != designed);
        board().resize(board().minimumSize());
        QTRY_COMPARE(board().scale(), 1.0);
        QCOMPARE(d->slot(3).geometry(), designed);
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
        const qreal device = board().scale() * board().devicePixelRatioF();
        QVERIFY(std::abs(device - std::round(device)) < 1e-9);
        const int f = int(std::round(device));
        const QImage shot = board().client()->grab().toImage();
        for (Integer k = 0; k <= d->game().MaxColour; ++k) {
            const Integer colour = d->game().ColourOrder[std::size_t(k)];
            const QImage source = QImage(pictures::peg(colour)).convertToFormat(QImage::Format_ARGB32);
            const QPoint origin = d->colour(colour).pos() * board().devicePixelRatioF();
            // Every device pixel of the 23-pixel peg is exactly its source pixel.
            for (int y = 0; y < 23 * f; ++y)
                for (int x = 0; x < 23 * f; ++x) {
                    const QRgb want = source.pixel(x / f, y / f);
                    if (qAlpha(want) == 255)
                        QCOMPARE(shot.pixelColor(origin + QPoint(x, y)), QColor(want));
                }
        }
    }
};

QTEST_MAIN(tst_Scaling)
#include "tst_scaling.moc"
