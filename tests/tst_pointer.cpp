// The pointer contract of the forms layer, through Qt's real delivery path.
#include "controls/Frame.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Twips.h"
#include "windows/Pictures.h"

#include <QTest>
#include <QWindow>

class TestForm : public tk::Form {
public:
    TestForm() : tk::Form("pointer", 6000, 3000, tk::Sizing::Fixed)
    {
        back = image(300, 300);
        image(540, 300);  // made later: drawn in front, overlapping back
        hidden = image(3000, 300);
        hidden->hide();
        auto* panel = new Frame(client(), [] { return std::make_shared<QFont>(); });
        panel->setBounds(3000 - 60, 240, 1200, 1200);  // over the hidden image
        panel->show();
    }
    tk::Image* image(float left, float top)
    {
        auto* i = new tk::Image(client());
        i->setPicture(tk::Picture(pictures::peg(1)));
        i->setLeft(left);
        i->setTop(top);
        i->show();
        const QString name = QString::number(images++);
        const auto logged = [this, name](const char* what) {
            return [this, name, what](const tk::Mouse& m) {
                log << QStringLiteral("%1 %2 %3 %4,%5").arg(name, what).arg(m.Button).arg(m.X).arg(m.Y);
            };
        };
        i->onMouseDown = logged("down");
        i->onMouseMove = logged("move");
        i->onMouseUp = logged("up");
        i->onDblClick = [this, name] { log << name + " dbl"; };
        return i;
    }
    QPoint at(float x, float y) { return client()->mapTo(this, QPoint(tk::toPixels(x), tk::toPixels(y))); }

    int images = 0;
    tk::Image *back, *hidden;
    QStringList log;
};

class tst_Pointer : public QObject {
    Q_OBJECT
    std::unique_ptr<TestForm> form;
    QWindow* win() { return form->windowHandle(); }

private slots:
    void init()
    {
        form = std::make_unique<TestForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void pressedImageKeepsMovesAndReleaseFarOutside()
    {
        // The form has no menu bar: window pixels are client pixels.
        QTest::mousePress(win(), Qt::LeftButton, {}, form->at(330, 330));
        QTest::mouseMove(win(), QPoint(380, 194));
        QTest::mouseMove(win(), QPoint(-40, -30));
        QTest::mouseRelease(win(), Qt::LeftButton, {}, QPoint(-40, -30));
        QCOMPARE(form->log, QStringList({"0 down 1 30,30", "0 move 1 5400,2610", "0 move 1 -900,-750",
                                         "0 up 1 -900,-750"}));
    }

    void doubleClickArrivesAsPressReleaseDoubleRelease()
    {
        QTest::mouseDClick(win(), Qt::LeftButton, {}, form->at(330, 330));
        QCOMPARE(form->log, QStringList({"0 down 1 30,30", "0 up 1 30,30", "0 dbl", "0 up 1 30,30"}));
        // Two separate clicks are no double-click.
        form->log.clear();
        QTest::mouseClick(win(), Qt::LeftButton, {}, form->at(330, 330));
        QTest::mouseClick(win(), Qt::LeftButton, {}, form->at(330, 330));
        QCOMPARE(form->log, QStringList({"0 down 1 30,30", "0 up 1 30,30", "0 down 1 30,30", "0 up 1 30,30"}));
    }

    void pressGoesToFrontMostVisibleImage()
    {
        // 600 lies inside both; the later image is in front until the first is raised.
        QTest::mouseClick(win(), Qt::LeftButton, {}, form->at(600, 330));
        form->back->bringToFront();
        QTest::mouseClick(win(), Qt::LeftButton, {}, form->at(600, 330));
        QCOMPARE(form->log, QStringList({"1 down 1 60,30", "1 up 1 60,30", "0 down 1 300,30", "0 up 1 300,30"}));
    }

    void hiddenImagesAndPanelsTakeNothing()
    {
        // The panel lies over the hidden image: neither of them answers.
        QTest::mouseClick(win(), Qt::LeftButton, {}, form->at(3030, 330));
        QTest::mouseClick(win(), Qt::LeftButton, {}, form->at(2950, 260));
        QVERIFY(form->log.isEmpty());
        form->hidden->show();
        QTest::mouseClick(win(), Qt::LeftButton, {}, form->at(3030, 330));
        QCOMPARE(form->log, QStringList({"2 down 1 30,30", "2 up 1 30,30"}));
    }

    void buttonValues_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("value");
        QTest::newRow("left") << Qt::LeftButton << 1;
        QTest::newRow("right") << Qt::RightButton << 2;
        QTest::newRow("middle") << Qt::MiddleButton << 4;
    }
    void buttonValues()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, value);
        QTest::mousePress(win(), button, {}, form->at(330, 345));
        QTest::mouseMove(win(), form->at(360, 360));
        QTest::mouseRelease(win(), button, {}, form->at(360, 360));
        QCOMPARE(form->log, QStringList({QStringLiteral("0 down %1 30,45").arg(value),
                                         QStringLiteral("0 move %1 60,60").arg(value),
                                         QStringLiteral("0 up %1 60,60").arg(value)}));
    }

    void moveReportsEveryButtonHeld()
    {
        QTest::mousePress(win(), Qt::LeftButton, {}, form->at(330, 330));
        QTest::mousePress(win(), Qt::RightButton, {}, form->at(330, 330));
        QTest::mouseMove(win(), form->at(345, 330));
        QTest::mouseRelease(win(), Qt::RightButton, {}, form->at(345, 330));
        QTest::mouseRelease(win(), Qt::LeftButton, {}, form->at(345, 330));
        QCOMPARE(form->log, QStringList({"0 down 1 30,30", "0 down 2 30,30", "0 move 3 45,30",
                                         "0 up 2 45,30", "0 up 1 45,30"}));
    }
};

QTEST_MAIN(tst_Pointer)
#include "tst_pointer.moc"
