#pragma once
#include "Placed.h"
#include "Pointer.h"

#include <QPixmap>
#include <QWidget>
#include <functional>

class QKeyEvent;

namespace tk {

// An image control: draws its picture unscaled from its top-left corner (at
// its window's zoom), clipped to its size, the transparent pixels showing
// what lies behind. Pointer events come through Qt's own delivery, so the
// pressed image keeps the pointer until release and a double-click arrives
// as press, release, double-click, release. An image with the keyboard focus
// shows a focus mark around its designed cell once the keyboard is in use.
class Image : public QWidget, public Placed {
    Q_OBJECT
public:
    explicit Image(QWidget* parent);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    std::function<void(const Pointer&)> onPress, onMove, onRelease;
    std::function<void()> onDoubleClick;
    // True when the key was the image's to answer.
    std::function<bool(const QKeyEvent&)> onKey;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    QPixmap picture_;
};

} // namespace tk
