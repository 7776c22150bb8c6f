#include "Shapes.h"
#include "Twips.h"

#include <QPainter>

namespace tk {

Line::Line(QWidget* parent, Colour colour) : QWidget(parent), Placed(this), colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(float x1, float y1, float x2, float y2)
{
    const float left = std::min(x1, x2), top = std::min(y1, y2);
    // One pixel across, however long.
    const float w = x1 == x2 ? TwipsPerPixel : std::abs(x2 - x1);
    const float h = y1 == y2 ? TwipsPerPixel : std::abs(y2 - y1);
    setBounds(left, top, w, h);
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), toQColor(colour_));
}

Shape::Shape(QWidget* parent, Colour colour) : QWidget(parent), Placed(this), colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*)
{
    // One designed pixel wide, at any zoom.
    const QRect r = QWidget::rect();
    const int t = std::max(1, qRound(scaleOf(this)));
    if (r.width() < t || r.height() < t)
        return;
    QPainter p(this);
    const QColor c = toQColor(colour_);
    p.fillRect(r.left(), r.top(), r.width(), t, c);
    p.fillRect(r.left(), r.bottom() - t + 1, r.width(), t, c);
    p.fillRect(r.left(), r.top(), t, r.height(), c);
    p.fillRect(r.right() - t + 1, r.top(), t, r.height(), c);
}

Panel::Panel(QWidget* parent)
    : QWidget(parent), Placed(this), dark_(new Shape(this, ButtonShadow)), light_(new Shape(this, Highlight3D))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Panel::sizeChanged()
{
    // The dark outline on the outer pixel at left and top and one in at
    // right and bottom; the light one a pixel further in: a groove.
    dark_->setBounds(0, 0, Width() - 8, Height() - 8);
    light_->setBounds(16, 16, Width() - 10, Height() - 10);
}

} // namespace tk
