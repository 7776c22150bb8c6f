#include "Frame.h"

#include "toolkit/Colour.h"

Frame::Frame(QWidget* host, AmbientFont ambient) : QWidget(host), Placed(this), ambient_(std::move(ambient))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_[0] = new tk::Shape(this, tk::ButtonShadow);
    outline_[1] = new tk::Shape(this, tk::Highlight3D);
    initProperties();
    setSize(1905, 1230);
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
    backStyle_ = Integer(bag.readProperty("BackStyle", 0).toInt());
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

void Frame::setStoredEnabled(bool v)
{
    enabled_ = v;
    emit propertyChanged("Enabled");
}

void Frame::setStoredFont(FontRef v)
{
    font_ = std::move(v);
    emit propertyChanged("Font");
}

void Frame::setBackStyle(Integer v)
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
    outline_[0]->setBounds(0, 0, w - 8, h - 8);
    outline_[1]->setBounds(16, 16, w - 10, h - 10);
}
