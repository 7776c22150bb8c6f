#pragma once
#include "Colour.h"
#include "Placed.h"

#include <QWidget>

namespace tk {

// A horizontal or vertical line; drawing only, the mouse goes through.
class Line : public QWidget, public Placed {
    Q_OBJECT
public:
    explicit Line(QWidget* parent, Colour colour);
    // From (x1, y1) to (x2, y2) in twips; the end point is not drawn.
    void setEnds(float x1, float y1, float x2, float y2);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Colour colour_;
};

// A rectangle outline one designed pixel wide, inside its bounds; the mouse
// goes through it.
class Shape : public QWidget, public Placed {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent, Colour colour);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Colour colour_;
};

// The bordered panel: an etched rectangle, a dark outline with a light one a
// pixel inside it, that keeps fitted to its size. Everything else shows
// through it, and the mouse passes to what lies beneath.
class Panel : public QWidget, public Placed {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent);

protected:
    void sizeChanged() override;

private:
    Shape* dark_;
    Shape* light_;
};

} // namespace tk
