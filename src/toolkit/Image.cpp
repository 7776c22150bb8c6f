#include "Image.h"
#include "Announce.h"
#include "Keys.h"
#include "Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace tk {

bool keyboardInUse(const QWidget* w)
{
    // Qt sets this on a Tab and clears it on a mouse press, for its own focus frames.
    return w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

namespace {
// Redraws what shows the keyboard's marks: the focused control and the menus' mnemonics.
void redrawMarks(QWidget* window)
{
    if (QWidget* focus = window->focusWidget())
        focus->update();
    for (QMenuBar* menus : window->findChildren<QMenuBar*>())
        menus->update();
}

// A mouse press in a window puts its keyboard marks away again.
class MouseEndsMarks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
            QWidget* window = static_cast<QWidget*>(watched)->window();
            if (window->property("tk.marked").toBool()) {
                window->setProperty("tk.marked", false);
                window->setAttribute(Qt::WA_KeyboardFocusChange, false);
                redrawMarks(window);
            }
        }
        return false;
    }
};
} // namespace

void setKeyboardInUse(QWidget* w)
{
    // Made once, on the first key, and gone with the application.
    static const MouseEndsMarks* const watching = [] {
        auto* filter = new MouseEndsMarks(qApp);
        qApp->installEventFilter(filter);
        return filter;
    }();
    Q_UNUSED(watching);
    QWidget* window = w->window();
    if (window->property("tk.marked").toBool())
        return;
    window->setProperty("tk.marked", true);
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    redrawMarks(window);
}

bool marksShown(const QWidget* w)
{
    return w->window()->property("tk.pictureMarks").toBool();
}

void showMarks(QWidget* window, bool on)
{
    window->setProperty("tk.pictureMarks", on);
    for (Image* image : window->findChildren<Image*>())
        image->update();
}

Image::Image(QWidget* parent) : QWidget(parent), Placed(this)
{
    setFocusPolicy(Qt::NoFocus);
}

void Image::setPicture(const Picture& picture)
{
    picture_ = picture;
    setBounds(Left(), Top(), picture.widthTwips(), picture.heightTwips());
    update();
}

Image* Image::cloneHidden() const
{
    auto* copy = new Image(parentWidget());
    copy->becomeHiddenCopyOf(*this);
    return copy;
}

void Image::becomeHiddenCopyOf(const Image& model)
{
    hide();
    setObjectName(model.objectName());
    setFocusPolicy(model.focusPolicy());
    picture_ = model.picture_;
    setTag(QString());
    setBounds(model.Left(), model.Top(), model.Width(), model.Height());
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const qreal scale = scaleOf(this);
    if (!picture_.isNull()) {
        // Pixel art stays sharp at whole multiples of its pixels; only a zoom
        // in between is smoothed, where sampling would make pixels of uneven size.
        const qreal device = scale * devicePixelRatioF();
        p.setRenderHint(QPainter::SmoothPixmapTransform, std::abs(device - std::round(device)) > 1e-3);
        p.save();
        p.scale(scale, scale);
        p.drawPixmap(0, 0, marksShown(this) ? picture_.marked() : picture_.pixmap());
        p.restore();
    }
    if (hasFocus() && keyboardInUse(this)) {
        // Over the edge of the cell the picture is laid out in: two designed
        // pixels of the desktop's highlight colour and one of white inside,
        // which stand out from every peg and from the empty slot.
        const int cell = toPixels(360, scale), t = std::max(1, qRound(scale));
        const QRect outer(0, 0, std::min(cell, width()), std::min(cell, height()));
        const auto ring = [&p](const QRect& r, int width, const QColor& colour) {
            p.setClipRegion(QRegion(r) - QRegion(r.adjusted(width, width, -width, -width)));
            p.fillRect(r, colour);
        };
        ring(outer, 2 * t, palette().color(QPalette::Highlight));
        ring(outer.adjusted(2 * t, 2 * t, -2 * t, -2 * t), t, Qt::white);
    }
}

void Image::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    if (const auto m = pressArgs(this, e); m && onMouseDown)
        onMouseDown(*m);
}

void Image::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    if (onMouseMove)
        onMouseMove(moveArgs(this, e));
}

void Image::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    if (const auto m = pressArgs(this, e); m && onMouseUp)
        onMouseUp(*m);
}

void Image::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double-click arrives only as the double-click.
    e->accept();
    if (pressArgs(this, e) && onDblClick)
        onDblClick();
}

void Image::keyPressEvent(QKeyEvent* e)
{
    setKeyboardInUse(this);
    Integer code = keyCodeOf(e);
    if (code != 0 && onKeyDown)
        onKeyDown(code, shiftOf(e->modifiers()));
    if (code == 0 && keyCodeOf(e) != 0)
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

void Image::focusInEvent(QFocusEvent*)
{
    update();
}

void Image::focusOutEvent(QFocusEvent*)
{
    update();
}

} // namespace tk
