#include "HelpForm.h"

#include "FormBuilder.h"
#include "SideWindowLayouts.h"
#include "toolkit/Browser.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Keys.h"

HelpForm::HelpForm() : tk::Form(helpFormLayout().style)
{
    layout::build(*this, helpFormLayout());
    WebBrowser1 = control<tk::Browser>("WebBrowser1");
    control<tk::CommandButton>("Command1")->onClick = [this] { Command1_Click(); };
    control<tk::CommandButton>("Command2")->onClick = [this] { Command2_Click(); };
    control<tk::CommandButton>("Command3")->onClick = [this] { Command3_Click(); };
}

void HelpForm::Form_Activate()
{
    WebBrowser1->navigate(Tag());
}

void HelpForm::Form_Resize()
{
    // A size that would come out negative is left as it was.
    const float W = outerWidth();
    if (W - 120 >= 0)
        WebBrowser1->setWidth(W - 120);
    const float T = WebBrowser1->Top();
    const float H = outerHeight();
    if ((H - 480) - T >= 0)
        WebBrowser1->setHeight((H - 480) - T);
}

void HelpForm::Command1_Click()
{
    // Only positions inside the page have a '#': never step off the page.
    if (WebBrowser1->locationURL().contains(u'#'))
        WebBrowser1->goBack();
}

void HelpForm::Command2_Click()
{
    if (WebBrowser1->locationURL().contains(u'#'))
        WebBrowser1->goForward();
}

void HelpForm::Command3_Click()
{
    hide();
}

void HelpForm::Form_KeyPress(Integer& KeyAscii)
{
    // Esc leaves the page as the Exit button does.
    if (KeyAscii == tk::KeyEscape) {
        KeyAscii = 0;
        Command3_Click();
    }
}

void HelpForm::Form_Unload()
{
    hide();
}
