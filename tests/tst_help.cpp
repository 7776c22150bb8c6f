// The help viewer: where the page is looked for, how the browser follows the
// window, and stepping back and forth between places of the page.
#include "board/GameBoard.h"
#include "toolkit/Browser.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Twips.h"
#include "windows/HelpForm.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QWindow>

namespace {
// A page long enough to scroll, with a link down into itself and one to
// another site.
QByteArray page(const char* title)
{
    QByteArray html = "<html><body><a name=\"top\"></a><h1>" + QByteArray(title) + "</h1>"
                      "<p><a href=\"#far\">down to the far end</a></p>"
                      "<p><a href=\"http://example.org/\">somewhere else</a></p>";
    for (int i = 0; i < 200; ++i)
        html += "<p>Line " + QByteArray::number(i) + " of the rules.</p>";
    return html + "<h2><a name=\"far\"></a>The far end</h2><p><a href=\"#top\">back up</a></p></body></html>";
}
} // namespace

class tst_Help : public QObject {
    Q_OBJECT
    QTemporaryDir root;
    std::unique_ptr<HelpForm> help;

    tk::Browser& browser() { return *help->WebBrowser1; }
    QScrollBar& scroll() { return *browser().verticalScrollBar(); }
    QString location() { return browser().locationURL(); }

    // The page "quorvane.htm" in a new program folder of that name.
    QString programFolder(const QString& name, const char* title)
    {
        const QString folder = root.filePath(name);
        QDir().mkpath(folder);
        QFile file(QDir(folder).filePath("quorvane.htm"));
        if (!file.open(QIODevice::WriteOnly) || file.write(page(title)) < 0)
            qFatal("cannot write the help page");
        return folder;
    }

    // The help window as the board's Help command leaves it: location set, shown.
    void open(const QString& folder)
    {
        help = std::make_unique<HelpForm>();
        help->load();
        help->setTag(helpPagePath(folder));
        help->show();
        QVERIFY(QTest::qWaitForWindowExposed(help.get()));
    }

    QPoint inWindow(QWidget* w, QPoint p) { return w->mapTo(help.get(), p); }
    // A real click on the link whose text is `text`.
    void clickLink(const QString& text)
    {
        const QTextCursor found = browser().document()->find(text);
        QVERIFY2(!found.isNull(), qPrintable(text));
        QTextCursor inside(browser().document());
        inside.setPosition(found.selectionStart() + 2);
        const QPoint p = inWindow(browser().viewport(), browser().cursorRect(inside).center());
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, p);
    }
    void clickButton(const char* name)
    {
        auto* button = help->control<tk::CommandButton>(name);
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, inWindow(button, button->rect().center()));
    }

