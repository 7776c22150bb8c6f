#pragma once
#include "Colour.h"
#include "Placed.h"

#include <QLabel>

namespace tk {

// A label: a caption in the window's font or its own, left-aligned or
// centred, on the window's background unless it has colours of its own.
class Label : public QLabel, public Placed {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    void setCaption(const QString& caption);
    void setColours(Colour fore, Colour back);
};

} // namespace tk
