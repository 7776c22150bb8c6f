#include "Form.h"
#include "Accessible.h"
#include "Image.h"
#include "Font.h"
#include "Keys.h"
#include "Placed.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QProxyStyle>
#include <QShortcut>
#include <QVBoxLayout>

namespace tk {

namespace {
QList<QPointer<Form>>& registry()
{
    static QList<QPointer<Form>> forms;
    return forms;
}
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
} // namespace

QList<Form*> openForms()
{
    QList<Form*> out;
    for (const QPointer<Form>& f : registry())
        if (f && !f->isUnloaded())
            out.append(f);
    return out;
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

Form::~Form()
{
    registry().removeAll(this);
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

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    registry().append(this);
    Form_Load();
}

void Form::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    if (isHidden() || unloaded_)
        return;
    QPointer<Form> self(this);
    QEventLoop loop;
    connect(this, &Form::hidden, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void Form::unload()
{
    if (unloaded_)
        return;
    Form_Unload();
    unloaded_ = true;
    registry().removeAll(this);
    hide();
    deleteLater();
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
    Form_Activate();
}

void Form::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (!e->spontaneous())
        emit hidden();
}

void Form::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Form_Resize();
}

void Form::closeEvent(QCloseEvent* e)
{
    // Closing through the window frame unloads the window.
    e->accept();
    unload();
}

void Form::keyPressEvent(QKeyEvent* e)
{
    setKeyboardInUse(this);
    Integer key = e->key() == Qt::Key_Escape ? KeyEscape
                  : e->text().isEmpty()      ? Integer(0)
                                             : Integer(e->text().at(0).unicode());
    if (key != 0)
        Form_KeyPress(key);
    if (key == 0)
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

} // namespace tk
