#pragma once
#include "toolkit/Form.h"

namespace tk { class Browser; }

// The help viewer: shows its page from the top each time it is shown, keeps
// the browser filling the window, and steps back and forth between the
// places of the page. Its Exit button and Esc hide it; closed, it is gone.
class HelpWindow : public tk::Form {
    Q_OBJECT
public:
    HelpWindow();

    // The page shown, a file path, from the next showing on.
    void setPage(const QString& path) { page_ = path; }
    tk::Browser& browser() const { return *browser_; }

    void back();
    void forward();

protected:
    void showEvent(QShowEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    tk::Browser* browser_;
    QString page_;
};
