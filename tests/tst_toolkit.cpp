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
        QTest::newRow("two digits") << " 15" << 15;
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
        QCOMPARE(tk::blankLed(0), QStringLiteral(" 0"));
        QCOMPARE(tk::blankLed(15), QStringLiteral(" 15"));
        QCOMPARE(tk::blankLed(-1), QStringLiteral("-1"));
        QCOMPARE(tk::digits(6), QStringLiteral("6"));
        for (int i = -1; i <= 15; ++i)
            QCOMPARE(tk::val(tk::blankLed(i)), i);
    }

    void twipsBecomeTheNearestPixel()
    {
        QCOMPARE(tk::toPixels(7875), 525);
        QCOMPARE(tk::toPixels(6630), 442);
        QCOMPARE(tk::toPixels(16), 1);
        QCOMPARE(tk::toPixels(6127), 408);
        QCOMPARE(tk::toPixels(-30), -2);
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
        QVERIFY(!copy.Visible());
        QVERIFY(copy.picture().sameAs(zero->picture()));
        QCOMPARE(copy.Left(), 1860.0f);
        QCOMPARE(copy.Width(), 360.0f);
        QVERIFY(copy.Tag().isEmpty());
        QCOMPARE(array.ubound(), tk::Integer(3));
        QVERIFY(!array.exists(2));

        QVERIFY(!array.load(3));  // taken: the caller may pass over it
        QVERIFY(!array.unload(0));  // element 0 stays
        QVERIFY(!array.unload(2));
        QVERIFY(array.unload(3));
        QCOMPARE(array.ubound(), tk::Integer(0));
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
        QCOMPARE(peg.pixelColor(11, 0), QColor(Qt::black));      // outline
        QCOMPARE(peg.pixelColor(1, 10), QColor(Qt::white));       // highlight
        QCOMPARE(peg.pixelColor(21, 10), QColor(128, 128, 128));  // shadow
        QCOMPARE(peg.pixelColor(10, 20), QColor(128, 128, 128));
        // Transparent at the corners and everywhere beyond the peg.
        for (QPoint p : {QPoint(0, 0), QPoint(22, 0), QPoint(0, 22), QPoint(22, 22), QPoint(23, 5), QPoint(5, 23), QPoint(31, 31)})
            QCOMPARE(qAlpha(peg.pixel(p)), 0);
    }

    void emptySlotPictureIsASunkenSquare()
    {
        const QImage empty = imageOf(pictures::Empty);
        QCOMPARE(empty.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(empty.pixelColor(23, 21), QColor(Qt::black));
        QCOMPARE(empty.pixelColor(1, 10), QColor(128, 128, 128));
        QCOMPARE(empty.pixelColor(22, 10), QColor(Qt::white));
        for (int y = 3; y <= 18; ++y)
            for (int x = 3; x <= 20; ++x)
                QCOMPARE(empty.pixelColor(x, y), QColor(192, 192, 192));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(qAlpha(empty.pixel(x, y)) != 0, x < 24 && y < 22);
    }

    void panelKeepsItsGrooveFittedAndPropertiesChangeNothingOnScreen()
    {
        QWidget host;
        Frame frame(&host, [] { return std::make_shared<QFont>("Liberation Sans"); });
        frame.setBounds(1680, 90, 6135, 1005);
        QCOMPARE(frame.rect(0).widget()->geometry(), QRect(0, 0, 408, 66));
        QCOMPARE(frame.rect(1).widget()->geometry(), QRect(1, 1, 408, 66));
        QVERIFY(frame.testAttribute(Qt::WA_TransparentForMouseEvents));

        QSignalSpy changed(&frame, &Frame::propertyChanged);
        frame.setBackColor(255);
        frame.setEnabled(true);
        frame.setBackStyle(1);
        auto font = std::make_shared<QFont>("Arial");
        frame.setFont(font);
        frame.setForeColor(0x8000000F);
        QCOMPARE(changed.size(), 5);
        QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("BackColor"));
        QCOMPARE(changed.at(3).at(0).toString(), QStringLiteral("Font"));
        QCOMPARE(frame.BackColor(), 255);
        QVERIFY(frame.Font() == font);  // shared, not copied
        QVERIFY(frame.Enabled());
        QVERIFY(frame.testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(frame.rect(0).widget()->geometry(), QRect(0, 0, 408, 66));
    }

    void panelSavesOnlyWhatDiffersAndAlwaysItsFont()
    {
        auto ambient = [] { return std::make_shared<QFont>("Liberation Sans"); };
        QWidget host;
        Frame fresh(&host, ambient);
        tk::PropertyBag bag;
        fresh.writeProperties(bag);
        QCOMPARE(bag.names(), QStringList({"Font"}));

        fresh.setBackStyle(1);
        fresh.setForeColor(42);
        tk::PropertyBag second;
        fresh.writeProperties(second);
        QCOMPARE(second.names(), QStringList({"ForeColor", "Font", "BackStyle"}));

        Frame loaded(&host, ambient);
        loaded.readProperties(second);
        QCOMPARE(loaded.ForeColor(), 42);
        QCOMPARE(loaded.BackStyle(), tk::Integer(1));
        QCOMPARE(loaded.BackColor(), 0);
        QVERIFY(!loaded.Enabled());
        QVERIFY(loaded.Font() == fresh.Font());

        Frame empty(&host, ambient);
        empty.setBackColor(9);
        empty.readProperties(tk::PropertyBag());
        QCOMPARE(empty.BackColor(), 0);
        QVERIFY(empty.Font() != nullptr);
    }
};

QTEST_MAIN(tst_Toolkit)
#include "tst_toolkit.moc"
