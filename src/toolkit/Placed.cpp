#include "Placed.h"
#include "Announce.h"
#include "Font.h"
#include "Form.h"
#include "Twips.h"

#include <QWidget>

namespace tk {

qreal scaleOf(const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (const auto* form = qobject_cast<const Form*>(w))
            return form->scale();
    return 1.0;
}

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

void Placed::setPosition(float left, float top)
{
    left_ = left;
    top_ = top;
    place();
}

void Placed::setSize(float width, float height)
{
    width_ = width;
    height_ = height;
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

void Placed::setTag(const QString& tag)
{
    tag_ = tag;
    nameMayHaveChanged();
}

void Placed::nameMayHaveChanged() const
{
    // A hidden control is not read at all; it is asked afresh once shown.
    if (describe && !self_->isHidden())
        notifyChange(self_, QAccessible::NameChanged);
}

bool Placed::Visible() const
{
    return !self_->isHidden();
}

void Placed::bringToFront()
{
    self_->raise();
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
