// The program's windows: the board as designed and at any zoom, what it
// draws, its colour marks, starting the program in each language, the help
// viewer, the about box and ending the program, with the real modal windows
// answered from inside their own event loops. Run once as is and once with
// QT_SCALE_FACTOR=2 (see CMakeLists.txt).
#include "BoardDriver.h"
#include "game/Scoring.h"
#include "toolkit/Announce.h"
#include "toolkit/Browser.h"
#include "toolkit/Language.h"
#include "windows/AboutBox.h"
#include "windows/FormBuilder.h"
#include "windows/GameBoardLayout.h"
#include "windows/Marks.h"
#include "windows/Pictures.h"
#include "windows/SideWindowLayouts.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cmath>

// A program folder and the title of the help page there (none: no page); the
// help window's own size in pixels (empty: as first shown), and which of the
// browser's width and height follow it.
struct HelpPage { QString folder; QByteArray title; QSize size; QString follows; };
Q_DECLARE_METATYPE(HelpPage)
// A desktop's locale; what the program shows when started under it (its
// menu, its help page); what a slot is called; what it says without a
// display, when one does not answer (%1) and with X chosen but not named;
// the exit question's buttons.
struct Language { QString locale, menu, page, slot, noDisplay, cannotOpen, noX, yesNo; };
Q_DECLARE_METATYPE(Language)

class tst_Windows : public WindowTestCase {
    Q_OBJECT
    QTemporaryDir root;
    std::unique_ptr<BoardDriver> d;

