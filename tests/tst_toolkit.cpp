// The forms layer beneath the game: control arrays, Tags, pictures, and the
// bordered panel with its stored properties.
#include "controls/Frame.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Tags.h"
#include "toolkit/Twips.h"
#include "windows/Pictures.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

class tst_Toolkit : public QObject {
    Q_OBJECT

    static QImage imageOf(const char* resource) { return QImage(resource).convertToFormat(QImage::Format_ARGB32); }

private slots:
    void tagsReadBackAsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("blank-led") << " 7" << 7;
        QTest::newRow("empty slot") << "-1" << -1;
        QTest::newRow("many blanks") << "   3" << 3;
        QTest::newRow("nothing") << "" << 0;
        QTest::newRow("caption") << "16" << 16;
        QTest::newRow("trailing text") << "12abc" << 12;
    }
    void tagsReadBackAsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(tk::val(text), value);
    }

    void tagsAndCountsAreWrittenAsThePlayerAndGameExpect()
    {
        QCOMPARE(tk::blankLed(0) + "|" + tk::blankLed(15) + "|" + tk::blankLed(-1) + "|" + tk::digits(6),
                 QStringLiteral(" 0| 15|-1|6"));
        for (int i = -1; i <= 15; ++i)
            QCOMPARE(tk::val(tk::blankLed(i)), i);
    }

    void twipsBecomeTheNearestPixel()
    {
        QList<int> pixels;
        for (float twips : {7875.f, 6630.f, 16.f, 6127.f, -30.f})
            pixels << tk::toPixels(twips);
        QCOMPARE(pixels, QList<int>({525, 442, 1, 408, -2}));
        QCOMPARE(tk::toTwips(24), 360.0f);
    }

    void controlArrayLoadsCopiesOfElementZero()
    {
        QWidget host;
        auto* zero = new tk::Image(&host);
        zero->setPicture(tk::Picture(pictures::Empty));
        zero->setBounds(1860, 1920, 360, 360);
        zero->setTag("-1");
        zero->show();
        tk::ControlArray<tk::Image> array({zero});
        QList<int> loaded;
        array.onLoad = [&](tk::Integer i, tk::Image&) { loaded << i; };

        QVERIFY(array.load(3));
        const tk::Image& copy = array(3);
        QVERIFY(!copy.Visible() && copy.picture().sameAs(zero->picture()) && copy.Tag().isEmpty());
        QCOMPARE(QRectF(copy.Left(), copy.Top(), copy.Width(), copy.Height()), QRectF(1860, 1920, 360, 360));
        QVERIFY(array.ubound() == 3 && !array.exists(2));
        QVERIFY(!array.load(3));    // taken: the caller may pass over it
        QVERIFY(!array.unload(0));  // element 0 stays
        QVERIFY(!array.unload(2));
        QVERIFY(array.unload(3) && array.ubound() == 0);
        QVERIFY(array.load(3));  // the index is free again
        QCOMPARE(loaded, QList<int>({3, 3}));
        QCOMPARE(host.findChildren<tk::Image*>().size(), 2);
    }

    void pegPicturesAreExactToTheirColours_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("magenta") << 0 << QColor(255, 0, 255);
        QTest::newRow("navy") << 7 << QColor(0, 0, 128);
        QTest::newRow("black") << 12 << QColor(0, 0, 0);
        QTest::newRow("white") << 15 << QColor(255, 255, 255);
    }
    void pegPicturesAreExactToTheirColours()
    {
        QFETCH(int, index);
        QFETCH(QColor, fill);
        const QImage peg = imageOf(pictures::peg(index));
        QCOMPARE(peg.size(), QSize(32, 32));
        for (int y = 2; y <= 19; ++y)
            for (int x = 2; x <= 19; ++x)
                QCOMPARE(peg.pixelColor(x, y), fill);
        // Outline, highlight and two points of the shadow.
        const QColor grey(128, 128, 128);
        QCOMPARE(QList<QColor>({peg.pixelColor(11, 0), peg.pixelColor(1, 10), peg.pixelColor(21, 10),
                                peg.pixelColor(10, 20)}),
                 QList<QColor>({Qt::black, Qt::white, grey, grey}));
        // Transparent at the corners and everywhere beyond the peg.
        for (QPoint p : {QPoint(0, 0), QPoint(22, 0), QPoint(0, 22), QPoint(22, 22), QPoint(23, 5), QPoint(5, 23),
                         QPoint(31, 31)})
            QCOMPARE(qAlpha(peg.pixel(p)), 0);
    }

    void emptySlotPictureIsASunkenSquare()
    {
        const QImage empty = imageOf(pictures::Empty);
        QCOMPARE(QList<QColor>({empty.pixelColor(0, 0), empty.pixelColor(23, 21), empty.pixelColor(1, 10),
                                empty.pixelColor(22, 10)}),
                 QList<QColor>({Qt::black, Qt::black, QColor(128, 128, 128), Qt::white}));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                QCOMPARE(qAlpha(empty.pixel(x, y)) != 0, x < 24 && y < 22);
                if (x >= 3 && x <= 20 && y >= 3 && y <= 18)
                    QCOMPARE(empty.pixelColor(x, y), QColor(192, 192, 192));
            }
    }

    void panelKeepsItsGrooveFittedAndTellsOfEachChange()
    {
        QWidget host;
        Frame frame(&host, [] { return std::make_shared<QFont>("Liberation Sans"); });
        frame.setBounds(1680, 90, 6135, 1005);
        const auto groove = [&] {
            return QList<QRect>({frame.rect(0).widget()->geometry(), frame.rect(1).widget()->geometry()});
        };
        QCOMPARE(groove(), QList<QRect>({QRect(0, 0, 408, 66), QRect(1, 1, 408, 66)}));
        QSignalSpy changed(&frame, &Frame::propertyChanged);
        frame.setBackColor(255);
        frame.setEnabled(true);
        frame.setBackStyle(1);
        auto font = std::make_shared<QFont>("Arial");
        frame.setFont(font);
        frame.setForeColor(0x8000000F);
        QStringList names;
        for (const QList<QVariant>& signal : changed)
            names << signal.at(0).toString();
        QCOMPARE(names, QStringList({"BackColor", "Enabled", "BackStyle", "Font", "ForeColor"}));
        QVERIFY(frame.BackColor() == 255 && frame.Enabled() && frame.Font() == font);  // the font shared, not copied
        // Nothing of it shows on screen: the groove stays fitted and takes no mouse.
        QCOMPARE(groove(), QList<QRect>({QRect(0, 0, 408, 66), QRect(1, 1, 408, 66)}));
        QVERIFY(frame.testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void panelSavesOnlyWhatDiffersAndAlwaysItsFont()
    {
        auto ambient = [] { return std::make_shared<QFont>("Liberation Sans"); };
        QWidget host;
        Frame fresh(&host, ambient), loaded(&host, ambient), empty(&host, ambient);
        tk::PropertyBag first, second;
        fresh.writeProperties(first);
        QCOMPARE(first.names(), QStringList({"Font"}));
        fresh.setBackStyle(1);
        fresh.setEnabled(true);
        fresh.setForeColor(42);
        fresh.setBackColor(7);
        fresh.writeProperties(second);
        QCOMPARE(second.names(), QStringList({"BackColor", "ForeColor", "Enabled", "Font", "BackStyle"}));

        loaded.readProperties(second);
        QVERIFY(loaded.BackColor() == 7 && loaded.ForeColor() == 42 && loaded.Enabled() && loaded.BackStyle() == 1);
        QVERIFY(loaded.Font() == fresh.Font());
        // What a bag leaves out takes its default.
        empty.setBackColor(9);
        empty.readProperties(tk::PropertyBag());
        QVERIFY(empty.BackColor() == 0 && empty.Font() != nullptr);
    }
};

QTEST_MAIN(tst_Toolkit)
#include "tst_toolkit.moc"
