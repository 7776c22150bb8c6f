#pragma once
#include "basics/Integer.h"
#include "toolkit/Placed.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/Shapes.h"

#include <QFont>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

// The fonts a panel holds are shared objects: assigning one shares it.
using FontRef = std::shared_ptr<QFont>;
Q_DECLARE_METATYPE(FontRef)

// The bordered panel: an etched rectangle (a dark outline with a light one a
// pixel inside it) that keeps fitted to its size. Everything else shows
// through it, and the mouse passes to what lies beneath. Its five stored
// properties are kept and saved for the host but change nothing on screen;
// Enabled and Font are stored apart from the widget's own.
class Frame : public QWidget, public tk::Placed {
    Q_OBJECT
public:
    // Where the host's ambient font comes from; a fresh object on every call.
    using AmbientFont = std::function<FontRef()>;

    // A new panel, 1905 x 1230 twips, with the stored properties' defaults.
    Frame(QWidget* host, AmbientFont ambient);

    // Lifecycle entry points called by the host.
    void initProperties();
    void readProperties(const tk::PropertyBag& bag);
    void writeProperties(tk::PropertyBag& bag) const;

    std::int32_t BackColor() const { return backColor_; }
    std::int32_t ForeColor() const { return foreColor_; }
    bool StoredEnabled() const { return enabled_; }
    FontRef StoredFont() const { return font_; }
    Integer BackStyle() const { return backStyle_; }
    void setBackColor(std::int32_t v);
    void setForeColor(std::int32_t v);
    void setStoredEnabled(bool v);
    void setStoredFont(FontRef v);
    void setBackStyle(Integer v);

    // The dark outline (0) and the light one (1).
    tk::Shape& outline(int i) const { return *outline_[i]; }

signals:
    // The host marks its layout changed so that the value gets saved.
    void propertyChanged(const QString& name);

protected:
    void sizeChanged() override;

private:
    void Resize();

    AmbientFont ambient_;
    tk::Shape* outline_[2];
    std::int32_t backColor_ = 0;
    std::int32_t foreColor_ = 0;
    bool enabled_ = false;
    FontRef font_;
    Integer backStyle_ = 0;
};
