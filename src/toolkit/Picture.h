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
    // The same picture with a mark on it, for a player who tells pictures
    // apart by shape rather than colour; the plain pixmap where it has none.
    const QPixmap& marked() const;
    // What draws the marks: from a resource and its pixels, the marked look,
    // or a null pixmap for a picture that has no mark.
    using Marker = QPixmap (*)(const QString& resource, const QPixmap& plain);
    static void setMarker(Marker marker);
    bool isNull() const { return pixmap_.isNull(); }
    float widthTwips() const;
    float heightTwips() const;
    // Same pixels, not only equal ones: tells which picture an image shows.
    bool sameAs(const Picture& other) const { return pixmap_.cacheKey() == other.pixmap_.cacheKey(); }

private:
    QPixmap pixmap_;
    QString resource_;
};

} // namespace tk
