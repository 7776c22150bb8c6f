#pragma once
#include "Pointer.h"
#include "Placed.h"

#include <QTextEdit>
#include <functional>

namespace tk {

// A multi-line text box that shows its text read-only, without a frame,
// on the window's background.
class TextBox : public QTextEdit, public Placed {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);
    void setText(const QString& text, Qt::Alignment align);
    std::function<void(const Pointer&)> onPress;

protected:
    void mousePressEvent(QMouseEvent*) override;
};

// A picture box: a picture drawn from its top-left corner.
class PictureBox : public QWidget, public Placed {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);
    void setPixmap(const QPixmap& pixmap);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap pixmap_;
};

} // namespace tk
