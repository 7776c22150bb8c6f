#pragma once
#include "toolkit/Form.h"

namespace tk { class Browser; }

// The help viewer: shows the page whose location is in its Tag each time it
// is shown, keeps the browser filling the window, and steps back and forth
// between the places of the page. Esc leaves it as its Exit button does.
class HelpForm : public tk::Form {
    Q_OBJECT
public:
    HelpForm();

    tk::Browser* WebBrowser1;

    void Command1_Click();  // Back
    void Command2_Click();  // Forward
    void Command3_Click();  // Exit

protected:
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_KeyPress(Integer& KeyAscii) override;
    void Form_Unload() override;
};
