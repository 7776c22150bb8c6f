#include "Frame.h"

#include "toolkit/Colour.h"

Frame::Frame(QWidget* host, AmbientFont ambient) : QWidget(host), Placed(this), ambient_(std::move(ambient))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    rect_[0] = new tk::Shape(this, tk::ButtonShadow);
    rect_[1] = new tk::Shape(this, tk::Highlight3D);
    initProperties();
}

void Frame::initProperties()
{
    backColor_ = 0;
    foreColor_ = 0;
    enabled_ = false;
    font_ = ambient_();
    backStyle_ = 0;
}

void Frame::readProperties(const tk::PropertyBag& bag)
{
    backColor_ = bag.readProperty("BackColor", 0).toInt();
    foreColor_ = bag.readProperty("ForeColor", 0).toInt();
    enabled_ = bag.readProperty("Enabled", 0).toBool();
    font_ = bag.readProperty("Font", QVariant::fromValue(ambient_())).value<FontRef>();
    backStyle_ = tk::Integer(bag.readProperty("BackStyle", 0).toInt());
}

void Frame::writeProperties(tk::PropertyBag& bag) const
{
    bag.writeProperty("BackColor", backColor_, 0);
    bag.writeProperty("ForeColor", foreColor_, 0);
    bag.writeProperty("Enabled", enabled_, false);
    bag.writeProperty("Font", QVariant::fromValue(font_), QVariant::fromValue(ambient_()));
    bag.writeProperty("BackStyle", int(backStyle_), 0);
}

void Frame::setBackColor(std::int32_t v)
{
    backColor_ = v;
    emit propertyChanged("BackColor");
}

void Frame::setForeColor(std::int32_t v)
{
    foreColor_ = v;
    emit propertyChanged("ForeColor");
}

void Frame::setEnabled(bool v)
{
    enabled_ = v;
    emit propertyChanged("Enabled");
}

void Frame::setFont(FontRef v)
{
    font_ = std::move(v);
    emit propertyChanged("Font");
}

void Frame::setBackStyle(tk::Integer v)
{
    backStyle_ = v;
    emit propertyChanged("BackStyle");
}

void Frame::sizeChanged()
{
    Resize();
}

void Frame::Resize()
{
    // The dark outline on the outer pixel at left and top and one in at
    // right and bottom; the light one a pixel further in: a groove.
    const float w = Width(), h = Height();
    rect_[0]->setBounds(0, 0, w - 8, h - 8);
    rect_[1]->setBounds(16, 16, w - 10, h - 10);
}
