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
    soon_.setSingleShot(true);
    soon_.setInterval(0);
    later_.setSingleShot(true);
    later_.setInterval(500);
    connect(&soon_, &QTimer::timeout, this, [this] {
        if (!later_.isActive())
            showWaiting();
    });
    connect(&later_, &QTimer::timeout, this, &Announcer::showWaiting);
}

void Announcer::say(const QString& message, bool afterBurst)
{
    emit said(message);
    waiting_ << message;  // in order, after what waits already
    if (afterBurst || later_.isActive())
        later_.start();
    else
        soon_.start();
}

void Announcer::showWaiting()
{
    message_->hide();
    message_->setAccessibleName(waiting_.join(u' '));
    waiting_.clear();
    message_->show();
}

} // namespace tk
