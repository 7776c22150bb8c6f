#include "FormBuilder.h"

#include "toolkit/Browser.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/ImageRow.h"
#include "toolkit/Label.h"
#include "toolkit/Shapes.h"
#include "toolkit/TextBox.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace layout {

namespace {

Qt::Alignment alignmentOf(Align a)
{
    return a == Align::Centre ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop;
}

QWidget* makePanel(tk::Form& form, const Control& c)
{
    auto* panel = new tk::Panel(form.client());
    panel->setBounds(c.left, c.top, c.width, c.height);
    return panel;
}

QWidget* makeLabel(tk::Form& form, const Control& c, const QString& caption)
{
    auto* label = new tk::Label(form.client());
    label->setCaption(caption);
    label->setAlignment(alignmentOf(c.align));
    if (c.fore || c.back)
        label->setColours(c.fore.value_or(tk::ButtonText), c.back.value_or(tk::ButtonFace));
    label->setBounds(c.left, c.top, c.width, c.height);
    return label;
}

QWidget* makeButton(tk::Form& form, const Control& c, const QString& caption)
{
    auto* button = new tk::CommandButton(form.client());
    button->setCaption(caption);
    if (c.graphical)
        button->setGraphical(c.back.value_or(tk::ButtonFace));
    button->setBounds(c.left, c.top, c.width, c.height);
    return button;
}

QWidget* makeImage(tk::Form& form, const Control& c)
{
    auto* image = new tk::Image(form.client());
    if (c.picture)
        image->setPicture(QPixmap(QString::fromLatin1(c.picture)));
    image->setBounds(c.left, c.top, c.width, c.height);
    return image;
}

QWidget* makeImageRow(tk::Form& form, const Control& c)
{
    auto* row = new tk::ImageRow(form.client());
    row->setBounds(c.left, c.top, c.width, c.height);
    return row;
}

QWidget* makeLine(tk::Form& form, const Control& c)
{
    auto* line = new tk::Line(form.client(), c.fore.value_or(tk::WindowText));
    line->setEnds(c.left, c.top, c.width, c.height);
    return line;
}

QWidget* makeTextBox(tk::Form& form, const Control& c, const QString& caption)
{
    auto* box = new tk::TextBox(form.client());
    box->setText(caption, alignmentOf(c.align));
    box->setBounds(c.left, c.top, c.width, c.height);
    return box;
}

QWidget* makePictureBox(tk::Form& form, const Control& c)
{
    auto* box = new tk::PictureBox(form.client());
    if (c.picture)
        box->setPixmap(QPixmap(QString::fromLatin1(c.picture)));
    box->setBounds(c.left, c.top, c.width, c.height);
    return box;
}

QWidget* makeBrowser(tk::Form& form, const Control& c)
{
    auto* browser = new tk::Browser(form.client());
    browser->setBounds(c.left, c.top, c.width, c.height);
    return browser;
}

QWidget* make(tk::Form& form, const Control& c, const QString& caption)
{
    switch (c.kind) {
    case Kind::Panel: return makePanel(form, c);
    case Kind::Label: return makeLabel(form, c, caption);
    case Kind::Button: return makeButton(form, c, caption);
    case Kind::Image: return makeImage(form, c);
    case Kind::ImageRow: return makeImageRow(form, c);
    case Kind::Line: return makeLine(form, c);
    case Kind::TextBox: return makeTextBox(form, c, caption);
    case Kind::PictureBox: return makePictureBox(form, c);
    case Kind::Browser: return makeBrowser(form, c);
    }
    return nullptr;
}

// A caption in the language in use; the layouts hold the English, which
// also names it in the translations, under the window's name.
QString translated(const Window& window, const char* caption)
{
    return *caption ? QCoreApplication::translate(window.name, caption) : QString();
}

} // namespace

QString controlName(const char* name, int index)
{
    const QString n = QString::fromLatin1(name);
    return index < 0 ? n : QStringLiteral("%1(%2)").arg(n).arg(index);
}

Built build(tk::Form& form, const Window& window)
{
    form.setObjectName(QString::fromLatin1(window.name));
    form.setWindowTitle(translated(window, window.caption));
    form.setWindowIcon(QIcon(QString::fromLatin1(window.icon)));
    form.setDesignFont(tk::makeFont(window.font));

    for (const Control& c : window.controls) {
        QWidget* w = make(form, c, translated(window, c.caption));
        const QString name = controlName(c.name, c.index);
        w->setObjectName(name);
        if (c.font)
            dynamic_cast<tk::Placed&>(*w).setDesignFont(tk::makeFont(*c.font));
        w->setVisible(c.visible);
    }

    QWidget* previous = nullptr;
    for (const char* name : window.tabOrder) {
        QWidget* w = form.control<QWidget>(QString::fromLatin1(name));
        if (!w || w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }

    Built built;
    QMenu* menu = nullptr;
    for (const MenuItem& item : window.menu) {
        QString caption = translated(window, item.caption);
        if (item.mnemonic && !caption.contains(u'&'))
            caption.insert(caption.indexOf(QLatin1Char(item.mnemonic)), u'&');
        QAction* action = nullptr;
        if (item.level == 0) {
            menu = form.menuBar()->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(item.name));
            action = menu->menuAction();
        } else if (menu) {
            action = caption == u"-" ? menu->addSeparator() : menu->addAction(caption);
        }
        if (action) {
            action->setObjectName(QString::fromLatin1(item.name));
            action->setCheckable(item.checkable);
            if (item.shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            built.menu.insert(QString::fromLatin1(item.name), action);
        }
    }
    return built;
}

} // namespace layout
