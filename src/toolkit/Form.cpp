#include "Form.h"
#include "Accessible.h"
#include "Font.h"
#include "Placed.h"
#include "Twips.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

namespace tk {

namespace {
// Menu mnemonics are underlined only once the keyboard is in use, so that a
// window worked with the mouse looks as it was drawn.
class MnemonicsOnKeyboard : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_UnderlineShortcut)
            return widget && keyboardInUse(widget);
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// Redraws what shows the keyboard's marks: the focused control and the menus' mnemonics.
void redrawMarks(QWidget* window)
{
    if (QWidget* focus = window->focusWidget())
        focus->update();
    for (QMenuBar* menus : window->findChildren<QMenuBar*>())
        menus->update();
}
} // namespace

bool keyboardInUse(const QWidget* w)
{
    // Qt sets this itself on a Tab, for its own focus frames.
    return w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void setKeyboardInUse(QWidget* w)
{
    QWidget* window = w->window();
    if (keyboardInUse(window))
        return;
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    redrawMarks(window);
}

Form::Form(const FormStyle& style)
    : sizing_(style.sizing),
      role_(style.role),
      designed_(toPixels(style.clientWidth), toPixels(style.clientHeight)),
      area_(new QWidget),
      client_(new QWidget(area_)),
      layout_(new QVBoxLayout(this))
{
    installAccessibleInterfaces();
    client_->setObjectName(QStringLiteral("client"));
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(area_);
    for (QWidget* w : {area_, client_}) {
        w->setAutoFillBackground(true);
        w->setBackgroundRole(QPalette::Button);
    }
    client_->resize(designed_);
    area_->installEventFilter(this);
    switch (sizing_) {
    case Sizing::Fixed:
        area_->setFixedSize(designed_);
        layout_->setSizeConstraint(QLayout::SetFixedSize);
        break;
    case Sizing::Sizable:
        area_->setMinimumSize(1, 1);
        resize(designed_);
        break;
    case Sizing::Scalable:
        area_->setMinimumSize(designed_);
        resize(designed_);
        break;
    }
}

void Form::setDesignFont(const QFont& font)
{
    designFont_ = font;
    client_->setFont(zoomed(font, scale_));
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == area_ && event->type() == QEvent::Resize)
        fitClient();
    // Every mouse press of the window passes its QWindow first, whichever control it is for.
    const QEvent::Type type = event->type();
    if (watched == windowHandle() && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) {
        if (keyboardInUse(this)) {
            setAttribute(Qt::WA_KeyboardFocusChange, false);
            redrawMarks(this);
        }
        pointerPressed();
    }
    return QWidget::eventFilter(watched, event);
}

void Form::fitClient()
{
    const QSize area = area_->size();
    if (sizing_ == Sizing::Sizable) {
        client_->setGeometry(QRect(QPoint(0, 0), area));
        return;
    }
    if (sizing_ == Sizing::Fixed)
        return;
    const qreal s = std::max(1.0, std::min(qreal(area.width()) / designed_.width(),
                                          qreal(area.height()) / designed_.height()));
    const QSize size(qRound(designed_.width() * s), qRound(designed_.height() * s));
    client_->setGeometry(QRect(QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size));
    if (s == scale_)
        return;
    scale_ = s;
    client_->setFont(zoomed(designFont_, s));
    // Every control, the panels' outlines included, takes its place anew.
    for (QWidget* w : client_->findChildren<QWidget*>())
        if (auto* placed = dynamic_cast<Placed*>(w))
            placed->rescale();
}

QMenuBar* Form::menuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        auto* style = new MnemonicsOnKeyboard;
        style->setParent(menuBar_);
        menuBar_->setStyle(style);
        layout_->setMenuBar(menuBar_);
        // F10 opens the first menu, as on most desktops.
        auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
        connect(f10, &QShortcut::activated, menuBar_, [this] {
            if (!menuBar_->actions().isEmpty())
                menuBar_->setActiveAction(menuBar_->actions().first());
        });
    }
    return menuBar_;
}

void Form::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    if (isHidden())
        return;
    QEventLoop loop;
    connect(this, &Form::hidden, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void Form::showBeside(QWidget& other)
{
    const QScreen* s = other.screen();
    if (s && !placed_) {
        placed_ = true;
        const QRect area = s->availableGeometry(), beside = other.frameGeometry();
        const QSize size = frameGeometry().size().expandedTo(sizeHint());
        if (beside.width() + size.width() <= area.width()) {
            const int left = area.center().x() + 1 - (beside.width() + size.width()) / 2;
            other.move(left, beside.top());
            move(left + beside.width(), beside.top());
        } else {
            move(std::max(area.left(), area.right() + 1 - size.width()), beside.top());
        }
    }
    show();
}

namespace {
// The frame the layouts were drawn for: 45 twips of border on each side and
// 330 from the window's top to its client area. Window managers draw frames
// of their own and report them late or not at all (not before the first
// show on X11), so sizes reckoned from them would leave the help browser
// short of the window on one desktop and cut off on another.
constexpr float DesignedBorder = 45;
constexpr float DesignedCaption = 330;
} // namespace

float Form::outerWidth() const
{
    return toTwips(width()) + 2 * DesignedBorder;
}

float Form::outerHeight() const
{
    return toTwips(height()) + DesignedCaption + DesignedBorder;
}

void Form::centre()
{
    if (placed_)
        return;
    placed_ = true;
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        const QSize size = frameGeometry().size().expandedTo(sizeHint());
        const QPoint centred = area.center() - QPoint(size.width() / 2, size.height() / 2);
        // A window larger than the screen keeps its top-left corner, and so
        // its menu bar, on it: many desktops never move a window back.
        move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
    }
}

void Form::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    centre();
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);  // installed again, it only replaces itself
}

void Form::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (!e->spontaneous())
        emit hidden();
}

void Form::keyPressEvent(QKeyEvent* e)
{
    setKeyboardInUse(this);
    QWidget::keyPressEvent(e);
}

} // namespace tk
