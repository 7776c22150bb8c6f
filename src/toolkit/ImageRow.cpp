#include "ImageRow.h"
#include "Twips.h"

#include <QPainter>
#include <cmath>

namespace tk {

ImageRow::ImageRow(QWidget* parent) : QWidget(parent), Placed(this)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageRow::setPictures(std::vector<QPixmap> pictures)
{
    const auto same = [](const QPixmap& a, const QPixmap& b) { return a.cacheKey() == b.cacheKey(); };
    if (std::equal(pictures.begin(), pictures.end(), pictures_.begin(), pictures_.end(), same))
        return;
    pictures_ = std::move(pictures);
    update();
}

void ImageRow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const qreal scale = scaleOf(this);
    // Sharp at whole zooms, as the board's pegs are.
    const qreal device = scale * devicePixelRatioF();
    p.setRenderHint(QPainter::SmoothPixmapTransform, std::abs(device - std::round(device)) > 1e-3);
    p.scale(scale, scale);
    for (std::size_t i = 0; i < pictures_.size(); ++i)
        p.drawPixmap(QPointF(toPixels(pitch_ * float(i)), 0), pictures_[i]);
}

} // namespace tk
