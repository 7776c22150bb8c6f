#include "Image.h"
#include "Form.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace tk {

Image::Image(QWidget* parent) : QWidget(parent), Placed(this)
{
    setFocusPolicy(Qt::NoFocus);
}

void Image::setPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const qreal scale = scaleOf(this);
    if (!picture_.isNull()) {
        // Pixel art stays sharp at whole multiples of its pixels; only a zoom
        // in between is smoothed, where sampling would make pixels of uneven size.
        const qreal device = scale * devicePixelRatioF();
        p.setRenderHint(QPainter::SmoothPixmapTransform, std::abs(device - std::round(device)) > 1e-3);
        p.save();
        p.scale(scale, scale);
        p.drawPixmap(0, 0, picture_);
        p.restore();
    }
    if (hasFocus() && keyboardInUse(this)) {
        // Over the edge of the cell the picture is laid out in: two designed
        // pixels of the desktop's highlight colour and one of white inside,
        // which stand out from every peg and from the empty slot.
        const int cell = toPixels(360, scale), t = std::max(1, qRound(scale));
        const QRect outer(0, 0, std::min(cell, width()), std::min(cell, height()));
        const auto ring = [&p](const QRect& r, int width, const QColor& colour) {
            p.setClipRegion(QRegion(r) - QRegion(r.adjusted(width, width, -width, -width)));
            p.fillRect(r, colour);
        };
        ring(outer, 2 * t, palette().color(QPalette::Highlight));
        ring(outer.adjusted(2 * t, 2 * t, -2 * t, -2 * t), t, Qt::white);
    }
}

void Image::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (const auto pointer = pressOrRelease(this, e); pointer && onPress)
        onPress(*pointer);
}

void Image::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    if (onMove)
        onMove(movement(this, e));
}

void Image::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (const auto pointer = pressOrRelease(this, e); pointer && onRelease)
        onRelease(*pointer);
}

void Image::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double-click arrives only as the double-click.
    e->accept();
    if (pressOrRelease(this, e) && onDoubleClick)
        onDoubleClick();
}

void Image::keyPressEvent(QKeyEvent* e)
{
    setKeyboardInUse(this);
    if (onKey && onKey(*e))
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

void Image::focusInEvent(QFocusEvent*)
{
    update();
}

void Image::focusOutEvent(QFocusEvent*)
{
    update();
}

} // namespace tk
