#pragma once
#include "Placed.h"

#include <QPixmap>
#include <QWidget>
#include <vector>

namespace tk {

// A row of pictures drawn from the left edge at a fixed pitch, each as an
// image control draws its picture; the mouse goes through.
class ImageRow : public QWidget, public Placed {
    Q_OBJECT
public:
    explicit ImageRow(QWidget* parent);

    void setPictures(std::vector<QPixmap> pictures);
    // Twips from one picture's left edge to the next one's.
    void setPitch(float twips) { pitch_ = twips; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<QPixmap> pictures_;
    float pitch_ = 360;
};

} // namespace tk
