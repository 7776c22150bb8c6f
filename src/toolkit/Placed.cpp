#include "Placed.h"
#include "Twips.h"

#include <QWidget>

namespace tk {

void Placed::setLeft(float v)
{
    left_ = v;
    place();
}

void Placed::setTop(float v)
{
    top_ = v;
    place();
}

void Placed::setWidth(float v)
{
    width_ = v;
    sizeChanged();
    place();
}

void Placed::setHeight(float v)
{
    height_ = v;
    sizeChanged();
    place();
}

void Placed::setBounds(float left, float top, float width, float height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    sizeChanged();
    place();
}

bool Placed::Visible() const
{
    return !self_->isHidden();
}

void Placed::bringToFront()
{
    self_->raise();
}

void Placed::place()
{
    const QRect r = toPixelRect(left_, top_, width_, height_);
    if (r != self_->geometry())
        self_->setGeometry(r);
}

} // namespace tk
