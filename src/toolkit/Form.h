#pragma once
#include <QWidget>
#include <functional>

class QMenuBar;
class QVBoxLayout;

namespace tk {

// How a window meets a change of its size.
enum class Sizing {
    Fixed,     // the designed size only
    Sizable,   // the client area follows the window; the code re-lays it
    Scalable,  // the whole client area zooms, keeping its aspect, centred
};

// What a screen reader is told a window is.
enum class WindowRole {
    Main,    // the program's own window: a frame
    Dialog,  // a side window shown over it
};

// A window's design: its client area in twips, how it sizes, what it is.
struct FormStyle {
    float clientWidth, clientHeight;
    Sizing sizing;
    WindowRole role;
};

// A top-level window of the program: caption, icon, a client area whose size
// is given in twips, placed in the centre of the screen when first shown.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const FormStyle& style);

    // The client area: the parent of every control.
    QWidget* client() const { return client_; }
    // Logical pixels per designed pixel; above 1 only for a scalable window
    // made larger than designed.
    qreal scale() const { return scale_; }
    // The window's font at the designed size; controls without their own inherit it.
    void setDesignFont(const QFont& font);
    const QFont& designFont() const { return designFont_; }
    QMenuBar* menuBar();
    WindowRole role() const { return role_; }

    // Shows the window modally; returns when it is hidden or closed.
    void showModal();
    // Shows the window to the right of another, the first time: where the
    // screen has room for both, the two are centred on it as a pair, the
    // other moved; where it has not, this one keeps to the screen.
    void showBeside(QWidget& other);

    // Outer size in twips, with the frame the layouts were designed for
    // around the window's own area (menu bar included).
    float outerWidth() const;
    float outerHeight() const;

    // A control by its name, "Label1" or "Picture1(3)".
    template <class T>
    T* control(const QString& name) const { return client_->findChild<T*>(name, Qt::FindDirectChildrenOnly); }

    // The controls a screen reader finds in the client area, in the order it
    // reads them; without it, all of them in the order they were made.
    std::function<QList<QWidget*>()> readingOrder;

signals:
    void hidden();

protected:
    // A mouse button was pressed somewhere in the window, before the control
    // under the pointer hears of it.
    virtual void pointerPressed() {}

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void centre();
    void fitClient();

    Sizing sizing_;
    WindowRole role_;
    QSize designed_;
    qreal scale_ = 1.0;
    QFont designFont_;
    QWidget* area_;
    QWidget* client_;
    QVBoxLayout* layout_;
    QMenuBar* menuBar_ = nullptr;
    bool placed_ = false;
};

// Whether focus marks show in w's window: only after a key was pressed
// there, and until the mouse is pressed there again.
bool keyboardInUse(const QWidget* w);
void setKeyboardInUse(QWidget* w);

} // namespace tk
