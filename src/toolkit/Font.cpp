#include "Font.h"

#include <QString>

namespace tk {

namespace {
QString linuxFace(const char* face)
{
    const QString name = QString::fromLatin1(face);
    if (name == u"MS Sans Serif" || name == u"Arial")
        return QStringLiteral("Liberation Sans");
    return name;
}
} // namespace

QFont makeFont(const FontDesign& design)
{
    QFont font(linuxFace(design.face));
    font.setPointSizeF(design.points);
    font.setWeight(design.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont zoomed(const QFont& font, qreal scale)
{
    QFont f = font;
    f.setPointSizeF(font.pointSizeF() * scale);
    return f;
}

} // namespace tk
