#include "Accessible.h"
#include "Announce.h"
#include "CommandButton.h"
#include "Form.h"
#include "Image.h"
#include "ImageRow.h"
#include "Label.h"
#include "TextBox.h"

#include <QAccessibleWidget>

namespace tk {

namespace {

// A control of ours: its name from describe, its actions from its list.
class ControlInterface : public QAccessibleWidget {
public:
    ControlInterface(QWidget* w, Placed* placed, QAccessible::Role role)
        : QAccessibleWidget(w, role), placed_(placed) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && placed_->describe)
            return placed_->describe();
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (t == QAccessible::Name) {  // a caption's blanks lay it out; they are not read
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget()))  // "&Suggest" is read "Suggest"
                return button->text().replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&').simplified();
            if (const auto* label = qobject_cast<const QLabel*>(widget()))
                return label->text().simplified();
            if (const auto* box = qobject_cast<const QTextEdit*>(widget()))
                return box->toPlainText().simplified();
        }
        if (t == QAccessible::Description && placed_->explain)
            return placed_->explain();
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }

    // A picture that can be pressed is read as a button, not as a picture to look at.
    QAccessible::Role role() const override
    {
        const QAccessible::Role designed = QAccessibleWidget::role();
        return designed == QAccessible::Graphic && !placed_->accessibleActions.empty() ? QAccessible::Button : designed;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget()))
            s.pressed = button->isDown();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        for (const Action& a : placed_->accessibleActions)
            names << a.name;
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        for (const Action& a : placed_->accessibleActions)
            if (a.name == name) {
                if (widget()->isEnabled() && widget()->isVisible())
                    a.run();
                return;
            }
        QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    Placed* placed_;
};

// A window's client area, whose controls are read in the window's own order.
class ClientInterface : public QAccessibleWidget {
public:
    ClientInterface(QWidget* client, const Form* form) : QAccessibleWidget(client, QAccessible::Client), form_(form) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> c = children();
        return index >= 0 && index < c.size() ? QAccessible::queryAccessibleInterface(c[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(children().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> children() const { return form_->readingOrder(); }
    const Form* form_;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className == u"tk::Image")
        return new ControlInterface(w, static_cast<Image*>(w), QAccessible::Graphic);
    if (className == u"tk::CommandButton")
        return new ControlInterface(w, static_cast<CommandButton*>(w), QAccessible::Button);
    if (className == u"tk::ImageRow")  // read as the names of what it shows
        return new ControlInterface(w, static_cast<ImageRow*>(w), QAccessible::StaticText);
    if (className == u"tk::Label")
        return new ControlInterface(w, static_cast<Label*>(w), QAccessible::StaticText);
    if (className == u"tk::TextBox")  // read-only: read as text, never edited
        return new ControlInterface(w, static_cast<TextBox*>(w), QAccessible::StaticText);
    if (className == u"tk::Announcer")
        return new QAccessibleWidget(w, QAccessible::StatusBar);
    if (qobject_cast<const Announcer*>(w->parentWidget()))
        return new QAccessibleWidget(w, QAccessible::Notification);
    if (className == u"tk::Form") {
        const auto* form = static_cast<Form*>(w);
        return new QAccessibleWidget(w, form->role() == WindowRole::Main ? QAccessible::Window : QAccessible::Dialog);
    }
    if (className == u"QWidget" && w->objectName() == u"client")
        if (const auto* form = qobject_cast<const Form*>(w->window()); form && form->readingOrder)
            return new ClientInterface(w, form);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

} // namespace tk
