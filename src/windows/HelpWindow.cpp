#include "HelpWindow.h"

#include "FormBuilder.h"
#include "SideWindowLayouts.h"
#include "toolkit/Browser.h"
#include "toolkit/CommandButton.h"

#include <QKeyEvent>

HelpWindow::HelpWindow() : tk::Form(helpWindowLayout().style)
{
    setAttribute(Qt::WA_DeleteOnClose);
    layout::build(*this, helpWindowLayout());
    browser_ = control<tk::Browser>(helpNames::Browser);
    control<tk::CommandButton>(helpNames::Back)->onClick = [this] { back(); };
    control<tk::CommandButton>(helpNames::Forward)->onClick = [this] { forward(); };
    control<tk::CommandButton>(helpNames::Exit)->onClick = [this] { hide(); };
}

void HelpWindow::showEvent(QShowEvent* e)
{
    tk::Form::showEvent(e);
    if (!e->spontaneous())
        browser_->navigate(page_);
}

void HelpWindow::resizeEvent(QResizeEvent* e)
{
    tk::Form::resizeEvent(e);
    // The browser fills the window as the layout was drawn; a size that
    // would come out negative is left as it was.
    const float width = outerWidth() - 120;
    const float height = outerHeight() - 480 - browser_->Top();
    browser_->setBounds(browser_->Left(), browser_->Top(), width >= 0 ? width : browser_->Width(),
                        height >= 0 ? height : browser_->Height());
}

void HelpWindow::back()
{
    // Only places inside the page have a '#': never step off the page.
    if (browser_->locationURL().contains(u'#'))
        browser_->goBack();
}

void HelpWindow::forward()
{
    if (browser_->locationURL().contains(u'#'))
        browser_->goForward();
}

void HelpWindow::keyPressEvent(QKeyEvent* e)
{
    // Esc leaves the page as the Exit button does.
    if (e->key() != Qt::Key_Escape)
        return tk::Form::keyPressEvent(e);
    e->accept();
    hide();
}
