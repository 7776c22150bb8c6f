#pragma once
#include <QPixmap>
#include <QString>

namespace tk {

// A picture as the forms use it: a small icon with a transparency mask.
// Copies share the pixels, so handing a picture from image to image is cheap.
class Picture {
public:
    Picture() = default;
    explicit Picture(const QString& resource);

    const QPixmap& pixmap() const { return pixmap_; }
    bool isNull() const { return pixmap_.isNull(); }
    float widthTwips() const;
    float heightTwips() const;
    // Same pixels, not only equal ones: tells which picture an image shows.
    bool sameAs(const Picture& other) const { return pixmap_.cacheKey() == other.pixmap_.cacheKey(); }

private:
    QPixmap pixmap_;
};

} // namespace tk
