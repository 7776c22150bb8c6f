// The about box: the ways it closes, and the ways it stays, while it is
// shown modally as the board's About command shows it.
#include "toolkit/CommandButton.h"
#include "toolkit/Twips.h"
#include "windows/AboutForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>

class tst_About : public QObject {
    Q_OBJECT
    QWidget pad;  // takes the releases of presses that closed the box

    // What the player does to the box; returns the mouse button still held.
    static Qt::MouseButton act(AboutForm& about, const QString& gesture, const QString& target, Qt::MouseButton button)
    {
        QWindow* win = about.windowHandle();
        if (gesture == u"frame") {
            win->close();
        } else if (gesture == u"key") {
            about.control<QWidget>("AboutOk")->setFocus();
            QTest::keyClick(win, target == u"Space" ? Qt::Key_Space : target == u"Esc" ? Qt::Key_Escape : Qt::Key_A);
        } else {
            QWidget* w = about.control<QWidget>(target.section(u' ', 0, 0));
            const QRect r = w->rect();
            const QPoint p = w->mapTo(&about, target.endsWith(u"corner") ? r.bottomRight() - QPoint(1, 1) : r.center());
            if (gesture == u"press") {
                QTest::mousePress(win, button, {}, p);
                return button;
            }
            QTest::mouseClick(win, button, {}, p);
        }
        return Qt::NoButton;
    }

private slots:
    void initTestCase()
    {
        pad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pad));
    }

    void closesOnlyWhereItShould_data()
    {
        QTest::addColumn<QString>("gesture");  // "click", "press", "key" or "frame"
        QTest::addColumn<QString>("target");   // a control, or the key
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("closes");
        QTest::newRow("OK") << "click" << "AboutOk" << Qt::LeftButton << true;
        QTest::newRow("OK, right button") << "click" << "AboutOk" << Qt::RightButton << false;
        QTest::newRow("OK from the keyboard") << "key" << "Space" << Qt::NoButton << true;
        QTest::newRow("text, left") << "press" << "AboutText" << Qt::LeftButton << true;
        QTest::newRow("text, right") << "press" << "AboutText" << Qt::RightButton << true;
        QTest::newRow("text, middle") << "press" << "AboutText" << Qt::MiddleButton << true;
        QTest::newRow("text, corner") << "press" << "AboutText corner" << Qt::LeftButton << true;
        QTest::newRow("version, left") << "click" << "Label1" << Qt::LeftButton << false;
        QTest::newRow("version, right") << "click" << "Label1" << Qt::RightButton << false;
        QTest::newRow("icon") << "click" << "Picture1" << Qt::LeftButton << false;
        QTest::newRow("Esc") << "key" << "Esc" << Qt::NoButton << true;
        QTest::newRow("another key") << "key" << "A" << Qt::NoButton << false;
        QTest::newRow("window frame") << "frame" << "" << Qt::NoButton << true;
    }
    void closesOnlyWhereItShould()
    {
        QFETCH(QString, gesture);
        QFETCH(QString, target);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, closes);
        QPointer<AboutForm> about = &tk::sharedForm<AboutForm>();
        bool closed = false;
        QTimer::singleShot(0, about, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(about.data()));
            QCOMPARE(QApplication::activeModalWidget(), about.data());
            const Qt::MouseButton held = act(*about, gesture, target, button);
            // Judged at once: a press on the text closes before any release.
            closed = !about || (about->isUnloaded() && about->isHidden());
            if (held != Qt::NoButton)
                QTest::mouseRelease(pad.windowHandle(), held);  // the box may be gone already
            if (!closed)
                about->control<tk::CommandButton>("AboutOk")->click();
        });
        about->showModal();  // returns once the box has gone
        QCOMPARE(closed, closes);
        // Gone for good: the next About shows a box made afresh.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);
        QVERIFY(tk::sharedForm<AboutForm>().isHidden());
        delete &tk::sharedForm<AboutForm>();
    }

    void escIsSwallowedOtherKeysPass_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("swallowed");
        QTest::newRow("Esc") << Qt::Key_Escape << "\x1b" << true;
        QTest::newRow("letter") << Qt::Key_A << "a" << false;
        QTest::newRow("Enter") << Qt::Key_Return << "\r" << false;
    }
    void escIsSwallowedOtherKeysPass()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, text);
        QFETCH(bool, swallowed);
        AboutForm about;
        about.load();
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QSize designed(tk::toPixels(5400), tk::toPixels(2355));
        about.resize(designed * 2);
        QCOMPARE(about.size(), designed);  // the box keeps its designed size
        // From the focused button up to the window, as Qt hands a key on.
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(about.control<QWidget>("AboutOk"), &press);
        QCOMPARE(press.isAccepted(), swallowed);
        QCOMPARE(about.isUnloaded(), swallowed);
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
