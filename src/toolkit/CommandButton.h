#pragma once
#include "Colour.h"
#include "Placed.h"
#include "Pointer.h"

#include <QPushButton>
#include <functional>
#include <optional>

namespace tk {

// A command button. Click is Qt's own (left button, or Space, Return or
// Enter when focused, a held key clicking once); onRelease hears every
// button released after a press on it, onKey every key pressed while it has
// the focus. A button without a click handler takes no notice of Space,
// Return or Enter. In graphical style it shows its background colour and
// wraps its caption.
class CommandButton : public QPushButton, public Placed {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent);

    void setCaption(const QString& caption);
    // A screen reader reads it as the button's description.
    void setToolTipText(const QString& text);
    void setGraphical(Colour background);
    // Where the caption is drawn: a graphical button wraps it there, a plain
    // one keeps it on one line.
    QRect captionBox() const;
    bool wrapsCaption() const { return background_.has_value(); }

    std::function<void()> onClick;
    std::function<void(const Pointer&)> onRelease;
    // True when the key was the button's to answer.
    std::function<bool(const QKeyEvent&)> onKey;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    std::optional<Colour> background_;
};

} // namespace tk
