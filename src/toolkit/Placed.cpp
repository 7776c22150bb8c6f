#include "Placed.h"
#include "Announce.h"
#include "Font.h"
#include "Form.h"
#include "Twips.h"

#include <QWidget>

namespace tk {

qreal scaleOf(const QWidget* w)
{
    const auto* form = w ? qobject_cast<const Form*>(w->window()) : nullptr;
    return form ? form->scale() : 1.0;
}

void Placed::setBounds(float left, float top, float width, float height)
{
    // The board is drawn again from the game after every operation: most
    // controls stay where they are, and cost nothing then.
    if (placed_ && left == left_ && top == top_ && width == width_ && height == height_)
        return;
    placed_ = true;
    const bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (resized)
        sizeChanged();
    place();
}

void Placed::nameMayHaveChanged() const
{
    // A hidden control is not read at all; it is asked afresh once shown.
    if (describe && !self_->isHidden())
        notifyChange(self_, QAccessible::NameChanged);
}

void Placed::setDesignFont(const QFont& font)
{
    designFont_ = font;
    self_->setFont(zoomed(font, scaleOf(self_)));
}

void Placed::rescale()
{
    if (designFont_)
        self_->setFont(zoomed(*designFont_, scaleOf(self_)));
    place();
}

void Placed::place()
{
    const QRect r = toPixelRect(left_, top_, width_, height_, scaleOf(self_));
    if (r != self_->geometry())
        self_->setGeometry(r);
}

} // namespace tk
