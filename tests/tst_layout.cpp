// The board as designed, before any game code runs; the panel; control arrays.
#include "board/GameBoard.h"
#include "controls/Frame.h"
#include "toolkit/CommandButton.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Label.h"
#include "toolkit/Shapes.h"
#include "toolkit/Twips.h"
#include "windows/Pictures.h"

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

class tst_Layout : public QObject {
    Q_OBJECT
    std::unique_ptr<GameBoard> board;  // built from its layout, never loaded

    template <class T = tk::Placed>
    T& c(const QString& name) { return *dynamic_cast<T*>(board->control<QWidget>(name)); }
    QRectF box(const QString& name) { const tk::Placed& p = c(name); return {p.Left(), p.Top(), p.Width(), p.Height()}; }

private slots:
    void init() { board = std::make_unique<GameBoard>(); }
    void cleanup() { board.reset(); }

    void boardWindowAndMenuAsDesigned()
    {
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
        QCOMPARE(board->windowTitle(), QStringLiteral("Quorvane v1.0"));
        QCOMPARE(board->client()->size(), QSize(525, 442));
        QVERIFY(!board->windowIcon().isNull());
        const QList<QAction*> menus = board->menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QStringList items{menus[0]->text()};
        for (QAction* a : menus[0]->menu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text() + a->shortcut().toString());
        QCOMPARE(items, QStringList({"&Game", "Giveup", "About", "HelpF1", "-", "Exit"}));
    }

    void controlsLieInsideTheirPanels()
    {
        const auto inside = [this](const QString& name, const QString& frame, float w, float h) {
            const QRectF r = box(name);
            return box(frame).contains(QRectF(r.topLeft(), QSizeF(w, h)));
        };
        for (int i = 0; i < 16; ++i)
            QVERIFY2(inside(QStringLiteral("Picture1(%1)").arg(i), "Frame1", 480, 480), qPrintable(QString::number(i)));
        QVERIFY(inside("Guessed(0)", "Frame2", 360, 360));
        for (int i = 0; i < 8; ++i)
            QVERIFY(inside(QStringLiteral("answer(%1)").arg(i), "Frame3", 360, 360));
        for (int i = 0; i < 10; ++i)
            QVERIFY(inside(QStringLiteral("NoCorpos(%1)").arg(i), "Frame4", 405, 270));
        QVERIFY(inside("Line2(8)", "Frame4", 1320, 15));
        // Both outcome buttons share one rectangle below the scores.
        QCOMPARE(box("CongText"), box("FailText"));
        QCOMPARE(box("CongText").top(), 5730.0);
        QCOMPARE(c<tk::CommandButton>("CongText").caption(), QStringLiteral("  WELL DONE    click here for another go"));
        QCOMPARE(c<tk::CommandButton>("MaxColors").caption() + c<tk::CommandButton>("Maxpositions").caption(),
                 QStringLiteral("167"));
        for (const char* hidden : {"GuessComplete", "DragColor", "Blank", "ColourClicked", "Picture1(0)", "NoCorCol(9)"})
            QVERIFY2(!c(hidden).Visible(), hidden);
        QVERIFY(c("CongText").Visible() && c("FailText").Visible() && c("answer(7)").Visible());
        const QPalette score = c<tk::Label>("NoCorpos(4)").palette();  // white on black
        QCOMPARE(score.color(QPalette::WindowText).rgb() ^ score.color(QPalette::Window).rgb(), 0xffffffu);
    }

    void everyLabelCaptionFitsItsBox()
    {
        for (tk::Label* label : board->client()->findChildren<tk::Label*>()) {
            const QFontMetrics fm(label->font());
            QVERIFY2(fm.horizontalAdvance(label->text()) <= label->QWidget::width(), qPrintable(label->objectName()));
            QVERIFY2(fm.height() <= label->QWidget::height() + 2, qPrintable(label->objectName()));
        }
    }

