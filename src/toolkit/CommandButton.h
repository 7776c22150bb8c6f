#pragma once
#include "Colour.h"
#include "Placed.h"
#include "Types.h"

#include <QPushButton>
#include <functional>
#include <optional>

namespace tk {

// A command button. Click is Qt's own (left button, or the keyboard when
// focused); MouseUp reports every button released after a press on it.
// In graphical style it shows its background colour and wraps its caption.
class CommandButton : public QPushButton, public Placed {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    QString toolTipText() const { return toolTip(); }
    // Read out too, as the button's description.
    void setToolTipText(const QString& text);
    void setGraphical(Colour background);

    std::function<void()> onClick;
    std::function<void(const Mouse&)> onMouseUp;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    std::optional<Colour> background_;
};

} // namespace tk
