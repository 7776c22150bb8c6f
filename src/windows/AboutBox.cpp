#include "AboutBox.h"

#include "FormBuilder.h"
#include "SideWindowLayouts.h"
#include "toolkit/CommandButton.h"
#include "toolkit/TextBox.h"

#include <QKeyEvent>

AboutBox::AboutBox() : tk::Form(aboutBoxLayout().style)
{
    setAttribute(Qt::WA_DeleteOnClose);
    layout::build(*this, aboutBoxLayout());
    control<tk::CommandButton>(aboutNames::Ok)->onClick = [this] { close(); };
    control<tk::TextBox>(aboutNames::Text)->onPress = [this](const tk::Pointer&) { close(); };
}

void AboutBox::keyPressEvent(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Escape)
        return tk::Form::keyPressEvent(e);
    e->accept();  // no other window hears of it
    close();
}
