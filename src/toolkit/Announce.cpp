#include "Announce.h"

namespace tk {

void notifyChange(QObject* o, QAccessible::Event change)
{
    // Without a reader, Qt would still build an interface for o just to drop the event.
    if (QAccessible::isActive()) {
        QAccessibleEvent event(o, change);
        QAccessible::updateAccessibility(&event);
    }
}

Announcer::Announcer(QWidget* window) : QWidget(window), message_(new QWidget(this))
{
    setObjectName(QStringLiteral("announcer"));
    for (QWidget* w : {static_cast<QWidget*>(this), message_}) {
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        w->setFocusPolicy(Qt::NoFocus);
        w->setGeometry(0, 0, 1, 1);  // shown, to be read, but draws nothing
    }
    message_->hide();
    later_.setSingleShot(true);
    later_.setInterval(500);
    connect(&later_, &QTimer::timeout, this, [this] {
        showNow(waiting_.join(u' '));
        waiting_.clear();
    });
}

void Announcer::say(const QString& message, bool afterBurst)
{
    emit said(message);
    if (afterBurst || later_.isActive()) {  // in order, after what waits already
        waiting_ << message;
        later_.start();
        return;
    }
    showNow(message);
}

void Announcer::showNow(const QString& message)
{
    message_->hide();
    message_->setAccessibleName(message);
    message_->show();
}

} // namespace tk
