#pragma once
#include "toolkit/Placed.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/Shapes.h"
#include "toolkit/Types.h"

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
// properties are kept and saved for the host but change nothing on screen.
class Frame : public QWidget, public tk::Placed {
    Q_OBJECT
public:
    static constexpr const char* ClassName = "Project1.Frame";
    // Where the host's ambient font comes from; a fresh object on every call.
    using AmbientFont = std::function<FontRef()>;

    Frame(QWidget* host, AmbientFont ambient);

    // Lifecycle entry points called by the host.
    void initProperties();
    void readProperties(const tk::PropertyBag& bag);
    void writeProperties(tk::PropertyBag& bag) const;

    std::int32_t BackColor() const { return backColor_; }
    std::int32_t ForeColor() const { return foreColor_; }
    bool Enabled() const { return enabled_; }
    FontRef Font() const { return font_; }
    tk::Integer BackStyle() const { return backStyle_; }
    void setBackColor(std::int32_t v);
    void setForeColor(std::int32_t v);
    void setEnabled(bool v);
    void setFont(FontRef v);
    void setBackStyle(tk::Integer v);

    tk::Shape& rect(int i) const { return *rect_[i]; }

signals:
    // The host marks its layout changed so that the value gets saved.
    void propertyChanged(const QString& name);

protected:
    void sizeChanged() override;

private:
    void Resize();

    AmbientFont ambient_;
    tk::Shape* rect_[2];
    std::int32_t backColor_ = 0;
    std::int32_t foreColor_ = 0;
    bool enabled_ = false;
    FontRef font_;
    tk::Integer backStyle_ = 0;
};
