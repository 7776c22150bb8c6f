#include "AboutForm.h"

#include "FormBuilder.h"
#include "SideWindowLayouts.h"
#include "toolkit/CommandButton.h"
#include "toolkit/TextBox.h"

AboutForm::AboutForm() : tk::Form(QString(), aboutFormLayout().clientWidth, aboutFormLayout().clientHeight, tk::Sizing::Fixed)
{
    layout::build(*this, aboutFormLayout());
    control<tk::CommandButton>("AboutOk")->onClick = [this] { unload(); };
    control<tk::TextBox>("AboutText")->onMouseDown = [this](const tk::Mouse&) { unload(); };
}

void AboutForm::Form_KeyPress(tk::Integer& KeyAscii)
{
    if (KeyAscii == 27) {
        KeyAscii = 0;
        unload();
    }
}
