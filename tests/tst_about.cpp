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

    static QPoint inWindow(AboutForm& about, const char* control, QPoint offset = {})
    {
        QWidget* w = about.control<QWidget>(control);
        return w->mapTo(&about, w->rect().center() + offset);
    }

    // What the player does to the box; returns the mouse button still held.
    static Qt::MouseButton act(AboutForm& about, const QString& action)
    {
        QWindow* win = about.windowHandle();
        const auto button = [&](const QString& name) {
            return name.startsWith("right") ? Qt::RightButton : name.startsWith("middle") ? Qt::MiddleButton : Qt::LeftButton;
        };
        if (action == u"OK clicked") {
            QTest::mouseClick(win, Qt::LeftButton, {}, inWindow(about, "AboutOk"));
        } else if (action == u"Space on OK") {
            about.control<QWidget>("AboutOk")->setFocus();
            QTest::keyClick(win, Qt::Key_Space);
        } else if (action == u"right click on OK") {
            QTest::mouseClick(win, Qt::RightButton, {}, inWindow(about, "AboutOk"));
        } else if (action.endsWith(u"press on the text")) {
            QTest::mousePress(win, button(action), {}, inWindow(about, "AboutText"));
            return button(action);
        } else if (action == u"press in a corner of the text") {
            const QPoint corner = about.control<QWidget>("AboutText")->rect().bottomRight() - QPoint(1, 1);
            QTest::mousePress(win, Qt::LeftButton, {}, about.control<QWidget>("AboutText")->mapTo(&about, corner));
            return Qt::LeftButton;
        } else if (action.endsWith(u"click on the version")) {
            QTest::mouseClick(win, button(action), {}, inWindow(about, "Label1"));
        } else if (action == u"click on the icon") {
            QTest::mouseClick(win, Qt::LeftButton, {}, inWindow(about, "Picture1"));
        } else if (action == u"Esc") {
            about.control<QWidget>("AboutOk")->setFocus();
            QTest::keyClick(win, Qt::Key_Escape);
        } else if (action == u"a letter") {
            QTest::keyClick(win, Qt::Key_A);
        } else if (action == u"closed through the frame") {
            win->close();
        }
        return Qt::NoButton;
    }

    QWidget pad;  // takes the releases of presses that closed the box

private slots:
    void initTestCase()
    {
        pad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pad));
    }

    void closesOnlyWhereItShould_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("closes");
        QTest::newRow("OK") << "OK clicked" << true;
        QTest::newRow("OK from the keyboard") << "Space on OK" << true;
        QTest::newRow("OK, right button") << "right click on OK" << false;
        QTest::newRow("text, left") << "left press on the text" << true;
        QTest::newRow("text, right") << "right press on the text" << true;
        QTest::newRow("text, middle") << "middle press on the text" << true;
        QTest::newRow("text, corner") << "press in a corner of the text" << true;
        QTest::newRow("version, left") << "left click on the version" << false;
        QTest::newRow("version, right") << "right click on the version" << false;
        QTest::newRow("icon") << "click on the icon" << false;
        QTest::newRow("Esc") << "Esc" << true;
        QTest::newRow("another key") << "a letter" << false;
        QTest::newRow("window frame") << "closed through the frame" << true;
    }
    void closesOnlyWhereItShould()
    {
        QFETCH(QString, action);
        QFETCH(bool, closes);
        QPointer<AboutForm> about = &tk::sharedForm<AboutForm>();
        bool closed = false;
        QTimer::singleShot(0, about, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(about.data()));
            QCOMPARE(QApplication::activeModalWidget(), about.data());
            const Qt::MouseButton held = act(*about, action);
            // Judged at once: a press on the text closes before any release.
            closed = !about || (about->isUnloaded() && about->isHidden());
            if (held != Qt::NoButton)
                QTest::mouseRelease(pad.windowHandle(), held);  // the box may be gone already
            if (!closed) {
                QVERIFY(about->isVisible());
                about->control<tk::CommandButton>("AboutOk")->click();
            }
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
        // From the focused button up to the window, as Qt hands a key on.
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(about.control<QWidget>("AboutOk"), &press);
        QCOMPARE(press.isAccepted(), swallowed);
        QCOMPARE(about.isUnloaded(), swallowed);
    }

    void sizeIsFixed()
    {
        AboutForm about;
        about.load();
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QSize designed(tk::toPixels(5400), tk::toPixels(2355));
        QCOMPARE(about.size(), designed);
        QCOMPARE(about.minimumSize(), designed);
        QCOMPARE(about.maximumSize(), designed);
        about.resize(designed * 2);
        QCOMPARE(about.size(), designed);
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
