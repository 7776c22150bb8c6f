// The forms layer beneath the game: control arrays.
#include "toolkit/ControlArray.h"
#include "toolkit/Image.h"
#include "windows/Pictures.h"

#include <QTest>

class tst_Toolkit : public QObject {
    Q_OBJECT

private slots:
    void controlArrayLoadsCopiesOfElementZeroAndReusesWidgets()
    {
        QWidget host;
        auto* zero = new tk::Image(&host);
        zero->setPicture(tk::Picture(pictures::Empty));
        zero->setBounds(1860, 1920, 360, 360);
        zero->setTag("-1");
        zero->show();
        tk::ControlArray<tk::Image> array({zero});
        QList<int> loaded;
        array.onLoad = [&](Integer i, tk::Image& element) {
            loaded << i;
            element.setObjectName(QStringLiteral("element %1").arg(i));
        };

        QVERIFY(array.load(3));
        tk::Image* three = &array(3);
        QVERIFY(!three->Visible() && three->picture().sameAs(zero->picture()) && three->Tag().isEmpty());
        QCOMPARE(QRectF(three->Left(), three->Top(), three->Width(), three->Height()), QRectF(1860, 1920, 360, 360));
        QVERIFY(array.ubound() == 3 && !array.exists(2) && array.count() == 2);
        QVERIFY(!array.load(3));    // taken: the caller may pass over it
        QVERIFY(!array.unload(0));  // element 0 stays
        QVERIFY(!array.unload(2));
        three->setTag(" 5");
        three->setPicture(tk::Picture(pictures::peg(5)));
        three->show();
        QVERIFY(array.unload(3) && array.ubound() == 0 && array.count() == 1);
        QVERIFY(three->isHidden() && three->objectName().isEmpty());
        // The index is free again; the widget comes back as a fresh copy of element 0.
        zero->setLeft(900);
        QVERIFY(array.load(1));
        QCOMPARE(&array(1), three);
        QVERIFY(!three->Visible() && three->picture().sameAs(zero->picture()) && three->Tag().isEmpty());
        QCOMPARE(QRectF(three->Left(), three->Top(), three->Width(), three->Height()), QRectF(900, 1920, 360, 360));
        QCOMPARE(loaded, QList<int>({3, 1}));
        QCOMPARE(host.findChildren<tk::Image*>().size(), 2);
    }
};

QTEST_MAIN(tst_Toolkit)
#include "tst_toolkit.moc"
