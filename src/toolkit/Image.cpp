#include "Image.h"
#include "Announce.h"
#include "MouseArgs.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace tk {

namespace {
// Screen readers present an image as a graphic named by its describe.
class ImageInterface : public QAccessibleWidget {
public:
    explicit ImageInterface(Image* image) : QAccessibleWidget(image, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override
    {
        const auto* image = static_cast<const Image*>(widget());
        if (t == QAccessible::Name && image->describe)
            return image->describe();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* imageInterface(const QString& className, QObject* object)
{
    if (className == u"tk::Image" && object->isWidgetType())
        return new ImageInterface(static_cast<Image*>(object));
    return nullptr;
}
} // namespace

void Image::refreshDescription()
{
    if (describe)
        announce(this, QAccessible::NameChanged);
}

Image::Image(QWidget* parent) : QWidget(parent), Placed(this)
{
    static const bool installed = (QAccessible::installFactory(imageInterface), true);
    Q_UNUSED(installed);
}

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

void Image::showEvent(QShowEvent*)
{
    refreshDescription();
}

void Image::hideEvent(QHideEvent*)
{
    refreshDescription();
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    const qreal scale = scaleOf(this);
    // Pixel art stays sharp at whole multiples of its pixels; only a zoom in
    // between is smoothed, where sampling would make pixels of uneven size.
    const qreal device = scale * devicePixelRatioF();
    p.setRenderHint(QPainter::SmoothPixmapTransform, std::abs(device - std::round(device)) > 1e-3);
    p.scale(scale, scale);
    p.drawPixmap(0, 0, picture_.pixmap());
}

void Image::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (onMouseDown)
        onMouseDown(pressArgs(this, e));
}

void Image::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    if (onMouseMove)
        onMouseMove(moveArgs(this, e));
}

void Image::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (onMouseUp)
        onMouseUp(pressArgs(this, e));
}

void Image::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double-click arrives only as the double-click.
    e->accept();
    if (onDblClick)
        onDblClick();
}

} // namespace tk