private slots:
    void initTestCase() { QVERIFY(root.isValid()); }
    void cleanup() { help.reset(); }

    void pagePathHasOneSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("root") << "/" << "/quorvane.htm";
        QTest::newRow("folder") << "/opt/games" << "/opt/games/quorvane.htm";
        QTest::newRow("folder with its separator") << "/opt/games/" << "/opt/games/quorvane.htm";
        QTest::newRow("nested, with blanks") << "/home/ana maría/my games" << "/home/ana maría/my games/quorvane.htm";
    }
    void pagePathHasOneSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(helpPagePath(folder), path);
    }

    void opensThePageWhereverTheProgramLies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "plain";
        QTest::newRow("blanks") << "my  games";
        QTest::newRow("letters beyond ASCII") << "Spiele für Zoë";
        QTest::newRow("hash") << "games#2";
        QTest::newRow("percent and hash") << "100% #fun";
    }
    void opensThePageWhereverTheProgramLies()
    {
        QFETCH(QString, name);
        open(programFolder(name, "Rules of the game"));
        QVERIFY(browser().toPlainText().startsWith("Rules of the game"));
        QCOMPARE(scroll().value(), 0);
    }

    void backAndForwardOnlyBetweenPlacesOfThePage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain folder") << "steps";
        QTest::newRow("folder with a hash") << "steps#2";
    }
    void backAndForwardOnlyBetweenPlacesOfThePage()
    {
        QFETCH(QString, name);
        open(programFolder(name, "Steps"));
        const QString first = location();

        clickButton("Command1");  // Back on the page as first opened
        QCOMPARE(location(), first);

        clickLink("down to the far end");
        const QString far = location();
        QVERIFY(far.endsWith("#far"));
        QVERIFY(scroll().value() > 0);

        clickButton("Command1");
        QCOMPARE(location(), first);
        QCOMPARE(scroll().value(), 0);

        // There is a step forward, but the page as first opened has no '#'.
        QVERIFY(browser().isForwardAvailable());
        clickButton("Command2");
        QCOMPARE(location(), first);

        clickLink("down to the far end");
        clickLink("back up");
        QVERIFY(location().endsWith("#top"));
        clickButton("Command1");
        QCOMPARE(location(), far);
        clickButton("Command2");
        QVERIFY(location().endsWith("#top"));
    }

    void otherSitesAreNotVisited()
    {
        open(programFolder("offline", "Offline"));
        const QString first = location();
        clickLink("somewhere else");
        QCOMPARE(location(), first);
        QVERIFY(browser().toPlainText().startsWith("Offline"));
    }

    void eachShowingStartsAtTheTopOfItsPage()
    {
        open(programFolder("again", "First page"));
        const QString first = location();
        clickLink("down to the far end");
        QVERIFY(scroll().value() > 0);

        clickButton("Command3");  // Exit only hides the window
        QVERIFY(help->isHidden());
        QVERIFY(!help->isUnloaded());
        help->show();
        QCOMPARE(location(), first);
        QCOMPARE(scroll().value(), 0);

        scroll().setValue(scroll().maximum() / 2);
        help->hide();
        help->show();
        QCOMPARE(scroll().value(), 0);

        scroll().setValue(scroll().maximum() / 2);
        help->hide();
        help->setTag(helpPagePath(programFolder("other", "Second page")));
        help->show();
        QVERIFY(browser().toPlainText().startsWith("Second page"));
        QCOMPARE(scroll().value(), 0);
    }

    void missingPageSaysSo()
    {
        open(root.filePath("no help here"));
        QVERIFY(browser().toPlainText().contains("page not found", Qt::CaseInsensitive));
        clickButton("Command1");
        clickButton("Command2");
        QVERIFY(help->isVisible());
    }

    void browserFillsTheWindow_data()
    {
        QTest::addColumn<QSize>("size");  // the window's own size in pixels; empty: as first shown
        QTest::addColumn<bool>("widthFollows");
        QTest::addColumn<bool>("heightFollows");
        QTest::newRow("as first shown") << QSize() << true << true;
        QTest::newRow("larger") << QSize(700, 600) << true << true;
        QTest::newRow("narrow and tall") << QSize(120, 700) << true << true;
        // The outer height, frame included, must reach the browser's top and the 480 below it.
        QTest::newRow("just tall enough") << QSize(500, 35) << true << true;
        QTest::newRow("too low: height kept") << QSize(500, 34) << true << false;
        QTest::newRow("just wide enough") << QSize(2, 500) << true << true;
        QTest::newRow("too narrow: width kept") << QSize(1, 500) << false << true;
    }
    void browserFillsTheWindow()
    {
        QFETCH(QSize, size);
        QFETCH(bool, widthFollows);
        QFETCH(bool, heightFollows);
        open(programFolder("sizes", "Sizes"));
        const float width = browser().Width(), height = browser().Height();
        if (size.isValid()) {
            help->resize(size);
            QTRY_COMPARE(help->size(), size);
        }
        // Flush with the right edge, 105 twips above the bottom, as the layout was drawn.
        const float right = tk::toTwips(help->width()), bottom = tk::toTwips(help->height()) - 105;
        QCOMPARE(browser().Left(), 30.0f);
        QCOMPARE(browser().Top(), 420.0f);
        QCOMPARE(browser().Width(), widthFollows ? right - 30 : width);
        QCOMPARE(browser().Height(), heightFollows ? bottom - 420 : height);
        QCOMPARE(browser().size(), QSize(tk::toPixels(browser().Width()), tk::toPixels(browser().Height())));
    }
};

QTEST_MAIN(tst_Help)
#include "tst_help.moc"
