#pragma once
#include <QFont>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace tk {

// The zoom of the window that holds w: 1 at its designed size.
qreal scaleOf(const QWidget* w);

// Something an assistive technology may ask a control to do, under the
// name QAccessibleActionInterface gives it ("Press", "Increase"...).
struct Action {
    QString name;
    std::function<void()> run;
};

// A control's Left, Top, Width and Height, held in twips as the game sees
// them; the widget is kept at the nearest pixels of its window's zoom.
class Placed {
public:
    explicit Placed(QWidget* self) : self_(self) {}
    virtual ~Placed() = default;

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setBounds(float left, float top, float width, float height);
    void setPosition(float left, float top) { setBounds(left, top, width_, height_); }

    // What a screen reader calls the control, asked only when one wants it;
    // without it, the control's own text. nameMayHaveChanged() tells a
    // listening reader to ask again.
    std::function<QString()> describe;
    // What it reads after the name, asked the same way; without it, the tool tip.
    std::function<QString()> explain;
    void nameMayHaveChanged() const;
    std::vector<Action> accessibleActions;

    QWidget* widget() const { return self_; }

    // The font at the designed size; the widget shows it zoomed with its window.
    void setDesignFont(const QFont& font);
    // Follows a change of the window's zoom.
    void rescale();

protected:
    // Called after every change of size, before the widget follows.
    virtual void sizeChanged() {}

private:
    void place();

    QWidget* self_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool placed_ = false;
    std::optional<QFont> designFont_;
};

} // namespace tk
