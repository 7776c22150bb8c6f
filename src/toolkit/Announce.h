#pragma once
#include <QAccessible>
#include <QTimer>
#include <QWidget>

namespace tk {

// Tells a listening assistive technology that something about o changed, so
// that it asks again; costs nothing while none listens.
void notifyChange(QObject* o, QAccessible::Event change);

// Speaks a message through a screen reader. A changed name or description
// reaches Orca without its text, so each message is shown afresh as an
// object of the role Notification, named by the message: that is read out.
// The Announcer itself is read as a status bar, around that object: Orca
// reads a notification there without the word "notification" first.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);
    // Messages said together, by one operation, are read as one: a reader
    // would read only the last of several shown at once. After a burst of
    // changes (a board laid out anew) they wait a moment: Orca drops
    // whatever queues behind fifty or more events.
    void say(const QString& message, bool afterBurst = false);

signals:
    // Every message as it is said, before any wait.
    void said(const QString& message);

private:
    void showWaiting();
    QWidget* message_;
    QStringList waiting_;
    QTimer soon_, later_;
};

} // namespace tk
