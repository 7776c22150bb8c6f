// The program's windows: the board as designed and at any zoom, its colour
// marks, starting the program in each language, the help viewer, the about
// box and ending the program, with the real modal windows answered from inside their own event
// loops. Run once as is and once with QT_SCALE_FACTOR=2 (see CMakeLists.txt).
#include "BoardDriver.h"
#include "toolkit/Browser.h"
#include "windows/AboutForm.h"
#include "windows/HelpForm.h"
#include "toolkit/Announce.h"
#include "toolkit/Label.h"
#include "toolkit/Language.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>

// A program folder and the title of the help page there (none: no page); the
// help window's own size in pixels (empty: as first shown), and which of the
// browser's width and height follow it.
struct HelpPage { QString folder; QByteArray title; QSize size; QString follows; };
Q_DECLARE_METATYPE(HelpPage)
// A desktop's locale; what the program shows when started under it (its
// menu, its help page); what a slot is called and a try is told; what it
// says without a display, when one does not answer (%1) and with X chosen but not named.
struct Language { QString locale, menu, page, slot, sentence, noDisplay, cannotOpen, noX; };
Q_DECLARE_METATYPE(Language)

class tst_Windows : public QObject {
    Q_OBJECT
    QTemporaryDir root;
    std::unique_ptr<BoardDriver> d;
    QPointer<GameBoard> board;  // the board, also after Exit took it from the driver
    std::unique_ptr<GameBoard> fresh;  // as designed, before any game code runs

    template <class T = tk::Placed>
    T& c(const QString& name) { return *dynamic_cast<T*>(fresh->control<QWidget>(name)); }
    QRectF box(const QString& name) { const tk::Placed& p = c(name); return {p.Left(), p.Top(), p.Width(), p.Height()}; }


    // The help window as the Help command leaves it, on a page of a program
    // folder of that name (none for an empty title): long enough to scroll,
    // with a link down into itself and one to another site.
    HelpForm& openHelp(const QString& folder, const QByteArray& title)
    {
        const QByteArray html = "<html><body><a name=\"top\"></a><h1>" + title + "</h1><p><a href=\"#far\">down</a></p>"
                                "<p><a href=\"http://example.org/\">elsewhere</a></p>" + QByteArray("<p>A line.</p>").repeated(200)
                                + "<h2><a name=\"far\"></a>Far</h2><p><a href=\"#top\">up</a></p></body></html>";
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
    static void clickIn(HelpForm& help, QWidget* w, QPoint p) { QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, w->mapTo(&help, p)); }
    static void press(HelpForm& help, const char* button) { clickIn(help, help.control<QWidget>(button), help.control<QWidget>(button)->rect().center()); }
    static void clickLink(HelpForm& help, const QString& text)
    {
        QTextCursor inside(browser(help).document());
        inside.setPosition(browser(help).document()->find(text).selectionStart() + 1);
        clickIn(help, browser(help).viewport(), browser(help).cursorRect(inside).center());
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
        tk::useLanguage(QLocale::c());
        fresh.reset();
        d.reset();
        delete board.data();
        for (tk::Form* f : tk::openForms())
            delete f;
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
        QVERIFY(browser(help).locationURL() == first && browser(help).isForwardAvailable());  // a step forward, but the first page has no '#'
        press(help, "Command2");
        QCOMPARE(browser(help).locationURL(), first);
        clickLink(help, "down");
        clickLink(help, "up");
        press(help, "Command1");
        QCOMPARE(browser(help).locationURL(), far);
        press(help, "Command2");
        QVERIFY(browser(help).locationURL().endsWith("#top"));
        clickLink(help, "down");  // Exit only hides it; each showing starts again at the top of the page
        press(help, "Command3");
        QVERIFY(help.isHidden() && !help.isUnloaded());
        help.show();
        QVERIFY(browser(help).locationURL() == first && scroll.value() == 0);
    }

