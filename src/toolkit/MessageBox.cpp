#include "MessageBox.h"

#include <QMessageBox>

namespace tk {

Integer msgBox(const QString& prompt, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.setObjectName(QStringLiteral("msgBox"));
    return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
}

} // namespace tk
