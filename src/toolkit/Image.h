#pragma once
#include "MouseArgs.h"
#include "Picture.h"
#include "Placed.h"

#include <QWidget>
#include <functional>

namespace tk {

// An image control: draws its picture unscaled from its top-left corner,
// clipped to its size, with the transparent pixels showing what lies behind.
// Pointer events come through Qt's own delivery, so the pressed image keeps
// the pointer until release and a double-click arrives as press, release,
// double-click, release. An image given the keyboard focus shows a focus
// mark around its designed cell, but only once the keyboard is in use.
class Image : public QWidget, public Placed {
    Q_OBJECT
public:
    explicit Image(QWidget* parent);

    const Picture& picture() const { return picture_; }
    // The image takes the picture's own size, as the forms layer always did.
    void setPicture(const Picture& picture);

    // A hidden copy: picture, position and size; no Tag and no handlers.
    Image* cloneHidden() const;
    // Made over into such a copy of model, for a control array's reuse.
    void becomeHiddenCopyOf(const Image& model);

    std::function<void(const Mouse&)> onMouseDown, onMouseMove, onMouseUp;
    std::function<void()> onDblClick;
    std::function<void(Integer& KeyCode, Integer Shift)> onKeyDown;

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
    Picture picture_;
};

// Whether the images of w's window show their pictures' marks (see
// Picture::marked), and switching them there; off in a new window.
bool marksShown(const QWidget* w);
void showMarks(QWidget* window, bool on);

// Whether focus marks show in w's window: only after a key was pressed
// there, and until the mouse is pressed again.
bool keyboardInUse(const QWidget* w);
void setKeyboardInUse(QWidget* w);

} // namespace tk
