#include "Announce.h"

namespace tk {

namespace {
std::function<void(const QString&)>& listener()
{
    static std::function<void(const QString&)> l;
    return l;
}
} // namespace

void notifyChange(QObject* o, QAccessible::Event change)
{
    // Without a reader, Qt would still build an interface for o just to drop the event.
    if (QAccessible::isActive()) {
        QAccessibleEvent event(o, change);
        QAccessible::updateAccessibility(&event);
    }
}

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);  // shown, to be read, but draws nothing
    hide();
}

void Announcer::say(const QString& message)
{
    if (listener())
        listener()(message);
    if (!QAccessible::isActive())
        return;
    hide();
    setAccessibleName(message);
    show();
}

void setAnnouncementListener(std::function<void(const QString&)> l)
{
    listener() = std::move(l);
}

} // namespace tk