    void aboutClosesOnlyWhereItShould()
    {
        // Not on OK's right button, on the version or the icon, nor on another key; on a press of
        // any button on its text, at once, and on Esc, which no other handler gets.
        QPointer<AboutForm> about = &tk::sharedForm<AboutForm>();
        QStringList open;
        d->soon([&] {
            const auto press = [&](const char* name, Qt::MouseButton button, bool release = true) {
                QWidget* w = about->control<QWidget>(name);
                QTest::mousePress(about->windowHandle(), button, {}, w->mapTo(about.data(), w->rect().center()));
                if (release && about)
                    QTest::mouseRelease(about->windowHandle(), button, {}, w->mapTo(about.data(), w->rect().center()));
                open << QString(name) + (about && !about->isUnloaded() ? " stays" : " closes");
            };
            QWidget* icon = about->control<QWidget>("Picture1");  // the text, the icon drawn and where, the size fixed
            const QImage drawn = icon->grab().toImage();
            QImage flat = drawn;
            flat.fill(drawn.pixel(0, 0));
            open << about->control<QTextEdit>("AboutText")->toPlainText().simplified() + QString(" %1,%2").arg(icon->x()).arg(icon->y())
                        + (drawn != flat ? " icon" : " no icon") + (about->minimumSize() == about->maximumSize() ? " fixed" : " sizable");
            press("AboutOk", Qt::RightButton);
            press("Label1", Qt::LeftButton);
            press("Picture1", Qt::LeftButton);
            QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
            QApplication::sendEvent(about->control<QWidget>("AboutOk"), &key);  // up from the focused button
            open << QString("A %1").arg(key.isAccepted());
            press("AboutText", Qt::MiddleButton, false);
        });
        d->ui().Aboutx->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);  // gone for good: the next About makes it afresh
        about = &tk::sharedForm<AboutForm>();
        d->soon([&] {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, "\x1b");
            QApplication::sendEvent(about->control<QWidget>("AboutOk"), &esc);
            open << QString("Esc %1").arg(esc.isAccepted() && about->isUnloaded());
        });
        d->ui().Aboutx->trigger();
        QCOMPARE(open, QStringList({"Quorvane - July 2004 by Zadrel email quorvane@example.org 324,2 icon fixed", "AboutOk stays", "Label1 stays", "Picture1 stays", "A 0", "AboutText closes", "Esc 1"}));
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
        QStringList closed;
        QObject watching;  // ends the watch with this test
        const auto watch = [&](QObject* o, const QString& name) {
            connect(o, &QObject::destroyed, &watching, [&closed, name] { closed << name; });
        };
        tk::Form* windows[2];  // another window, and one passed over because it looks like the board
        for (tk::Form*& f : windows) {
            f = new tk::Form({1500, 1000, tk::Sizing::Fixed, tk::WindowRole::Dialog});
            f->setWindowTitle(f == windows[0] ? "Notes" : board->caption());
            f->load();
            f->show();
            watch(f, f->windowTitle());
        }
        d->soon([] { QTest::keyClick(&tk::sharedForm<HelpForm>(), Qt::Key_Escape); });
        d->ui().GiveHelp->trigger();  // left hidden by Esc, still loaded
        watch(&tk::sharedForm<HelpForm>(), "help");
        watch(board, "board");
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
                    QTest::keyClick(box, how == u"enter" ? Qt::Key_Return : Qt::Key_Escape);
                }
            });
            how == u"title bar" ? (void)board->windowHandle()->close() : exit->trigger();
            d->soon([] { QCoreApplication::exit(7); });
        });
        QCOMPARE(QCoreApplication::exec(), ends ? 0 : 7);
        QCOMPARE(asked, how == u"title bar" ? QString() : QStringLiteral("Quorvane: Do you want to Exit ? Yes/No"));
        // The others first, in the order opened, the hidden help too; then the board.
        QCOMPARE(closed, ends ? QStringList({"Notes", "help", "board"}) : QStringList());
        QVERIFY(tk::openForms().contains(windows[1]));
        if (!ends)
            QCOMPARE(d->state(), before);
    }
    void boardAsDesigned()
    {
        fresh = std::make_unique<GameBoard>();  // built from its layout, never loaded
        fresh->show();
        QVERIFY(QTest::qWaitForWindowExposed(fresh.get()));
        QCOMPARE(fresh->client()->size(), QSize(525, 442));
        QVERIFY(!fresh->windowIcon().isNull() && fresh->menuBar()->actions().size() == 1);
        // In the middle of the screen where the platform lets a window place itself; along a side longer than
        // the screen's, from its edge, so that the menu bar is on it: the board at twice the scale offscreen,
        // a window wider than any screen here. The client right under the menu bar.
        const QRect area = fresh->screen()->availableGeometry();
        const auto placed = [](int at, int length, int from, int room) { return length > room ? at == from : std::abs(2 * (at - from) + length - room) <= 2; };
        tk::Form wide({30000, 1500, tk::Sizing::Fixed, tk::WindowRole::Dialog});
        wide.show();
        for (const QRect frame : {fresh->frameGeometry(), wide.frameGeometry()})
            QVERIFY(QGuiApplication::platformName() == u"wayland"
                    || (placed(frame.x(), frame.width(), area.x(), area.width()) && placed(frame.y(), frame.height(), area.y(), area.height())));
        QCOMPARE(fresh->client()->mapTo(fresh.get(), QPoint(0, 0)).y(), fresh->menuBar()->geometry().bottom() + 1);
        QStringList items;
        for (QAction* a : fresh->menuBar()->actions().first()->menu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text() + a->shortcut().toString());
        QCOMPARE(items, QStringList({"Giveup", "About", "HelpF1", "Color &marksM", "-", "Exit"}));
        // Each control inside its panel; both outcome buttons on one rectangle below the scores.
        const auto inside = [this](const QString& name, const QString& frame, float w, float h) {
            return box(frame).contains(QRectF(box(name).topLeft(), QSizeF(w, h)));
        };
        for (int i = 0; i < 16; ++i) {
            QVERIFY(inside(QStringLiteral("Picture1(%1)").arg(i), "Frame1", 480, 480) && inside(QStringLiteral("answer(%1)").arg(i % 8), "Frame3", 360, 360)
                    && inside(QStringLiteral("NoCorpos(%1)").arg(i % 10), "Frame4", 405, 270) && inside("Guessed(0)", "Frame2", 360, 360));
            QCOMPARE(c<tk::Image>(QStringLiteral("Picture1(%1)").arg(i)).picture().pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                     QImage(pictures::peg(i)).convertToFormat(QImage::Format_ARGB32));  // each colour its own peg
        }
        QVERIFY(inside("Line2(8)", "Frame4", 1320, 15));
        QVERIFY(box("CongText") == box("FailText") && box("CongText").top() == 5730);
        QCOMPARE(c<tk::CommandButton>("CongText").caption() + c<tk::CommandButton>("MaxColors").caption() + c<tk::CommandButton>("Maxpositions").caption(),
                 QStringLiteral("  WELL DONE    click here for another go167"));
        for (const char* hidden : {"GuessComplete", "DragColor", "Blank", "ColourClicked", "Picture1(0)", "NoCorCol(9)"})
            QVERIFY2(!c(hidden).Visible(), hidden);
        QVERIFY(c("CongText").Visible() && c("FailText").Visible() && c("answer(7)").Visible());
        const QPalette score = c<tk::Label>("NoCorpos(4)").palette();  // white on black
        QCOMPARE(score.color(QPalette::WindowText).rgb() ^ score.color(QPalette::Window).rgb(), 0xffffffu);
        // The panels are grooves on every side. Frame3, 1710,5730 3555x825 twips: pixels 114..350 across, 382..436 down.
        const QImage shot = fresh->client()->grab().toImage();
        const auto px = [&shot, r = fresh->devicePixelRatioF()](int x, int y) { return shot.pixel(QPoint(x, y) * r); };
        const QRgb dark = fresh->palette().color(QPalette::Dark).rgb(), light = fresh->palette().color(QPalette::Light).rgb(),
                   bevel = fresh->palette().color(QPalette::Window).darker(140).rgb();
        QCOMPARE(QList<QRgb>({px(114, 400), px(115, 400), px(349, 400), px(350, 400), px(200, 382), px(200, 383), px(200, 435), px(200, 436)}),
                 QList<QRgb>({dark, light, dark, light, dark, light, dark, light}));
        // Empty answer slots show through; the outcome button in its colour, within the style's bevel.
        QCOMPARE(QList<QRgb>({px(132, 414), px(12, 388), px(50, 382)}), QList<QRgb>({qRgb(192, 192, 192), qRgb(255, 0, 0), bevel}));
    }

    // The pixels a peg's mark changes on its face, at the screen's pixel ratio.
    QImage markOf(int colour) const
    {
        tk::Image& peg = d->colour(colour);
        const int r = qRound(peg.devicePixelRatioF());
        tk::showMarks(d->board.get(), false);
        const QImage plain = peg.grab().toImage().copy(2 * r, 2 * r, 18 * r, 18 * r);
        tk::showMarks(d->board.get(), true);
        const QImage marked = peg.grab().toImage().copy(2 * r, 2 * r, 18 * r, 18 * r);
        QImage mark(plain.size(), QImage::Format_RGB32);
        for (int y = 0; y < mark.height(); ++y)
            for (int x = 0; x < mark.width(); ++x)
                mark.setPixel(x, y, plain.pixel(x, y) == marked.pixel(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        return mark;
    }
    // How few pixels tell a from b, however b is turned, mirrored or moved by a peg's pixel.
    static int fewestDifferences(const QImage& a, const QImage& b, int r)
    {
        int fewest = a.width() * a.height();
        for (int turn = 0; turn < 8; ++turn) {
            const QImage q = b.transformed(QTransform().rotate(90 * (turn % 4))).mirrored(turn >= 4, false);
            for (int dy = -r; dy <= r; dy += r)
                for (int dx = -r; dx <= r; dx += r) {
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
            QTest::newRow(qPrintable(pictures::colourName(c))) << c;
    }
    void eachColourItsOwnMark()
    {
        QFETCH(int, colour);
        const int r = qRound(d->board->devicePixelRatioF());
        const QImage mark = markOf(colour);
        // Ink that stands out from the peg's own fill, in the middle of its face.
        const QImage peg(pictures::peg(colour));
        const QImage marked = pictures::withMark(pictures::peg(colour), QPixmap::fromImage(peg)).toImage();
        for (int y = 0; y < peg.height(); ++y)
            for (int x = 0; x < peg.width(); ++x)
                if (marked.pixel(x, y) != peg.pixel(x, y)) {
                    QVERIFY(x >= 5 && x < 17 && y >= 5 && y < 17);  // 3 pixels clear of highlight and shadow
                    QVERIFY(pictures::contrast(marked.pixel(x, y), peg.pixel(10, 10)) >= 3);
                    QCOMPARE(mark.pixel((x - 2) * r, (y - 2) * r), qRgb(255, 255, 255));  // as drawn on the board
                }
        QVERIFY(qRound(pictures::contrast(qRgb(0, 0, 0), qRgb(255, 255, 255)) * 100) == 2100
                && qRound(pictures::contrast(qRgb(0, 0, 0), qRgb(128, 128, 128)) * 100) == 532);
        // Unlike every other mark, by at least a sixth of a 12-pixel mark's square.
        for (int other = 0; other < 16; ++other)
            if (other != colour)
                QVERIFY2(fewestDifferences(mark, markOf(other), r) >= 24 * r * r, qPrintable(pictures::colourName(other)));
    }

    void colourMarksByMenuAndKey()
    {
        GameBoard& board = *d->board;
        QStringList heard;
        tk::setAnnouncementListener([&heard](const QString& message) { heard << message; });
        const auto deaf = qScopeGuard([] { tk::setAnnouncementListener({}); });
        const QImage designed = board.grab().toImage();
        d->key(Qt::Key_M);
        QVERIFY(board.grab().toImage() != designed);
        d->key(Qt::Key_M);
        QCOMPARE(board.grab().toImage(), designed);  // off again: as designed, pixel for pixel
        QMenu* menu = board.menuBar()->actions().first()->menu();
        d->key(Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_M);
        QVERIFY(d->ui().ColorMarks->isChecked());
        // The same mark on the palette, in a slot, on the drag image (mouse and key) and in the answer;
        // the face within the keyboard's focus mark.
        const auto face = [](QWidget* w) {
            const int r = qRound(w->devicePixelRatioF());
            QImage inner = w->grab().toImage().copy(3 * r, 3 * r, 16 * r, 16 * r);
            inner.setDevicePixelRatio(1);
            return inner;
        };
        const int first = d->game().ColourOrder[0];
        const QImage mark = face(&d->colour(first));
        const QImage designedFace =
            QImage(pictures::peg(first)).copy(3, 3, 16, 16).scaled(mark.size()).convertToFormat(mark.format());
        QVERIFY(mark != designedFace);
        d->fill({first});
        d->press(Qt::LeftButton, d->cellOf(d->colour(first)));
        d->move(d->at(6600, 4200));
        QCOMPARE(face(d->ui().DragColor), mark);
        d->release(Qt::LeftButton, d->at(6600, 4200));
        d->key(Qt::Key_P);
        QVERIFY(d->ui().DragColor->isVisible());
        QCOMPARE(face(d->ui().DragColor), mark);
        d->key(Qt::Key_Escape);
        QCOMPARE(face(&d->slot(0)), mark);
        d->ui().Giveup->trigger();
        QCOMPARE(face(&d->ui().answer(0)), face(&d->colour(d->code()[0])));
        d->key(Qt::Key_M);
        QCOMPARE(face(&d->colour(first)), designedFace);
        QCOMPARE(heard.filter("Color"),
                 QStringList({"Color marks on", "Color marks off", "Color marks on", "Color marks off"}));
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
        GameBoard& board = *d->board;
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
        QCOMPARE(QList<qreal>({d->ui().Label1->font().pointSizeF(), d->ui().NoCorCol(0).font().pointSizeF()}),
                 QList<qreal>({8.25 * scale, 9.75 * scale}));
        // Every device pixel of a peg is its picture's pixel at whole zooms.
        const qreal px = board.devicePixelRatioF(), device = scale * px;
        const QImage shot = board.grab().toImage();
        const Integer first = d->game().ColourOrder[0];
        const QImage peg = QImage(pictures::peg(first)).convertToFormat(QImage::Format_ARGB32);
        const QPoint origin = d->colour(first).mapTo(&board, QPoint(0, 0)) * px;
        for (int y = 0; std::abs(device - std::round(device)) < 1e-9 && y < 23 * device; ++y)
            for (int x = 0; x < 23 * device; ++x)
                if (qAlpha(peg.pixel(int(x / device), int(y / device))) == 255)
                    QCOMPARE(shot.pixel(origin + QPoint(x, y)), peg.pixel(int(x / device), int(y / device)));
        // A drag hits the same slot at every zoom, also just past a shared edge.
        const Integer next = d->game().ColourOrder[1];
        d->drag(d->cellOf(d->colour(first)), d->cellOf(d->slot(0)));
        d->drag(d->cellOf(d->colour(next)), d->at(2940 + 15 / float(scale) * 1.01f, 2100));
        QCOMPARE(d->currentTry(), std::vector<int>({first, -1, -1, next}));
        // The keyboard's focus mark shows at every zoom, around the peg: the
        // highlight colour, then white, then the peg's own fill.
        d->key(Qt::Key_Right);
        if (board.isActiveWindow()) {
            const QImage marked = board.grab().toImage();
            const QPoint corner = board.focusWidget()->mapTo(&board, QPoint(0, 0)) * px;
            QList<QRgb> across;
            for (int x = 0; x < 10 * device; ++x)
                if (across.isEmpty() || across.last() != marked.pixel(corner + QPoint(x, int(10 * device))))
                    across << marked.pixel(corner + QPoint(x, int(10 * device)));
            QCOMPARE(across.mid(0, 2), QList<QRgb>({board.palette().color(QPalette::Highlight).rgb(), qRgb(255, 255, 255)}));
            QVERIFY(across.contains(QImage(pictures::peg(next)).pixel(10, 10)));
        }
        board.resize(board.minimumSize());  // never smaller than designed, and back to exactly that
        QTRY_COMPARE(board.scale(), 1.0);
        QCOMPARE(d->slot(3).geometry(), designed);
    }
    // Started under each locale: what it says without a display, with one
    // that does not answer, and what a probe loaded into it sees; then in
    // this process, every text translated, what a screen reader hears, and
    // every caption within its control at the designed font.
    void speaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<Language>("language");
        for (const char* english : {"C", "en_GB.UTF-8", "pt_BR.UTF-8"})  // the last one not shipped
            QTest::newRow(english) << Language{english, "&Game", "quorvane.htm", "try 1 of 10, position 1: empty",
                                               "in previous try  2 colors were correct, and 2 were in correct position also",
                                               "no display: neither DISPLAY nor WAYLAND_DISPLAY is set", "cannot open display %1",
                                               "no display: DISPLAY is not set"};
        QTest::newRow("German") << Language{"de_DE.UTF-8", "&Spiel", "quorvane.de.htm", "Versuch 1 von 10, Stelle 1: leer",
                                            "Im letzten Versuch waren 2 Farben richtig, und 2 davon standen an der richtigen Stelle",
                                            "kein Display: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt", "Display %1 kann nicht geöffnet werden",
                                            "kein Display: DISPLAY ist nicht gesetzt"};
        QTest::newRow("French") << Language{"fr_FR.UTF-8", "&Jeu", "quorvane.fr.htm", "essai 1 sur 10, position 1\u00a0: vide",
                                            "Au dernier essai, 2 couleurs étaient bonnes, et 2 étaient bien placées",
                                            "aucun affichage\u00a0: ni DISPLAY ni WAYLAND_DISPLAY n’est défini", "impossible d’ouvrir l’affichage %1",
                                            "aucun affichage\u00a0: DISPLAY n’est pas défini"};
        QTest::newRow("Spanish") << Language{"es_ES.UTF-8", "&Juego", "quorvane.es.htm", "intento 1 de 10, posición 1: vacía",
                                             "En el último intento 2 colores eran correctos, y 2 estaban en su posición",
                                             "no hay pantalla: no están definidas ni DISPLAY ni WAYLAND_DISPLAY", "no se puede abrir la pantalla %1",
                                             "no hay pantalla: DISPLAY no está definida"};
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
#ifdef HELP_PROBE  // it reports its title and menu, and the help page it finds; on this Wayland display, which answers, in the Wayland run
        const QString shown = QGuiApplication::platformName() != u"wayland" ? QStringLiteral("QT_QPA_PLATFORM=offscreen")
            : "WAYLAND_DISPLAY=" + qEnvironmentVariable("WAYLAND_DISPLAY") + " XDG_RUNTIME_DIR=" + qEnvironmentVariable("XDG_RUNTIME_DIR");
        start("LANG=" + language.locale + ' ' + shown + " LD_PRELOAD=" HELP_PROBE, 0,
              "board shown: yes (Quorvane v1.0 " + language.menu + ")\nhelp page found: yes (" + language.page + ")");
#endif
        QFile ts(QStringLiteral(TRANSLATIONS "/quorvane_%1.ts").arg(language.page.section(u'.', 1, -2)));
        const QRegularExpression unfinished(QStringLiteral("type=\"(unfinished|vanished|obsolete)\""));
        QVERIFY(language.menu == u"&Game" || (ts.open(QIODevice::ReadOnly) && !QString(ts.readAll()).contains(unfinished)));
        tk::useLanguage(QLocale(language.locale.section(u'.', 0, 0)));
        QCOMPARE(d->spoken(&d->slot(0)) + '|' + game::feedbackSentence({2, 2}, 4), language.slot + '|' + language.sentence);
        // One line where the English has one; the outcome buttons wrap within their bevel.
        const auto fits = [](QWidget* w, QRect box, bool wraps, const QString& text) {
            const QRect drawn = w->fontMetrics().boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, text);
            return box.contains(drawn) && (wraps || drawn.height() < 2 * w->fontMetrics().height());
        };
        fresh = std::make_unique<GameBoard>();
        AboutForm about;
        HelpForm help;
        for (QWidget* window : std::initializer_list<QWidget*>{fresh.get(), &about, &help}) {
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
};

QTEST_MAIN(tst_Windows)
#include "tst_windows.moc"
