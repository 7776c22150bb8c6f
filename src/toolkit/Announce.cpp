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
    QAccessibleEvent event(w, change);
    QAccessible::updateAccessibility(&event);
    if (listener())
        listener()(w, change);
}

void setAnnouncementListener(std::function<void(QObject*, QAccessible::Event)> l)
{
    listener() = std::move(l);
}

} // namespace tk
