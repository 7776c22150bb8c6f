#pragma once
#include "toolkit/Form.h"

// The about box: closes on its OK button, on a press of any mouse button on
// its text, and on Esc.
class AboutForm : public tk::Form {
    Q_OBJECT
public:
    AboutForm();

protected:
    void Form_KeyPress(Integer& KeyAscii) override;
};
