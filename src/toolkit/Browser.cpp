#include "Browser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScrollBar>

namespace tk {

namespace {
QUrl urlOf(const QString& location)
{
    // A file path may hold blanks, '#' or letters beyond ASCII: it is a path,
    // never parsed as a URL with a fragment.
    if (location.startsWith(u'/'))
        return QUrl::fromLocalFile(location);
    return QUrl(location);
}
} // namespace

Browser::Browser(QWidget* parent) : QTextBrowser(parent), Placed(this)
{
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

void Browser::navigate(const QString& location)
{
    setSource(urlOf(location));
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

QString Browser::locationURL() const
{
    return source().toString();
}

QString Browser::notFoundPage(const QString& location)
{
    return QCoreApplication::translate("Browser", "<h2>Page not found</h2><p>The page <b>%1</b> could not be opened.</p>")
        .arg(location.toHtmlEscaped());
}

void Browser::doSetSource(const QUrl& url, QTextDocument::ResourceType type)
{
    if (!url.isLocalFile() && !url.scheme().isEmpty() && url.scheme() != u"qrc")
        return;  // another site: stay on the page
    QTextBrowser::doSetSource(url, type);
}

QVariant Browser::loadResource(int type, const QUrl& name)
{
    // A page that is not there is explained on the page itself; the game
    // writes no log, so Qt is never left to warn about it on stderr.
    if (type == QTextDocument::HtmlResource && name.isLocalFile() && !QFileInfo::exists(name.toLocalFile()))
        return notFoundPage(name.toLocalFile());
    return QTextBrowser::loadResource(type, name);
}

} // namespace tk
