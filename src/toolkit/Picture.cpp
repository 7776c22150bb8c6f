#include "Picture.h"
#include "Twips.h"

#include <QHash>

namespace tk {

Picture::Picture(const QString& resource)
{
    // Every image showing a given picture shares one pixmap.
    static QHash<QString, QPixmap> cache;
    auto it = cache.constFind(resource);
    if (it == cache.constEnd())
        it = cache.insert(resource, QPixmap(resource));
    pixmap_ = *it;
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
