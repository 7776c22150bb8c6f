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

// Left, Top, Width and Height of a control, held in twips as the game sees
// them, with its Tag text; the widget is kept at the nearest pixels. Shown
// and hidden through QWidget's own setVisible/show/hide.
class Placed {
public:
    explicit Placed(QWidget* self) : self_(self) {}
    virtual ~Placed() = default;

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float v);
    void setTop(float v);
    void setWidth(float v);
    void setHeight(float v);
    void setBounds(float left, float top, float width, float height);
    // Left and Top, or Width and Height, at once: one change, one repaint.
    void setPosition(float left, float top);
    void setSize(float width, float height);

    // The control's own flag, whether or not its window is showing.
    bool Visible() const;

    const QString& Tag() const { return tag_; }
    void setTag(const QString& tag);

    // What a screen reader calls the control, asked only when one wants it;
    // without it, the control's own text. nameMayHaveChanged() tells a
    // listening reader to ask again.
    std::function<QString()> describe;
    // What it reads after the name, asked the same way; without it, the tool tip.
    std::function<QString()> explain;
    void nameMayHaveChanged() const;
    std::vector<Action> accessibleActions;

    void bringToFront();
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
    QString tag_;
    std::optional<QFont> designFont_;
};

} // namespace tk
