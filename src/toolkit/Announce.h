#pragma once
#include <QAccessible>
#include <functional>

class QObject;

namespace tk {

// Tells assistive technology that something about w changed. Qt announces
// shows and hides itself; names and descriptions set at run time are
// announced here.
void announce(QObject* w, QAccessible::Event change);

// Hears every announcement as well; for checking them without a screen
// reader, whose absence leaves Qt's own channel closed.
void setAnnouncementListener(std::function<void(QObject*, QAccessible::Event)> listener);

} // namespace tk
