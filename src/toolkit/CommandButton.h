#pragma once
#include "Colour.h"
#include "MouseArgs.h"
#include "Placed.h"

#include <QPushButton>
#include <functional>
#include <optional>

namespace tk {

// A command button. Click is Qt's own (left button, or Space, Return or
// Enter when focused); MouseUp reports every button released after a press
// on it, KeyDown every key pressed while it has the focus. A button without
// a click handler takes no notice of Space, Return or Enter.
// In graphical style it shows its background colour and wraps its caption.
class CommandButton : public QPushButton, public Placed {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    QString toolTipText() const { return toolTip(); }
    // A screen reader reads it as the button's description.
    void setToolTipText(const QString& text);
    void setGraphical(Colour background);
    // Where the caption is drawn: a graphical button wraps it there, a plain
    // one keeps it on one line.
    QRect captionBox() const;
    bool wrapsCaption() const { return background_.has_value(); }

    std::function<void()> onClick;
    std::function<void(const Mouse&)> onMouseUp;
    std::function<void(Integer& KeyCode, Integer Shift)> onKeyDown;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    std::optional<Colour> background_;
};

} // namespace tk
