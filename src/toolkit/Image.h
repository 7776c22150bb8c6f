#pragma once
#include "Picture.h"
#include "Placed.h"
#include "Types.h"

#include <QWidget>
#include <functional>

namespace tk {

// An image control: draws its picture unscaled from its top-left corner,
// clipped to its size, with the transparent pixels showing what lies behind.
// Pointer events come through Qt's own delivery, so the pressed image keeps
// the pointer until release and a double-click arrives as press, release,
// double-click, release.
class Image : public QWidget, public Placed {
    Q_OBJECT
public:
    explicit Image(QWidget* parent);

    const Picture& picture() const { return picture_; }
    // The image takes the picture's own size, as the forms layer always did.
    void setPicture(const Picture& picture);

    // A hidden copy: picture, position and size; no Tag and no handlers.
    Image* cloneHidden() const;

    std::function<void(const Mouse&)> onMouseDown, onMouseMove, onMouseUp;
    std::function<void()> onDblClick;

    // An image's name is asked of describe when a reader wants it, so that
    // moving colours about costs nothing while nobody listens.
    void refreshDescription() override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    Picture picture_;
};

} // namespace tk