    void panelsAreGroovesOnEverySide()
    {
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
        const QImage shot = board->client()->grab().toImage();
        const QRgb dark = board->palette().color(QPalette::Dark).rgb(), light = board->palette().color(QPalette::Light).rgb();
        // Frame3, 1710,5730 3555x825 twips: pixels 114..350 across, 382..436 down.
        QCOMPARE(QList<QRgb>({shot.pixel(114, 400), shot.pixel(115, 400), shot.pixel(349, 400), shot.pixel(350, 400),
                              shot.pixel(200, 382), shot.pixel(200, 383), shot.pixel(200, 435), shot.pixel(200, 436)}),
                 QList<QRgb>({dark, light, dark, light, dark, light, dark, light}));
        // The answer row's empty slots, the first at (1830, 6060), show through.
        QCOMPARE(shot.pixelColor(122 + 10, 404 + 10), QColor(192, 192, 192));
    }

    void panelKeepsItsPropertiesApartFromTheWidget()
    {
        QWidget host;
        auto font = std::make_shared<QFont>("Arial");
        Frame fresh(&host, [] { return std::make_shared<QFont>(); }), loaded(&host, [] { return std::make_shared<QFont>(); });
        QCOMPARE(QSizeF(fresh.Width(), fresh.Height()), QSizeF(1905, 1230));
        QCOMPARE(fresh.outline(1).widget()->geometry(), QRect(1, 1, 126, 81));
        tk::PropertyBag bag, none;
        fresh.writeProperties(none);
        QSignalSpy changed(&fresh, &Frame::propertyChanged);
        fresh.setBackColor(7);
        fresh.setStoredEnabled(true);
        fresh.setBackStyle(1);
        fresh.setForeColor(42);
        fresh.setStoredFont(font);
        QCOMPARE(changed.count(), 5);
        QVERIFY(fresh.isEnabled() && fresh.StoredFont() == font);  // shared, not copied; the widget's own untouched
        fresh.writeProperties(bag);
        QCOMPARE(none.names() + bag.names(), QStringList({"Font", "BackColor", "ForeColor", "Enabled", "Font", "BackStyle"}));
        loaded.readProperties(bag);
        QVERIFY(loaded.BackColor() == 7 && loaded.ForeColor() == 42 && loaded.StoredEnabled() && loaded.BackStyle() == 1);
        QVERIFY(loaded.StoredFont() == font);
        loaded.readProperties(none);  // what a bag leaves out takes its default
        QVERIFY(loaded.BackColor() == 0 && loaded.ForeColor() == 0 && !loaded.StoredEnabled() && loaded.BackStyle() == 0);
        QVERIFY(loaded.StoredFont() && loaded.StoredFont() != font);
    }

    void controlArrayLoadsCopiesOfElementZeroAndReusesWidgets()
    {
        QWidget host;
        auto* zero = new tk::Image(&host);
        zero->setPicture(tk::Picture(pictures::Empty));
        zero->setBounds(1860, 1920, 360, 360);
        zero->show();
        tk::ControlArray<tk::Image> array({zero});
        QList<int> loaded;
        array.onLoad = [&](Integer i, tk::Image&) { loaded << i; };
        QVERIFY(array.load(3) && !array.load(3) && !array.unload(0) && !array.unload(2));  // taken, designed, free
        tk::Image* three = &array(3);
        three->setTag(" 5");
        three->setPicture(tk::Picture(pictures::peg(5)));
        three->show();
        QVERIFY(array.ubound() == 3 && !array.exists(2) && array.count() == 2);
        QVERIFY(array.unload(3) && array.ubound() == 0 && array.count() == 1 && three->isHidden());
        // The index is free again; the widget comes back as a hidden copy of element 0.
        zero->setLeft(900);
        QVERIFY(array.load(1));
        QCOMPARE(&array(1), three);
        QVERIFY(!three->Visible() && three->picture().sameAs(zero->picture()) && three->Tag().isEmpty());
        QCOMPARE(QRectF(three->Left(), three->Top(), three->Width(), three->Height()), QRectF(900, 1920, 360, 360));
        QCOMPARE(loaded, QList<int>({3, 1}));
        QCOMPARE(host.findChildren<tk::Image*>().size(), 2);
    }
};

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
