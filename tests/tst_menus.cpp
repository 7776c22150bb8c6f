// The board's menu commands About, Help and Exit, with the real modal
// windows and the real message box, answered from inside their loops.
#include "BoardDriver.h"
#include "windows/AboutForm.h"
#include "windows/HelpForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace {
// A plain window of the program, opened beside the board.
tk::Form* openWindow(const QString& caption)
{
    auto* f = new tk::Form(caption, 1500, 1000, tk::Sizing::Fixed);
    f->load();
    f->show();
    return f;
}
QString helpPage() { return QDir(QCoreApplication::applicationDirPath()).filePath("quorvane.htm"); }
} // namespace

class tst_Menus : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    QPointer<GameBoard> board;  // the board, also after Exit took it from the driver
    GameBoard& b() { return *board; }

    // A game at the point named: fresh, part of a try placed, given up, or won.
    void reach(const QString& point)
    {
        if (point == u"mid-try")
            d->fill(d->row("CA"));
        else if (point == u"given up")
            b().Giveup->trigger();
        else if (point == u"won")
            d->playTry(d->code());
    }
    // Help opened from the menu and left again with its own Exit button.
    void openAndLeaveHelp()
    {
        d->soon([] { tk::sharedForm<HelpForm>().Command3_Click(); });
        b().GiveHelp->trigger();
        QVERIFY(tk::sharedForm<HelpForm>().isHidden());
    }
    // Runs `act` inside the program's event loop and `answer` inside the next
    // loop it opens; the status the loop ended with, 7 if the program went on.
    template <class A, class B>
    int inLoop(A act, B answer)
    {
        d->soon([=, this] {
            d->soon(answer);
            act();
            d->soon([] { QCoreApplication::exit(7); });
        });
        return QCoreApplication::exec();
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }  // as the program runs
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

    void sideWindowsLeaveTheGameAlone_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("point");
        for (const char* command : {"About", "Help"})
            for (const char* point : {"fresh", "mid-try", "given up", "won"})
                QTest::addRow("%s, %s", command, point) << command << point;
    }
    void sideWindowsLeaveTheGameAlone()
    {
        QFETCH(QString, command);
        QFETCH(QString, point);
        reach(point);
        const QStringList before = d->state();
        const bool about = command == u"About";
        QString shown, page;
        d->soon([&] {
            QWidget* modal = QApplication::activeModalWidget();
            shown = modal ? modal->metaObject()->className() : "nothing";
            // The board takes no input meanwhile, not even on a selector.
            d->clickButton(*b().MaxColors);
            d->clickButton(*b().Maxpositions, Qt::RightButton);
            if (about) {
                tk::sharedForm<AboutForm>().control<QPushButton>("AboutOk")->click();
            } else {
                page = tk::sharedForm<HelpForm>().Tag();
                tk::sharedForm<HelpForm>().Command3_Click();
            }
        });
        (about ? b().Aboutx : b().GiveHelp)->trigger();
        QCOMPARE(shown, about ? QStringLiteral("AboutForm") : QStringLiteral("HelpForm"));
        QCOMPARE(d->state(), before);
        QVERIFY(b().isVisible());
        if (!about)
            QCOMPARE(page, helpPage());
    }

    void helpClosedThroughItsFrameComesBackAfresh()
    {
        QPointer<HelpForm> first, second;
        d->soon([&] {
            first = &tk::sharedForm<HelpForm>();
            first->windowHandle()->close();
        });
        b().GiveHelp->trigger();
        QVERIFY(!first || first->isUnloaded());
        d->soon([&] {
            second = &tk::sharedForm<HelpForm>();
            second->Command3_Click();
        });
        b().GiveHelp->trigger();
        QVERIFY(second && second != first);
        QCOMPARE(second->Tag(), helpPage());
    }

    void endingTheProgram_data()
    {
        QTest::addColumn<QString>("how");  // the answer to Exit's question, or "title bar"
        QTest::addColumn<bool>("ends");
        QTest::newRow("Exit, Enter takes the default, Yes") << "enter" << true;
        QTest::newRow("Exit, Yes") << "yes" << true;
        QTest::newRow("Exit, No") << "no" << false;
        QTest::newRow("Exit, Esc answers No") << "escape" << false;
        QTest::newRow("board closed by its title bar, unasked") << "title bar" << true;
    }
    void endingTheProgram()
    {
        QFETCH(QString, how);
        QFETCH(bool, ends);
        reach("mid-try");
        QStringList hidden, closed;
        QObject watching;  // ends the watch with this test
        const auto watch = [&](tk::Form* f, const QString& name) {
            connect(f, &tk::Form::hidden, &watching, [&hidden, name] { hidden << name; });
            connect(f, &QObject::destroyed, &watching, [&closed, name] { closed << name; });
        };
        watch(openWindow("Notes"), "Notes");
        tk::Form* twin = openWindow(b().caption());  // passed over: it looks like the board
        watch(twin, "twin");
        openAndLeaveHelp();
        QPointer<HelpForm> help = &tk::sharedForm<HelpForm>();
        watch(help, "help");
        watch(openWindow("Scores"), "Scores");
        watch(board, "board");
        const QStringList before = d->state();
        const QList<tk::Form*> open = tk::openForms();
        QString asked;
        if (ends)
            d->board.release();  // the board's own unload ends it
        const int status = inLoop([this, how] {
            if (how == u"title bar")
                b().windowHandle()->close();
            else
                b().GameExit->trigger();
        }, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            const bool plain = box->icon() == QMessageBox::NoIcon
                               && box->standardButtons() == (QMessageBox::Yes | QMessageBox::No)
                               && box->defaultButton() == box->button(QMessageBox::Yes);
            asked = box->windowTitle() + ": " + box->text() + (plain ? " Yes/No" : " ?");
            if (how == u"enter" || how == u"escape")
                QTest::keyClick(box, how == u"enter" ? Qt::Key_Return : Qt::Key_Escape);
            else
                box->button(how == u"yes" ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QCOMPARE(asked, how == u"title bar" ? QString() : QStringLiteral("Quorvane: Do you want to Exit ? Yes/No"));
        QCOMPARE(status, ends ? 0 : 7);
        // The others first, in the order opened; the hidden help is unloaded unseen.
        QCOMPARE(hidden, ends ? QStringList({"Notes", "Scores", "board"}) : QStringList());
        QCOMPARE(closed, ends ? QStringList({"Notes", "help", "Scores", "board"}) : QStringList());
        QCOMPARE(tk::openForms(), ends ? QList<tk::Form*>({twin}) : open);
        if (!ends) {
            QVERIFY(b().isVisible());
            QCOMPARE(d->state(), before);
            QVERIFY(help && !help->isUnloaded() && help->isHidden());
        }
    }
};

QTEST_MAIN(tst_Menus)
#include "tst_menus.moc"
