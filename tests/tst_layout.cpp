// The windows as designed, before any game code runs.
#include "board/GameBoard.h"
#include "controls/Frame.h"
#include "toolkit/Label.h"
#include "toolkit/Shapes.h"
#include "toolkit/Twips.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

class tst_Layout : public QObject {
    Q_OBJECT
    std::unique_ptr<GameBoard> board;  // built from its layout, never loaded

    Frame* frame(const char* name) { return board->control<Frame>(name); }
    static bool inside(const tk::Placed& c, const tk::Placed& box, float width, float height)
    {
        return c.Left() >= box.Left() && c.Top() >= box.Top() && c.Left() + width <= box.Left() + box.Width()
               && c.Top() + height <= box.Top() + box.Height();
    }

private slots:
    void init() { board = std::make_unique<GameBoard>(); }
    void cleanup() { board.reset(); }

    void windowOpensAtTheDesignedSize()
    {
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
        QCOMPARE(board->windowTitle(), QStringLiteral("Quorvane v1.0"));
        QCOMPARE(board->client()->size(), QSize(525, 442));
        QVERIFY(!board->windowIcon().isNull());
    }

    void menuHoldsTheGameCommandsInOrder()
    {
        const QList<QMenu*> menus = board->menuBar()->findChildren<QMenu*>();
        QCOMPARE(menus.size(), 1);
        QStringList items{menus[0]->title()};
        for (QAction* a : menus[0]->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(items, QStringList({"Game", "Giveup", "About", "Help", "-", "Exit"}));
    }

    void controlsLieInsideTheirPanels()
    {
        for (tk::Integer i = 0; i < 16; ++i)
            QVERIFY2(inside(board->Picture1(i), *frame("Frame1"), 480, 480), qPrintable(QString::number(i)));
        QVERIFY(inside(board->Guessed(0), *frame("Frame2"), 360, 360));
        for (tk::Integer i = 0; i < 8; ++i)
            QVERIFY(inside(board->answer(i), *frame("Frame3"), 360, 360));
        for (int i = 0; i <= 10; ++i) {
            const auto* line = board->control<tk::Line>(QStringLiteral("Line2(%1)").arg(i));
            QVERIFY(inside(*line, *frame("Frame4"), line->Width(), line->Height()));
        }
        for (tk::Integer i = 0; i < 10; ++i) {
            QVERIFY(inside(board->NoCorCol(i), *frame("Frame4"), 405, 270));
            QVERIFY(inside(board->NoCorpos(i), *frame("Frame4"), 405, 270));
        }
        // Both outcome buttons share one rectangle below the scores.
        const tk::CommandButton &c = *board->CongText, &f = *board->FailText;
        QCOMPARE(QRectF(c.Left(), c.Top(), c.Width(), c.Height()), QRectF(f.Left(), f.Top(), f.Width(), f.Height()));
        QVERIFY(c.Top() >= frame("Frame4")->Top() + frame("Frame4")->Height());
        QCOMPARE(c.caption(), QStringLiteral("  WELL DONE    click here for another go"));
    }

    void everyLabelCaptionFitsItsBox()
    {
        for (tk::Label* label : board->client()->findChildren<tk::Label*>()) {
            const QFontMetrics fm(label->font());
            QVERIFY2(fm.horizontalAdvance(label->text()) <= label->QWidget::width(), qPrintable(label->objectName()));
            QVERIFY2(fm.height() <= label->QWidget::height() + 2, qPrintable(label->objectName()));
        }
    }

    void startStateShowsWhatTheDesignShows()
    {
        QCOMPARE(board->MaxColors->caption() + board->Maxpositions->caption(), QStringLiteral("167"));
        QVERIFY(board->CongText->Visible() && board->FailText->Visible() && board->Guessed(0).Visible());
        using Hidden = std::initializer_list<const tk::Placed*>;
        for (const tk::Placed* hidden : Hidden{board->GuessComplete, board->DragColor, board->Blank, board->ColourClicked})
            QVERIFY(!hidden->Visible());
        for (tk::Integer i = 0; i < 16; ++i)
            QVERIFY(!board->Picture1(i).Visible());
    }

    void answerRowShowsEightEmptySlotsAtTheirPixels()
    {
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
        const QImage shot = board->client()->grab().toImage();
        for (int i = 0; i < 8; ++i) {
            const int x = 122 + 24 * i, y = 404;  // (1830 + 360 i, 6060) twips
            QCOMPARE(QList<QColor>({shot.pixelColor(x, y), shot.pixelColor(x + 23, y + 21), shot.pixelColor(x + 1, y + 5),
                                    shot.pixelColor(x + 22, y + 5), shot.pixelColor(x + 10, y + 10)}),
                     QList<QColor>({Qt::black, Qt::black, QColor(128, 128, 128), Qt::white, QColor(192, 192, 192)}));
        }
        // Beyond the last slot the panel's background shows through.
        QCOMPARE(shot.pixelColor(122 + 24 * 8 + 2, 410), board->client()->palette().color(QPalette::Button));
    }
};

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
