#include "Announce.h"

namespace tk {

namespace {
std::function<void(QObject*, QAccessible::Event)>& listener()
{
    static std::function<void(QObject*, QAccessible::Event)> l;
    return l;
}
} // namespace

void announce(QObject* w, QAccessible::Event change)
{
    // Without an assistive technology listening, Qt would still build an
    // accessible interface for the object just to drop the event.
    if (QAccessible::isActive()) {
        QAccessibleEvent event(w, change);
        QAccessible::updateAccessibility(&event);
    }
    if (listener())
        listener()(w, change);
}

void setAnnouncementListener(std::function<void(QObject*, QAccessible::Event)> l)
{
    listener() = std::move(l);
}

} // namespace tk
