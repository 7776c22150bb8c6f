#include "Picture.h"
#include "Twips.h"

#include <QHash>

namespace tk {

namespace {
Picture::Marker& marker()
{
    static Picture::Marker m = nullptr;
    return m;
}
} // namespace

Picture::Picture(const QString& resource) : resource_(resource)
{
    // Every image showing a given picture shares one pixmap.
    static QHash<QString, QPixmap> cache;
    auto it = cache.constFind(resource);
    if (it == cache.constEnd())
        it = cache.insert(resource, QPixmap(resource));
    pixmap_ = *it;
}

const QPixmap& Picture::marked() const
{
    // Drawn once per resource, on the first paint that asks for it.
    static QHash<QString, QPixmap> cache;
    auto it = cache.constFind(resource_);
    if (it == cache.constEnd())
        it = cache.insert(resource_, marker() && !isNull() ? marker()(resource_, pixmap_) : QPixmap());
    return it->isNull() ? pixmap_ : *it;
}

void Picture::setMarker(Marker m)
{
    marker() = m;
}

float Picture::widthTwips() const
{
    return toTwips(pixmap_.width());
}

float Picture::heightTwips() const
{
    return toTwips(pixmap_.height());
}

} // namespace tk
