#pragma once
#include "toolkit/Form.h"

// The about box: closes on its OK button, on a press of any mouse button on
// its text, and on Esc; closed, it is gone.
class AboutBox : public tk::Form {
    Q_OBJECT
public:
    AboutBox();

protected:
    void keyPressEvent(QKeyEvent*) override;
};
