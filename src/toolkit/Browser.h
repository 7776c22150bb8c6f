#pragma once
#include "Placed.h"

#include <QTextBrowser>

namespace tk {

// The embedded HTML browser: navigate to a location, read the current
// location back, step back and forward through the history. Links to other
// sites are not followed; the page stays where it is.
class Browser : public QTextBrowser, public Placed {
    Q_OBJECT
public:
    explicit Browser(QWidget* parent);

    void navigate(const QString& location);
    QString locationURL() const;
    void goBack() { backward(); }
    void goForward() { forward(); }

    // A location that cannot be opened shows this page rather than nothing.
    static QString notFoundPage(const QString& location);

protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override;
    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace tk