    // The help window as the Help command leaves it, on a page of a program
    // folder of that name (none for an empty title): long enough to scroll,
    // with a link down into itself and one to another site.
    HelpWindow& openHelp(const QString& folder, const QByteArray& title)
    {
        const QByteArray html = "<html><body><a name=\"top\"></a><h1>" + title + "</h1><p><a href=\"#far\">down</a></p>"
                                "<p><a href=\"http://example.org/\">elsewhere</a></p>" + QByteArray("<p>A line.</p>").repeated(200)
                                + "<h2><a name=\"far\"></a>Far</h2><p><a href=\"#top\">up</a></p></body></html>";
        QDir().mkpath(root.filePath(folder));
        QFile file(root.filePath(folder + "/quorvane.htm"));
        if (!title.isEmpty() && (!file.open(QIODevice::WriteOnly) || file.write(html) < 0 || !file.flush()))
            qFatal("cannot write the help page");
        auto* help = new HelpWindow;
        help->setPage(helpPagePath(root.filePath(folder)));
        help->show();
        if (!QTest::qWaitForWindowExposed(help))
            qFatal("help never exposed");
        return *help;
    }
    static void clickIn(QWidget* window, QWidget* w, QPoint p) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, w->mapTo(window, p)); }
    static void press(HelpWindow& help, const char* button) { clickIn(&help, help.control<QWidget>(button), help.control<QWidget>(button)->rect().center()); }
    static void clickLink(HelpWindow& help, const QString& text)
    {
        tk::Browser& browser = help.browser();
        QTextCursor inside(browser.document());
        inside.setPosition(browser.document()->find(text).selectionStart() + 1);
        clickIn(&help, browser.viewport(), browser.cursorRect(inside).center());
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }  // as the program runs
    void init() { d = std::make_unique<BoardDriver>(); }
    void cleanup()
    {
        tk::useLanguage(QLocale::c());
        d.reset();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<tk::Form*>(w))
                delete w;
    }

    void helpShowsThePageBesideTheProgram_data()
    {
        QTest::addColumn<HelpPage>("page");
        QTest::newRow("blanks, as first shown") << HelpPage{"my  games", "Rules", QSize(), "wh"};
        QTest::newRow("beyond ASCII, percent and hash, just tall enough") << HelpPage{"Zoë 100% #2", "Rules", QSize(500, 35), "wh"};
        QTest::newRow("no page, too low") << HelpPage{"no help here", "", QSize(500, 34), "w"};
        QTest::newRow("too narrow") << HelpPage{"x", "Rules", QSize(1, 500), "h"};
    }
    void helpShowsThePageBesideTheProgram()
    {
        QFETCH(HelpPage, page);
        const auto& [folder, title, size, follows] = page;
        QCOMPARE(helpPagePath("/") + helpPagePath("/opt/games/") + helpPagePath("/opt", "de"),  // no page in German there
                 QStringLiteral("/quorvane.htm/opt/games/quorvane.htm/opt/quorvane.htm"));
        QTest::failOnWarning(QRegularExpression("quorvane\\.htm"));  // what is to be said about the page is on it
        HelpWindow& help = openHelp(folder, title);
        tk::Browser& browser = help.browser();
        QVERIFY(browser.toPlainText().startsWith(title.isEmpty() ? QString("Page not found") : QString(title)));
        const float width = browser.Width(), height = browser.Height();
        if (size.isValid()) {
            help.resize(size);
            QTRY_COMPARE(help.size(), size);
        }
        // Flush with the right edge, 105 twips above the bottom, as the layout was drawn;
        // an outer size the formulas would make negative leaves that side as it was.
        QCOMPARE(QPointF(browser.Left(), browser.Top()), QPointF(30, 420));
        QCOMPARE(browser.Width(), follows.contains('w') ? tk::toTwips(help.width()) - 30 : width);
        QCOMPARE(browser.Height(), follows.contains('h') ? tk::toTwips(help.height()) - 105 - 420 : height);
    }

    void helpStepsOnlyBetweenPlacesOfThePage()
    {
        HelpWindow& help = openHelp("steps#2", "Steps");
        tk::Browser& browser = help.browser();
        const QString first = browser.locationURL();
        QScrollBar& scroll = *browser.verticalScrollBar();
        press(help, helpNames::Back);  // with no step taken, Back and Forward have nowhere to go
        press(help, helpNames::Forward);
        clickLink(help, "elsewhere");  // other sites are not visited
        QCOMPARE(browser.locationURL(), first);
        clickLink(help, "down");
        const QString far = browser.locationURL();
        QVERIFY(far.endsWith("#far") && scroll.value() > 0);
        press(help, helpNames::Back);
        QVERIFY(browser.locationURL() == first && browser.isForwardAvailable());  // a step forward, but the first page has no '#'
        press(help, helpNames::Forward);
        QCOMPARE(browser.locationURL(), first);
        clickLink(help, "down");
        clickLink(help, "up");
        press(help, helpNames::Back);
        QCOMPARE(browser.locationURL(), far);
        press(help, helpNames::Forward);
        QVERIFY(browser.locationURL().endsWith("#top"));
        clickLink(help, "down");  // Exit only hides it; each showing starts again at the top of the page
        press(help, helpNames::Exit);
        QVERIFY(help.isHidden());
        help.show();
        QVERIFY(browser.locationURL() == first && scroll.value() == 0);
    }

    void aboutClosesOnlyWhereItShould()
    {
        // Not on OK's right button, on the version or the icon, nor on another key; on a press of
        // any button on its text, at once, and on Esc, which no other handler gets.
        QStringList open;
        QPointer<AboutBox> about;
        const auto press = [&](const char* name, Qt::MouseButton button, bool release = true) {
            QWidget* w = about->control<QWidget>(name);
            QTest::mousePress(about->windowHandle(), button, {}, w->mapTo(about.data(), w->rect().center()));
            if (release && about)
                QTest::mouseRelease(about->windowHandle(), button, {}, w->mapTo(about.data(), w->rect().center()));
            open << QString(name) + (about ? " stays" : " closes");
        };
        d->soon([&] {
            about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
            open << about->control<QTextEdit>(aboutNames::Text)->toPlainText().simplified();
            QVERIFY(QAccessible::queryAccessibleInterface(about->client())->childCount() > 0);  // a reader reads it
            press(aboutNames::Ok, Qt::RightButton);
            press("Label1", Qt::LeftButton);
            press("Picture1", Qt::LeftButton);
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
            QApplication::sendEvent(about->control<QWidget>(aboutNames::Ok), &key);  // up from the focused button
            open << QString("A %1").arg(key.isAccepted());
            press(aboutNames::Text, Qt::MiddleButton, false);
        });
        d->about()->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);  // gone for good: the next About makes it afresh
        d->soon([&] {
            about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, "\x1b");
            QApplication::sendEvent(about->control<QWidget>(aboutNames::Ok), &esc);
            open << QString("Esc %1").arg(esc.isAccepted() && about->isHidden());
        });
        d->about()->trigger();
        QCOMPARE(open, QStringList({"Quorvane - July 2004 by Zadrel email quorvane@example.org", "AboutOk stays",
                                    "Label1 stays", "Picture1 stays", "A 0", "AboutText closes", "Esc 1"}));
    }

    void endingTheProgram_data()
    {
        QTest::addColumn<QString>("how");  // the answer to Exit's question, or "title bar"
        QTest::addColumn<bool>("ends");
        QTest::newRow("Exit, Enter takes the default, Yes") << "enter" << true;
        QTest::newRow("Exit, Esc answers No") << "escape" << false;
        QTest::newRow("board closed by its title bar, unasked") << "title bar" << true;
    }
    void endingTheProgram()
    {
        QFETCH(QString, how);
        QFETCH(bool, ends);
        d->fill(d->row("CA"));
        d->soon([] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        d->help()->trigger();  // left hidden by Esc, still there
        QStringList closed;
        BoardWindow* board = d->board.get();
        QObject watching;  // ends the watch with this test
        connect(d->helpWindow(), &QObject::destroyed, &watching, [&] { closed << (board->isVisible() ? "help, then" : "help after"); });
        const QImage before = board->grab().toImage();
        QString asked;
        d->soon([&, this] {
            d->soon([&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    const bool plain = box->icon() == QMessageBox::NoIcon && box->defaultButton() == box->button(QMessageBox::Yes)
                                       && box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
                    asked = box->windowTitle() + ": " + box->text() + (plain ? " Yes/No" : " ?");
                    QTest::keyClick(box, how == u"enter" ? Qt::Key_Return : Qt::Key_Escape);
                }
            });
            how == u"title bar" ? (void)board->windowHandle()->close() : d->exit()->trigger();
            d->soon([] { QCoreApplication::exit(7); });
        });
        QCOMPARE(QCoreApplication::exec(), ends ? 0 : 7);
        QCOMPARE(asked, how == u"title bar" ? QString() : QStringLiteral("Quorvane: Do you want to Exit ? Yes/No"));
        // The hidden help window first, then the board.
        QCOMPARE(closed, ends ? QStringList({"help, then"}) : QStringList());
        QCOMPARE(board->isVisible(), !ends);
        if (!ends)
            QCOMPARE(board->grab().toImage(), before);
    }

    void boardAsDesigned()
    {
        tk::Form designed(gameBoardLayout().style);  // the layout alone, before any game code runs
        layout::build(designed, gameBoardLayout());
        designed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&designed));
        QCOMPARE(designed.client()->size(), QSize(525, 442));
        QVERIFY(!designed.windowIcon().isNull() && designed.menuBar()->actions().size() == 1);
        // In the middle of the screen where the platform lets a window place itself; along a side longer than
        // the screen's, from its edge, so that the menu bar is on it: the board at twice the scale offscreen,
        // a window wider than any screen here. The client right under the menu bar.
        const QRect area = d->board->screen()->availableGeometry();
        const auto placed = [](int at, int length, int from, int room) { return length > room ? at == from : std::abs(2 * (at - from) + length - room) <= 2; };
        tk::Form wide({30000, 1500, tk::Sizing::Fixed, tk::WindowRole::Dialog});
        wide.show();
        for (const QRect frame : {d->board->frameGeometry(), wide.frameGeometry()})
            QVERIFY(QGuiApplication::platformName() == u"wayland"
                    || (placed(frame.x(), frame.width(), area.x(), area.width()) && placed(frame.y(), frame.height(), area.y(), area.height())));
        QCOMPARE(designed.client()->mapTo(&designed, QPoint(0, 0)).y(), designed.menuBar()->geometry().bottom() + 1);
        QStringList items;
        for (QAction* a : designed.menuBar()->actions().first()->menu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text() + a->shortcut().toString());
        QCOMPARE(items, QStringList({"Giveup", "About", "HelpF1", "Color &marksM", "&DeductionsD", "-", "Exit"}));
        const auto c = [&designed](const QString& name) { return designed.control<QWidget>(name); };
        const auto box = [&c](const QString& name) {
            const auto* p = dynamic_cast<const tk::Placed*>(c(name));
            return QRectF(p->Left(), p->Top(), p->Width(), p->Height());
        };
        for (int i = 0; i < 16; ++i)  // each colour its own peg
            QCOMPARE(static_cast<tk::Image*>(c(QStringLiteral("Picture1(%1)").arg(i)))->picture().toImage().convertToFormat(QImage::Format_ARGB32),
                     QImage(pictures::Pegs[i]).convertToFormat(QImage::Format_ARGB32));
        QVERIFY(box("CongText") == box("FailText") && box("CongText").top() == 5730);  // both outcome buttons on one rectangle
        const auto text = [&c](const char* name) { return c(name)->property("text").toString(); };
        QCOMPARE(text("CongText") + text("MaxColors") + text("Maxpositions"), QStringLiteral("  WELL DONE    click here for another go167"));
        for (const char* hidden : {"GuessComplete", "DragColor", "Picture1(0)", "NoCorCol(9)"})
            QVERIFY2(c(hidden)->isHidden(), hidden);
        QVERIFY(!c("CongText")->isHidden() && !c("FailText")->isHidden() && !c("answer(7)")->isHidden());
        const QPalette score = c("NoCorpos(4)")->palette();  // white on black
        QCOMPARE(score.color(QPalette::WindowText).rgb() ^ score.color(QPalette::Window).rgb(), 0xffffffu);
        // The panels are grooves on every side. Frame3, 1710,5730 3555x825 twips: pixels 114..350 across, 382..436 down.
        const QImage shot = designed.client()->grab().toImage();
        const auto px = [&shot, r = designed.devicePixelRatioF()](int x, int y) { return shot.pixel(QPoint(x, y) * r); };
        const QRgb dark = designed.palette().color(QPalette::Dark).rgb(), light = designed.palette().color(QPalette::Light).rgb(),
                   bevel = designed.palette().color(QPalette::Window).darker(140).rgb();
        QCOMPARE(QList<QRgb>({px(114, 400), px(115, 400), px(349, 400), px(350, 400), px(200, 382), px(200, 383), px(200, 435), px(200, 436)}),
                 QList<QRgb>({dark, light, dark, light, dark, light, dark, light}));
        // Empty answer slots show through; the outcome button in its colour, within the style's bevel.
        QCOMPARE(QList<QRgb>({px(132, 414), px(12, 388), px(50, 382)}), QList<QRgb>({qRgb(192, 192, 192), qRgb(255, 0, 0), bevel}));
    }

    // Every caption and count a player reads is drawn where it stands: the
    // control holds the text the game gives it, shows ink, and nothing covers it.
    void captionsAndCountsAreDrawn()
    {
        // Labels left-aligned (L) or centred (C) as designed: their ink as far from either side.
        const auto drawn = [this](std::initializer_list<std::tuple<QWidget*, QString, char>> reads) {
            const QImage shot = d->board->grab().toImage();
            const qreal r = d->board->devicePixelRatioF();
            for (const auto& [w, text, align] : reads) {
                QCOMPARE(w->property("text").toString(), text);
                const QImage own = w->grab().toImage().convertToFormat(shot.format());
                QCOMPARE(shot.copy(QRect(w->mapTo(d->board.get(), QPoint(0, 0)) * r, own.size())), own);
                QVERIFY2(std::set<QRgb>((const QRgb*)own.constBits(), (const QRgb*)own.constBits() + own.width() * own.height()).size() > 2, qPrintable(text));
                int left = own.width(), right = 0;
                for (int y = 0; align != '-' && y < own.height(); ++y)
                    for (int x = 0; x < own.width(); ++x)
                        std::tie(left, right) = own.pixel(x, y) == own.pixel(0, 0) ? std::pair(left, right) : std::pair(std::min(left, x), std::max(right, x));
                QVERIFY2(align == '-' || (align == 'C' ? std::abs(left - (own.width() - 1 - right)) <= 2 * r : left <= 2 * r), qPrintable(text));
            }
        };
        const auto word = [this](const char* name) { return d->board->control<QWidget>(name); };
        drawn({{word("Label6"), "PICK COLORS FROM HERE", 'L'}, {word("Label4"), "PLACE YOUR GUESS HERE", 'L'}, {word("Label3"), "CORRECT", 'C'},
               {word("Messcol(3)"), "colors  positions", 'L'}, {word("Label5"), "ANSWER", 'L'}, {&d->colourSelector(), "6", '-'}, {&d->positionSelector(), "4", '-'}});
        d->clickButton(d->colourSelector());
        d->clickButton(d->positionSelector(), Qt::RightButton);
        drawn({{&d->colourSelector(), "7", '-'}, {&d->positionSelector(), "3", '-'}});
        d->playTry(d->row("AWX"));
        d->playTry(d->row("BCA"));
        d->playTry(d->row("ABY"));
        d->giveUp()->trigger();
        drawn({{&d->colourScore(0), "1", 'C'}, {&d->positionScore(0), "1", 'C'}, {&d->colourScore(1), "3", 'C'}, {&d->positionScore(1), "0", 'C'},
               {&d->colourScore(2), "2", 'C'}, {&d->positionScore(2), "2", 'C'}, {&d->lost(), "click here to try again", '-'}});
    }

    // The deduction aid, opened by D beside the board: it follows every
    // placement and score, says why a try cannot be the code, fills in a
    // suggested try as the player would, and the count is heard after each score.
    void deductionsFollowTheGame()
    {
        QStringList heard;
        connect(d->board->findChild<tk::Announcer*>(), &tk::Announcer::said, &d->scope, [&heard](const QString& m) { heard << m; });
        d->key(Qt::Key_D);
        DeductionsWindow* aid = d->deductions();
        QVERIFY(aid && aid->isVisible());
        const auto line = [aid](const char* name) {
            return !QTest::qWaitFor([aid] { return !aid->working(); }) ? QString("still working") : aid->control<QWidget>(name)->property("text").toString();
        };
        const auto reads = [aid](const QString& row) { return BoardDriver::spoken(aid->control<QWidget>(row)); };
        const auto names = [this](const QString& letters) {  // in palette order
            QStringList named;
            for (int place = 0; place < d->game().colours(); ++place)
                if (letters.contains(d->letters({d->game().colourAtPlace(place)})))
                    named << game::colourName(d->game().colourAtPlace(place));
            return named.join(", ");
        };
        QCOMPARE(line(deductionNames::Count), "360 codes are still possible.");  // 6 * 5 * 4 * 3
        d->playTry(d->row("BCDA"));
        QCOMPARE(line(deductionNames::Count), "9 codes are still possible.");  // ABCD with none where BCDA had it
        QTRY_COMPARE(heard.last(), "9 codes are still possible.");
        QCOMPARE(reads(deductionNames::InCode) + " | " + reads(deductionNames::NotInCode), "In the code: " + names("ABCD") + " | Not in the code: " + names("WX"));
        QCOMPARE(reads(layout::controlName(deductionNames::Position, 0)), "Position 1: " + names("ACD"));
        for (int p = 0; p < game::MostPositions; ++p)  // a row for each position in play
            QCOMPARE(aid->control<QWidget>(layout::controlName(deductionNames::Position, p))->isVisible(), p < 4);
        // What is read is drawn: a peg a cell, in palette order from the row's left edge.
        const QImage inCode = aid->control<QWidget>(deductionNames::InCode)->grab().toImage();
        int drawn = 0;
        for (int place = 0; place < d->game().colours(); ++place)
            if (const int c = d->game().colourAtPlace(place); d->letters({c}) < u"W")
                QCOMPARE(inCode.pixel(QPoint(24 * drawn++ + 11, 11) * inCode.devicePixelRatio()), QImage(pictures::Pegs[c]).pixel(11, 11));
        d->fill(d->row("B"));
        QCOMPARE(line(deductionNames::Verdict), "Your try cannot be the code:");
        QVERIFY(line(deductionNames::Reason).startsWith("had it been the code, try 1 would have scored "));
        QTest::mouseClick(aid->control<QWidget>(deductionNames::Suggest), Qt::LeftButton);
        QTRY_VERIFY(!d->letters(d->currentTry()).contains('-'));
        const bool couldBe = line(deductionNames::Verdict) == u"Your try could be the code.";  // the window says which
        QCOMPARE(line(deductionNames::Note), couldBe ? "Suggested: a try that could be the code." : "Suggested: a try that cannot be the code, but tells more.");
        QVERIFY(heard.filter("placed in try 2").size() + heard.filter("moved to try 2").size() >= 3);
        QCOMPARE(d->fault(), QString());
        QTest::keyClick(aid, Qt::Key_Escape);
        QTRY_VERIFY(!d->deductions());
    }

    // The pixels a peg's mark inks on the 18 x 18 pixels of its face, white on black.
    static QImage markOf(int colour)
    {
        const QImage peg(pictures::Pegs[colour]);
        const QImage marked = marks::marked(QPixmap::fromImage(peg), colour).toImage();
        QImage mark(18, 18, QImage::Format_RGB32);
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x)
                mark.setPixel(x, y, peg.pixel(x + 2, y + 2) == marked.pixel(x + 2, y + 2) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        return mark;
    }
    // How few pixels tell a from b, however b is turned, mirrored or moved by a pixel.
    static int fewestDifferences(const QImage& a, const QImage& b)
    {
        int fewest = a.width() * a.height();
        for (int turn = 0; turn < 8; ++turn) {
            const QImage q = b.transformed(QTransform().rotate(90 * (turn % 4))).mirrored(turn >= 4, false);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int differ = 0;
                    for (int y = 0; y < a.height(); ++y)
                        for (int x = 0; x < a.width(); ++x)
                            differ += a.pixel(x, y) != (q.valid(x + dx, y + dy) ? q.pixel(x + dx, y + dy) : qRgb(0, 0, 0));
                    fewest = std::min(fewest, differ);
                }
        }
        return fewest;
    }

    void eachColourItsOwnMark_data()
    {
        QTest::addColumn<int>("colour");
        for (int c = 0; c < 16; ++c)
            QTest::newRow(qPrintable(game::colourName(c))) << c;
    }
    void eachColourItsOwnMark()
    {
        QFETCH(int, colour);
        // Ink that stands out from the peg's own fill, in the middle of its face,
        // 3 pixels clear of highlight and shadow.
        const QImage mark = markOf(colour), peg(pictures::Pegs[colour]);
        const QImage marked = marks::marked(QPixmap::fromImage(peg), colour).toImage();
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x)
                if (mark.pixel(x, y) == qRgb(255, 255, 255))
                    QVERIFY(x >= 3 && x < 15 && y >= 3 && y < 15 && marks::contrast(marked.pixel(x + 2, y + 2), peg.pixel(10, 10)) >= 3);
        QVERIFY(qRound(marks::contrast(qRgb(0, 0, 0), qRgb(255, 255, 255)) * 100) == 2100
                && qRound(marks::contrast(qRgb(0, 0, 0), qRgb(128, 128, 128)) * 100) == 532);
        // Unlike every other mark, by at least a sixth of a 12-pixel mark's square.
        for (int other = 0; other < 16; ++other)
            if (other != colour)
                QVERIFY2(fewestDifferences(mark, markOf(other)) >= 24, qPrintable(game::colourName(other)));
    }

    void colourMarksByMenuAndKey()
    {
        BoardWindow& board = *d->board;
        QStringList heard;
        connect(board.findChild<tk::Announcer*>(), &tk::Announcer::said, &d->scope, [&heard](const QString& m) { heard << m; });
        const QImage designed = board.grab().toImage();
        d->key(Qt::Key_M);
        QVERIFY(board.grab().toImage() != designed);
        d->key(Qt::Key_M);
        QCOMPARE(board.grab().toImage(), designed);  // off again: as designed, pixel for pixel
        d->marks()->trigger();  // as the menu item does
        // The same mark on the palette, in a slot, on the drag image and in the answer;
        // the face within the keyboard's focus mark.
        const auto face = [](QWidget* w) {
            const int r = qRound(w->devicePixelRatioF());
            QImage inner = w->grab().toImage().copy(3 * r, 3 * r, 16 * r, 16 * r);
            inner.setDevicePixelRatio(1);
            return inner;
        };
        const int first = d->game().colourAtPlace(0);
        const QImage mark = face(&d->colour(first));
        const auto faceOf = [&mark](const QImage& peg) { return peg.copy(3, 3, 16, 16).scaled(mark.size()).convertToFormat(mark.format()); };
        const QImage designedFace = faceOf(QImage(pictures::Pegs[first]));
        QCOMPARE(mark, faceOf(marks::marked(QPixmap(pictures::Pegs[first]), first).toImage()));  // the mark drawn as made
        d->fill({first});
        d->press(Qt::LeftButton, d->cellOf(d->colour(first)));
        d->move(d->at(6600, 4200));
        QCOMPARE(face(&d->dragImage()), mark);
        d->release(Qt::LeftButton, d->at(6600, 4200));
        QCOMPARE(face(&d->slot(0)), mark);
        d->giveUp()->trigger();
        QCOMPARE(face(&d->answer(0)), face(&d->colour(d->code()[0])));
        d->key(Qt::Key_M);
        QCOMPARE(face(&d->colour(first)), designedFace);
        QCOMPARE(heard.filter("Color"), QStringList({"Color marks on", "Color marks off", "Color marks on", "Color marks off"}));
    }

    void boardZoomsAsAWhole_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("designed") << QSize(525, 442) << 1.0;
        QTest::newRow("twice, wider than tall") << QSize(1300, 884) << 2.0;
        QTest::newRow("one and a half, off-centre") << QSize(900, 663) << 663.0 / 442;
    }
    void boardZoomsAsAWhole()
    {
        QFETCH(QSize, area);
        QFETCH(qreal, scale);
        BoardWindow& board = *d->board;
        const QRect designed = d->slot(3).geometry();
        board.resize(area.width(), area.height() + board.menuBar()->sizeHint().height());
        QTRY_COMPARE(board.client()->parentWidget()->size(), area);
        QCOMPARE(board.scale(), scale);
        const QRect client = board.client()->geometry();
        QCOMPARE(client.size(), QSize(qRound(525 * scale), qRound(442 * scale)));
        QVERIFY(std::abs(client.left() - (area.width() - client.width()) / 2) <= 1);
        QVERIFY(std::abs(client.top() - (area.height() - client.height()) / 2) <= 1);
        // Game geometry stays in twips; the widgets and fonts follow the zoom.
        QCOMPARE(d->slot(2).geometry(), tk::toPixelRect(2580, 1920, 360, 360, scale));
        QCOMPARE(QList<qreal>({d->colourSelector().font().pointSizeF(), d->colourScore(0).font().pointSizeF()}), QList<qreal>({8.25 * scale, 9.75 * scale}));
        // Every device pixel of a peg is its picture's pixel at whole zooms.
        const qreal px = board.devicePixelRatioF(), device = scale * px;
        const QImage shot = board.grab().toImage();
        const int first = d->game().colourAtPlace(0);
        const QImage peg = QImage(pictures::Pegs[first]).convertToFormat(QImage::Format_ARGB32);
        const QPoint origin = d->colour(first).mapTo(&board, QPoint(0, 0)) * px;
        for (int y = 0; std::abs(device - std::round(device)) < 1e-9 && y < 23 * device; ++y)
            for (int x = 0; x < 23 * device; ++x)
                if (qAlpha(peg.pixel(int(x / device), int(y / device))) == 255)
                    QCOMPARE(shot.pixel(origin + QPoint(x, y)), peg.pixel(int(x / device), int(y / device)));
        // The keyboard's focus mark round a slot, alike at its top and bottom edges.
        d->slot(0).setFocus(Qt::OtherFocusReason);
        d->key(Qt::Key_Right);
        const QImage ring = d->slot(1).grab().toImage();
        const int edge = qRound(3 * std::max(1, qRound(scale)) * px);
        QCOMPARE(ring.copy(0, 0, ring.width(), edge), ring.copy(0, ring.height() - edge, ring.width(), edge).mirrored(false, true));
        // A drag hits the same slot at every zoom, also just past a shared edge.
        const int next = d->game().colourAtPlace(1);
        d->drag(d->cellOf(d->colour(first)), d->cellOf(d->slot(0)));
        d->drag(d->cellOf(d->colour(next)), d->at(2940 + 15 / float(scale) * 1.01f, 2100));
        QCOMPARE(d->currentTry(), std::vector<int>({first, -1, -1, next}));
        board.resize(board.minimumSize());  // never smaller than designed, and back to exactly that
        QTRY_COMPARE(board.scale(), 1.0);
        QCOMPARE(d->slot(3).geometry(), designed);
    }

    // Started under each locale: what it says without a display, with one
    // that does not answer, and what a probe loaded into it sees; then in
    // this process, every text translated, what a screen reader hears, the
    // exit question's buttons in Qt's own translation, and every caption
    // within its control at the designed font.
    void speaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<Language>("language");
        for (const char* english : {"C", "en_GB.UTF-8", "pt_BR.UTF-8"})  // the last one not shipped
            QTest::newRow(english) << Language{english, "&Game", "quorvane.htm", "try 1 of 10, position 1: empty",
                                               "no display: neither DISPLAY nor WAYLAND_DISPLAY is set", "cannot open display %1",
                                               "no display: DISPLAY is not set", "&Yes &No"};
        QTest::newRow("German") << Language{"de_DE.UTF-8", "&Spiel", "quorvane.de.htm", "Versuch 1 von 10, Stelle 1: leer",
                                            "kein Display: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt", "Display %1 kann nicht geöffnet werden",
                                            "kein Display: DISPLAY ist nicht gesetzt", "&Ja &Nein"};
        QTest::newRow("French") << Language{"fr_FR.UTF-8", "&Jeu", "quorvane.fr.htm", "essai 1 sur 10, position 1\u00a0: vide",
                                            "aucun affichage\u00a0: ni DISPLAY ni WAYLAND_DISPLAY n’est défini", "impossible d’ouvrir l’affichage %1",
                                            "aucun affichage\u00a0: DISPLAY n’est pas défini", "&Oui &Non"};
        QTest::newRow("Spanish") << Language{"es_ES.UTF-8", "&Juego", "quorvane.es.htm", "intento 1 de 10, posición 1: vacía",
                                             "no hay pantalla: no están definidas ni DISPLAY ni WAYLAND_DISPLAY", "no se puede abrir la pantalla %1",
                                             "no hay pantalla: DISPLAY no está definida", "&Sí &No"};
    }
    void speaksTheDesktopsLanguage()
    {
        QFETCH(Language, language);
        start("LANG=" + language.locale, 1, "quorvane: " + language.noDisplay);
        // One that does not answer, one only Qt can try, and Wayland's own with nowhere to look for it.
        const QList<QStringList> displays = {{"DISPLAY=:87", ":87"}, {"DISPLAY=nohost:3", "nohost:3"}, {"QT_QPA_PLATFORM=wayland", "wayland-0"}};
        for (const QStringList& display : displays)
            start("LANG=" + language.locale + ' ' + display[0], 1, "quorvane: " + language.cannotOpen.arg(display[1]));
        start("LANG=" + language.locale + " QT_QPA_PLATFORM=xcb", 1, "quorvane: " + language.noX);
#ifdef HELP_PROBE  // it reports its title and menu, and the help page it finds
        start("LANG=" + language.locale + " QT_QPA_PLATFORM=offscreen LD_PRELOAD=" HELP_PROBE, 0,
              "board shown: yes (Quorvane v1.0 " + language.menu + ")\nhelp page found: yes (" + language.page + ")");
#endif
        QFile ts(QStringLiteral(TRANSLATIONS "/quorvane_%1.ts").arg(language.page.section(u'.', 1, -2)));
        const QRegularExpression unfinished(QStringLiteral("type=\"(unfinished|vanished|obsolete)\""));
        QVERIFY(language.menu == u"&Game" || (ts.open(QIODevice::ReadOnly) && !QString(ts.readAll()).contains(unfinished)));
        tk::useLanguage(QLocale(language.locale.section(u'.', 0, 0)));
        QCOMPARE(BoardDriver::spoken(&d->slot(0)), language.slot);
        QString buttons;
        d->soon([&buttons] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            buttons = box->button(QMessageBox::Yes)->text() + ' ' + box->button(QMessageBox::No)->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        d->exit()->trigger();
        QCOMPARE(buttons, language.yesNo);
        // One line where the English has one; the outcome buttons wrap within their bevel.
        const auto fits = [](QWidget* w, QRect box, bool wraps, const QString& text) {
            const QRect drawn = w->fontMetrics().boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, text);
            return box.contains(drawn) && (wraps || drawn.height() < 2 * w->fontMetrics().height());
        };
        tk::Form board(gameBoardLayout().style), about(aboutBoxLayout().style), help(helpWindowLayout().style),
            aid(deductionsWindowLayout().style);
        for (auto [window, design] : {std::pair{&board, &gameBoardLayout()}, {&about, &aboutBoxLayout()}, {&help, &helpWindowLayout()},
                                      {&aid, &deductionsWindowLayout()}}) {
            layout::build(*window, *design);
            for (tk::Label* label : window->findChildren<tk::Label*>())
                QVERIFY2(fits(label, label->rect(), false, label->text()), qPrintable(label->text()));
            for (tk::CommandButton* button : window->findChildren<tk::CommandButton*>())
                QVERIFY2(fits(button, button->captionBox(), button->wrapsCaption(), button->text()), qPrintable(button->text()));
        }
    }
    // The program started where the environment differs from one with no
    // display and no language in those settings.
    static void start(const QString& environment, int status, const QString& says)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(name);
        for (const QString& setting : environment.split(u' ', Qt::SkipEmptyParts))
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + "/quorvane", {});
        if (!p.waitForFinished(30000))
            p.kill();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);  // no abort, no core
        QCOMPARE(p.exitCode(), status);
        // The environment's own notes left out, and the folder of the page found.
        const QRegularExpression notes(QStringLiteral("QStandardPaths[^\n]*\n|file://[^\n]*/"));
        QCOMPARE(QString::fromLocal8Bit(status ? p.readAllStandardError() : p.readAllStandardOutput()).remove(notes).trimmed(), says);
    }

    // The sentence about a try in every language: each branch of it, and each
    // part in its singular and plural forms; colours and positions right with four positions.
    void feedbackInEveryLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("counts");  // colours, positions
        QTest::addColumn<QString>("sentence");
        const auto row = [](const char* locale, int c, int p, const char* sentence) {
            QTest::addRow("%s %d %d", locale, c, p) << QString(locale) << QString("%1%2").arg(c).arg(p) << QString::fromUtf8(sentence);
        };
        row("en", 0, 0, "in previous try none of the colors were correct");
        row("en", 1, 0, "in previous try only one color was correct, and none was in correct position");
        row("en", 3, 2, "in previous try  3 colors were correct, and 2 were in correct position also");
        row("en", 4, 0, "all colors are correct, now rearrange these to find correct positions");
        row("en", 4, 1, "all colors are correct, and only one was in correct position also");
        row("de", 0, 0, "Im vorigen Versuch war keine Farbe richtig");
        row("de", 1, 0, "Im vorigen Versuch war nur eine Farbe richtig, aber keine davon stand an der richtigen Stelle");
        row("de", 3, 2, "Im vorigen Versuch waren 3 Farben richtig, und 2 davon standen an der richtigen Stelle");
        row("de", 4, 0, "Alle Farben sind richtig, jetzt bring sie an die richtigen Stellen");
        row("de", 4, 1, "Alle Farben sind richtig, und nur eine davon stand an der richtigen Stelle");
        row("fr", 0, 0, "À l’essai précédent, aucune couleur n’était bonne");
        row("fr", 1, 0, "À l’essai précédent, une seule couleur était bonne, mais aucune n’était bien placée");
        row("fr", 3, 2, "À l’essai précédent, 3 couleurs étaient bonnes, et 2 étaient bien placées");
        row("fr", 4, 0, "Toutes les couleurs sont bonnes, il reste à trouver leurs places");
        row("fr", 4, 1, "Toutes les couleurs sont bonnes, et une seule était bien placée");
        row("es", 0, 0, "En el intento anterior ningún color era correcto");
        row("es", 1, 0, "En el intento anterior solo un color era correcto, pero ninguno estaba en su posición");
        row("es", 3, 2, "En el intento anterior 3 colores eran correctos, y 2 estaban en su posición");
        row("es", 4, 0, "Todos los colores son correctos, ahora ordénalos para encontrar sus posiciones");
        row("es", 4, 1, "Todos los colores son correctos, y solo uno estaba en su posición");
    }
    void feedbackInEveryLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, counts);
        QFETCH(QString, sentence);
        tk::useLanguage(QLocale(locale));
        QCOMPARE(game::feedbackSentence({counts[0].digitValue(), counts[1].digitValue()}, 4), sentence);
    }
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
