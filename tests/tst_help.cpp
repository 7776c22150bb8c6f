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
#include <QWindow>

class tst_Help : public QObject {
    Q_OBJECT
    QTemporaryDir root;
    std::unique_ptr<HelpForm> help;

    tk::Browser& browser() { return *help->WebBrowser1; }
    QScrollBar& scroll() { return *browser().verticalScrollBar(); }
    QString location() { return browser().locationURL(); }

    // The help window as the board's Help command leaves it, on "quorvane.htm"
    // of a new program folder (none for an empty title): a page long enough to
    // scroll, with a link down into itself and one to another site.
    void open(const QString& name, const QByteArray& title)
    {
        QByteArray html = "<html><body><a name=\"top\"></a><h1>" + title + "</h1>"
                          "<p><a href=\"#far\">down to the far end</a></p>"
                          "<p><a href=\"http://example.org/\">somewhere else</a></p>";
        for (int i = 0; i < 200; ++i)
            html += "<p>Line " + QByteArray::number(i) + " of the rules.</p>";
        html += "<h2><a name=\"far\"></a>The far end</h2><p><a href=\"#top\">back up</a></p></body></html>";
        QDir().mkpath(root.filePath(name));
        QFile file(root.filePath(name + "/quorvane.htm"));
        if (!title.isEmpty() && (!file.open(QIODevice::WriteOnly) || file.write(html) < 0 || !file.flush()))
            qFatal("cannot write the help page");
        if (!help) {
            help = std::make_unique<HelpForm>();
            help->load();
        }
        help->setTag(helpPagePath(root.filePath(name)));
        help->show();
        QVERIFY(QTest::qWaitForWindowExposed(help.get()));
    }

    void click(QWidget* w, QPoint p)
    {
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, w->mapTo(help.get(), p));
    }
    void clickLink(const QString& text)
    {
        const QTextCursor found = browser().document()->find(text);
        QVERIFY2(!found.isNull(), qPrintable(text));
        QTextCursor inside(browser().document());
        inside.setPosition(found.selectionStart() + 2);
        click(browser().viewport(), browser().cursorRect(inside).center());
    }
    void clickButton(const char* name)
    {
        auto* button = help->control<tk::CommandButton>(name);
        click(button, button->rect().center());
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
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QString>("shows");
        QTest::newRow("plain") << "plain" << QByteArray("Rules") << "Rules";
        QTest::newRow("blanks") << "my  games" << QByteArray("Rules") << "Rules";
        QTest::newRow("letters beyond ASCII") << "Spiele für Zoë" << QByteArray("Rules") << "Rules";
        QTest::newRow("hash") << "games#2" << QByteArray("Rules") << "Rules";
        QTest::newRow("percent and hash") << "100% #fun" << QByteArray("Rules") << "Rules";
        QTest::newRow("no page") << "no help here" << QByteArray() << "Page not found";
    }
    void opensThePageWhereverTheProgramLies()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, title);
        QFETCH(QString, shows);
        open(name, title);
        const QString text = browser().toPlainText();
        QVERIFY2(text.startsWith(shows, Qt::CaseInsensitive), qPrintable(text.left(80)));
        QCOMPARE(scroll().value(), 0);
        // With no step taken, Back and Forward have nowhere to go.
        const QString first = location();
        clickButton("Command1");
        clickButton("Command2");
        QCOMPARE(location(), first);
        QVERIFY(help->isVisible());
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
        open(name, "Steps");
        const QString first = location();
        clickLink("somewhere else");  // other sites are not visited
        QCOMPARE(location(), first);

        clickLink("down to the far end");
        const QString far = location();
        QVERIFY(far.endsWith("#far") && scroll().value() > 0);
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

    void eachShowingStartsAtTheTopOfItsPage()
    {
        open("again", "First page");
        const QString first = location();
        clickLink("down to the far end");
        clickButton("Command3");  // Exit only hides the window
        QVERIFY(help->isHidden() && !help->isUnloaded());
        help->show();
        QCOMPARE(location(), first);
        QCOMPARE(scroll().value(), 0);
        clickButton("Command1");  // a step back in history, but no '#' here
        QCOMPARE(location(), first);

        scroll().setValue(scroll().maximum() / 2);  // the same page again, and another one
        help->hide();
        help->show();
        QCOMPARE(scroll().value(), 0);
        scroll().setValue(scroll().maximum() / 2);
        help->hide();
        open("other", "Second page");
        QVERIFY(browser().toPlainText().startsWith("Second page"));
        QCOMPARE(scroll().value(), 0);
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
        open("sizes", "Sizes");
        const float width = browser().Width(), height = browser().Height();
        if (size.isValid()) {
            help->resize(size);
            QTRY_COMPARE(help->size(), size);
        }
        // Flush with the right edge, 105 twips above the bottom, as the layout was drawn.
        const float right = tk::toTwips(help->width()), bottom = tk::toTwips(help->height()) - 105;
        QCOMPARE(QPointF(browser().Left(), browser().Top()), QPointF(30, 420));
        QCOMPARE(browser().Width(), widthFollows ? right - 30 : width);
        QCOMPARE(browser().Height(), heightFollows ? bottom - 420 : height);
        QCOMPARE(browser().size(), QSize(tk::toPixels(browser().Width()), tk::toPixels(browser().Height())));
    }
};

QTEST_MAIN(tst_Help)
#include "tst_help.moc"
