#include "AboutForm.h"

#include "FormBuilder.h"
#include "SideWindowLayouts.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Keys.h"
#include "toolkit/TextBox.h"

AboutForm::AboutForm() : tk::Form(aboutFormLayout().style)
{
    layout::build(*this, aboutFormLayout());
    control<tk::CommandButton>("AboutOk")->onClick = [this] { unload(); };
    control<tk::TextBox>("AboutText")->onMouseDown = [this](const tk::Mouse&) { unload(); };
}

void AboutForm::Form_KeyPress(Integer& KeyAscii)
{
    if (KeyAscii == tk::KeyEscape) {
        KeyAscii = 0;
        unload();
    }
}
