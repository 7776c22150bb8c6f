#pragma once
#include "basics/Integer.h"

#include <QPointer>
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
// is given in twips, placed in the centre of the screen. Subclasses react to
// load, activate, resize, unload and key-press events.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const FormStyle& style);
    ~Form() override;

    // The client area: the parent of every control.
    QWidget* client() const { return client_; }
    // Logical pixels per designed pixel; above 1 only for a scalable window
    // made larger than designed.
    qreal scale() const { return scale_; }
    // The window's font at the designed size; controls without their own inherit it.
    void setDesignFont(const QFont& font);
    const QFont& designFont() const { return designFont_; }
    QMenuBar* menuBar();
    QString caption() const { return windowTitle(); }
    WindowRole role() const { return role_; }

    const QString& Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // Joins the program's open windows and runs Form_Load; once only.
    void load();
    bool isUnloaded() const { return unloaded_; }
    // Shows the window modally; returns when it is hidden or unloaded.
    void showModal();
    // Leaves the open windows, closes and is deleted soon after.
    void unload();

    // Outer size in twips, with the frame the layouts were designed for
    // around the window's own area (menu bar included).
    float outerWidth() const;
    float outerHeight() const;

    // A control by its name, "Label1" or "Guessed(0)".
    template <class T>
    T* control(const QString& name) const { return client_->findChild<T*>(name, Qt::FindDirectChildrenOnly); }

    // The controls a screen reader finds in the client area, in the order it
    // reads them; without it, all of them in the order they were made.
    std::function<QList<QWidget*>()> readingOrder;

signals:
    void hidden();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_Unload() {}
    // Set KeyAscii to 0 to swallow the key.
    virtual void Form_KeyPress(Integer& KeyAscii) { Q_UNUSED(KeyAscii); }

    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;
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
    QString tag_;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool placed_ = false;
};

// The program's open windows, shown or hidden, in the order they were loaded.
QList<Form*> openForms();

// A side window has one shared instance, loaded on first use and again after
// it has been unloaded.
template <class F>
F& sharedForm()
{
    static QPointer<F> instance;
    if (!instance || instance->isUnloaded()) {
        instance = new F;
        instance->load();
    }
    return *instance;
}

} // namespace tk
