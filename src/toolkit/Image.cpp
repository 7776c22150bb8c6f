#include "Image.h"
#include "MouseArgs.h"

#include <QMouseEvent>
#include <QPainter>

namespace tk {

Image::Image(QWidget* parent) : QWidget(parent), Placed(this) {}

void Image::setPicture(const Picture& picture)
{
    picture_ = picture;
    setBounds(Left(), Top(), picture.widthTwips(), picture.heightTwips());
    update();
}

Image* Image::cloneHidden() const
{
    auto* copy = new Image(parentWidget());
    copy->setObjectName(objectName());
    copy->hide();
    copy->picture_ = picture_;
    copy->setBounds(Left(), Top(), Width(), Height());
    return copy;
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, picture_.pixmap());
}

void Image::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (onMouseDown)
        onMouseDown(pressArgs(e));
}

void Image::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    if (onMouseMove)
        onMouseMove(moveArgs(e));
}

void Image::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (onMouseUp)
        onMouseUp(pressArgs(e));
}

void Image::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double-click arrives only as the double-click.
    e->accept();
    if (onDblClick)
        onDblClick();
}

} // namespace tk
