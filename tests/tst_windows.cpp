// The side windows and the menu that leads to them: the help viewer, the
// about box, and ending the program, with the real modal windows answered
// from inside their own event loops.
#include "BoardDriver.h"
#include "toolkit/Browser.h"
#include "toolkit/TextBox.h"
#include "windows/AboutForm.h"
#include "windows/HelpForm.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

class tst_Windows : public QObject {
    Q_OBJECT
    QTemporaryDir root;
    std::unique_ptr<BoardDriver> d;
    QPointer<GameBoard> board;  // the board, also after Exit took it from the driver

    // The help window as the Help command leaves it, on a page of a program
    // folder of that name (none for an empty title): long enough to scroll,
    // with a link down into itself and one to another site.
    HelpForm& openHelp(const QString& folder, const QByteArray& title)
    {
        QByteArray html = "<html><body><a name=\"top\"></a><h1>" + title + "</h1><p><a href=\"#far\">down</a></p>"
                          "<p><a href=\"http://example.org/\">elsewhere</a></p>";
        for (int i = 0; i < 200; ++i)
            html += "<p>Line " + QByteArray::number(i) + "</p>";
        html += "<h2><a name=\"far\"></a>Far</h2><p><a href=\"#top\">up</a></p></body></html>";
        QDir().mkpath(root.filePath(folder));
        QFile file(root.filePath(folder + "/quorvane.htm"));
        if (!title.isEmpty() && (!file.open(QIODevice::WriteOnly) || file.write(html) < 0 || !file.flush()))
            qFatal("cannot write the help page");
        HelpForm& help = tk::sharedForm<HelpForm>();
        help.setTag(helpPagePath(root.filePath(folder)));
        help.show();
        if (!QTest::qWaitForWindowExposed(&help))
            qFatal("help never exposed");
        return help;
    }
    static tk::Browser& browser(HelpForm& help) { return *help.WebBrowser1; }
    static void clickLink(HelpForm& help, const QString& text)
    {
        QTextCursor inside(browser(help).document());
        inside.setPosition(browser(help).document()->find(text).selectionStart() + 1);
        const QPoint p = browser(help).cursorRect(inside).center();
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, browser(help).viewport()->mapTo(&help, p));
    }
    static void press(HelpForm& help, const char* button)
    {
        auto* b = help.control<QWidget>(button);
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, b->mapTo(&help, b->rect().center()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(root.isValid());
        QApplication::setQuitOnLastWindowClosed(false);  // as the program runs
    }
    void init()
    {
        d = std::make_unique<BoardDriver>();
        board = d->board.get();
    }
    void cleanup()
    {
        d.reset();
        delete board.data();
        for (tk::Form* f : tk::openForms())
            delete f;
    }

    void helpShowsThePageBesideTheProgram_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("title");  // none: no page there
        QTest::addColumn<QSize>("size");        // the window's own size in pixels; empty: as first shown
        QTest::addColumn<QString>("follows");   // which of the browser's width and height follow the window
        QTest::newRow("blanks, as first shown") << "my  games" << QByteArray("Rules") << QSize() << "wh";
        QTest::newRow("beyond ASCII, larger") << "Spiele für Zoë" << QByteArray("Rules") << QSize(700, 600) << "wh";
        QTest::newRow("percent and hash, just tall enough") << "100% #fun" << QByteArray("Rules") << QSize(500, 35) << "wh";
        QTest::newRow("no page, too low") << "no help here" << QByteArray() << QSize(500, 34) << "w";
        QTest::newRow("too narrow") << "x" << QByteArray("Rules") << QSize(1, 500) << "h";
    }
    void helpShowsThePageBesideTheProgram()
    {
        QFETCH(QString, folder);
        QFETCH(QByteArray, title);
        QFETCH(QSize, size);
        QFETCH(QString, follows);
        QCOMPARE(helpPagePath("/") + helpPagePath("/opt/games/") + helpPagePath("/opt"),
                 QStringLiteral("/quorvane.htm/opt/games/quorvane.htm/opt/quorvane.htm"));
        HelpForm& help = openHelp(folder, title);
        QVERIFY(browser(help).toPlainText().startsWith(title.isEmpty() ? QString("Page not found") : QString(title)));
        const float width = browser(help).Width(), height = browser(help).Height();
        if (size.isValid()) {
            help.resize(size);
            QTRY_COMPARE(help.size(), size);
        }
        // Flush with the right edge, 105 twips above the bottom, as the layout was drawn;
        // an outer size the formulas would make negative leaves that side as it was.
        QCOMPARE(QPointF(browser(help).Left(), browser(help).Top()), QPointF(30, 420));
        QCOMPARE(browser(help).Width(), follows.contains('w') ? tk::toTwips(help.width()) - 30 : width);
        QCOMPARE(browser(help).Height(), follows.contains('h') ? tk::toTwips(help.height()) - 105 - 420 : height);
    }

    void helpStepsOnlyBetweenPlacesOfThePage()
    {
        HelpForm& help = openHelp("steps#2", "Steps");
        const QString first = browser(help).locationURL();
        QScrollBar& scroll = *browser(help).verticalScrollBar();
        press(help, "Command1");  // with no step taken, Back and Forward have nowhere to go
        press(help, "Command2");
        clickLink(help, "elsewhere");  // other sites are not visited
        QCOMPARE(browser(help).locationURL(), first);
        clickLink(help, "down");
        const QString far = browser(help).locationURL();
        QVERIFY(far.endsWith("#far") && scroll.value() > 0);
        press(help, "Command1");
        QCOMPARE(browser(help).locationURL(), first);
        QVERIFY(browser(help).isForwardAvailable());  // a step forward, but the first page has no '#'
        press(help, "Command2");
        QCOMPARE(browser(help).locationURL(), first);
        clickLink(help, "down");
        clickLink(help, "up");
        press(help, "Command1");
        QCOMPARE(browser(help).locationURL(), far);
        press(help, "Command2");
        QVERIFY(browser(help).locationURL().endsWith("#top"));
        // Exit and Esc only hide it; each showing starts again at the top of the page.
        for (bool esc : {false, true}) {
            clickLink(help, "down");
            esc ? QTest::keyClick(&help, Qt::Key_Escape) : press(help, "Command3");
            QVERIFY(help.isHidden() && !help.isUnloaded());
            help.show();
            QCOMPARE(browser(help).locationURL(), first);
            QCOMPARE(scroll.value(), 0);
        }
    }

    void aboutClosesOnlyWhereItShould_data()
    {
        QTest::addColumn<QString>("target");  // a control, or a key
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("closes");
        QTest::newRow("OK") << "AboutOk" << Qt::LeftButton << true;
        QTest::newRow("OK, right button") << "AboutOk" << Qt::RightButton << false;
        QTest::newRow("text, right, on the press") << "AboutText" << Qt::RightButton << true;
        QTest::newRow("text, back button") << "AboutText" << Qt::BackButton << false;
        QTest::newRow("version") << "Label1" << Qt::LeftButton << false;
        QTest::newRow("Esc, swallowed") << "Esc" << Qt::NoButton << true;
        QTest::newRow("another key") << "A" << Qt::NoButton << false;
        QTest::newRow("Enter on OK") << "Return" << Qt::NoButton << true;
    }
    void aboutClosesOnlyWhereItShould()
    {
        QFETCH(QString, target);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, closes);
        QPointer<AboutForm> about = &tk::sharedForm<AboutForm>();
        bool closed = false, swallowed = false;
        d->soon([&] {
            if (button == Qt::NoButton) {
                QKeyEvent key(QEvent::KeyPress, QKeySequence(target)[0].key(), Qt::NoModifier, target == u"Esc" ? "\x1b" : "a");
                QApplication::sendEvent(about->control<QWidget>("AboutOk"), &key);  // up from the focused button
                swallowed = key.isAccepted();
            } else {
                QWidget* w = about->control<QWidget>(target);
                const QPoint p = w->mapTo(about.data(), w->rect().center());
                QTest::mousePress(about->windowHandle(), button, {}, p);
                // Judged at once: a press on the text closes before any release.
                closed = !about || about->isUnloaded();
                QTest::mouseRelease(about ? about->windowHandle() : d->window(), button, {}, p);
            }
            closed = closed || !about || about->isUnloaded();
            if (!closed)
                about->control<tk::CommandButton>("AboutOk")->click();
        });
        d->ui().Aboutx->trigger();
        QCOMPARE(closed, closes);
        QCOMPARE(swallowed, closes && button == Qt::NoButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);  // gone for good: the next About makes it afresh
    }

    void endingTheProgram_data()
    {
        QTest::addColumn<QString>("how");  // the answer to Exit's question, or "title bar"
        QTest::addColumn<bool>("ends");
        QTest::newRow("Exit, Enter takes the default, Yes") << "enter" << true;
        QTest::newRow("Exit, No") << "no" << false;
        QTest::newRow("Exit, Esc answers No") << "escape" << false;
        QTest::newRow("board closed by its title bar, unasked") << "title bar" << true;
    }
    void endingTheProgram()
    {
        QFETCH(QString, how);
        QFETCH(bool, ends);
        d->fill(d->row("CA"));
        QStringList closed;
        QObject watching;  // ends the watch with this test
        const auto open = [&](const QString& caption) {
            auto* f = new tk::Form({1500, 1000, tk::Sizing::Fixed, tk::WindowRole::Dialog});
            f->setWindowTitle(caption);
            f->load();
            f->show();
            connect(f, &QObject::destroyed, &watching, [&closed, caption] { closed << caption; });
            return f;
        };
        open("Notes");
        tk::Form* twin = open(board->caption());  // passed over: it looks like the board
        d->soon([] { QTest::keyClick(&tk::sharedForm<HelpForm>(), Qt::Key_Escape); });
        d->ui().GiveHelp->trigger();  // left hidden by Esc, still loaded
        connect(&tk::sharedForm<HelpForm>(), &QObject::destroyed, &watching, [&closed] { closed << "help"; });
        open("Scores");
        connect(board, &QObject::destroyed, &watching, [&closed] { closed << "board"; });
        const QStringList before = d->state();
        QAction* exit = d->ui().GameExit;
        QString asked;
        if (ends)
            d->board.release();  // the board's own unload ends it
        d->soon([&, this] {
            d->soon([&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    const bool plain = box->icon() == QMessageBox::NoIcon && box->defaultButton() == box->button(QMessageBox::Yes)
                                       && box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
                    asked = box->windowTitle() + ": " + box->text() + (plain ? " Yes/No" : " ?");
                    if (how == u"no")
                        box->button(QMessageBox::No)->click();
                    else
                        QTest::keyClick(box, how == u"enter" ? Qt::Key_Return : Qt::Key_Escape);
                }
            });
            if (how == u"title bar")
                board->windowHandle()->close();
            else
                exit->trigger();
            d->soon([] { QCoreApplication::exit(7); });
        });
        QCOMPARE(QCoreApplication::exec(), ends ? 0 : 7);
        QCOMPARE(asked, how == u"title bar" ? QString() : QStringLiteral("Quorvane: Do you want to Exit ? Yes/No"));
        // The others first, in the order opened, the hidden help too; then the board.
        QCOMPARE(closed, ends ? QStringList({"Notes", "help", "Scores", "board"}) : QStringList());
        QCOMPARE(tk::openForms().contains(twin), true);
        if (!ends)
            QCOMPARE(d->state(), before);
    }
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
