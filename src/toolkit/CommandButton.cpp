#include "CommandButton.h"
#include "Announce.h"
#include "Form.h"

#include <QAccessibleActionInterface>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QStylePainter>

namespace tk {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent), Placed(this)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            onClick();
    });
    accessibleActions.push_back({QAccessibleActionInterface::pressAction(), [this] { click(); }});
}

void CommandButton::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    notifyChange(this, QAccessible::NameChanged);
}

void CommandButton::setToolTipText(const QString& text)
{
    if (text == toolTip())
        return;
    setToolTip(text);
    notifyChange(this, QAccessible::DescriptionChanged);
}

void CommandButton::setGraphical(Colour background)
{
    // Set once: a palette changed at every paint would be a new key for the
    // style's pixmap cache each time, filling it with copies of the bevel.
    background_ = background;
    QPalette pal = palette();
    pal.setColor(QPalette::Button, toQColor(background));
    setPalette(pal);
    update();
}

void CommandButton::paintEvent(QPaintEvent* e)
{
    if (!background_) {
        QPushButton::paintEvent(e);
        return;
    }
    // Qt's push button neither fills with a flat colour nor wraps its text,
    // so the bevel comes from the style and the rest is drawn here.
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QColor fill = palette().color(QPalette::Button);
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButtonBevel, opt);
    const QRect box = captionBox();
    p.fillRect(box.adjusted(-1, -1, 1, 1), fill);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = box;
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

QRect CommandButton::captionBox() const
{
    if (background_) {
        const int inset = isDown() ? 4 : 3;
        return rect().adjusted(inset, inset, -inset, -inset);
    }
    QStyleOptionButton opt;
    initStyleOption(&opt);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
}

void CommandButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        QPushButton::mousePressEvent(e);
    e->accept();  // every button, so that its release comes back here
}

void CommandButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        QPushButton::mouseReleaseEvent(e);
    e->accept();
    if (const auto pointer = pressOrRelease(this, e); pointer && onRelease)
        onRelease(*pointer);
}

void CommandButton::keyPressEvent(QKeyEvent* e)
{
    setKeyboardInUse(this);
    if (onKey && onKey(*e)) {
        e->accept();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        // Qt leaves Return and Enter to a dialog's default button; here
        // each button with a click handler answers them itself.
        if (onClick)
            click();
        e->accept();
        return;
    }
    QPushButton::keyPressEvent(e);
}

} // namespace tk
