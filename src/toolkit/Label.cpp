#include "Label.h"
#include "Announce.h"

namespace tk {

Label::Label(QWidget* parent) : QLabel(parent), Placed(this)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
}

void Label::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    nameMayHaveChanged();
}

void Label::setColours(Colour fore, Colour back)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, toQColor(fore));
    pal.setColor(QPalette::Window, toQColor(back));
    setPalette(pal);
    // Roles are otherwise inherited from the window's client area.
    setForegroundRole(QPalette::WindowText);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(!isSystemColour(back));
}

} // namespace tk
