// The board's menu commands About, Help and Exit, with the real modal
// windows and the real message box, answered from inside their loops.
#include "BoardDriver.h"
#include "windows/AboutForm.h"
#include "windows/HelpForm.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
// Steps still waiting when a test ends are dropped with it: a stray exit
// request would end the next test's first modal loop at once.
std::unique_ptr<QObject> testScope;

// Runs `step` as soon as the event loop that is about to start takes over.
template <class F>
void soon(F step)
{
    QTimer::singleShot(0, testScope.get(), step);
}

// A plain window of the program, opened beside the board.
tk::Form* openWindow(const QString& caption)
{
    auto* f = new tk::Form(caption, 1500, 1000, false);
    f->load();
    f->show();
    return f;
}
} // namespace

class tst_Menus : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardDriver> d;
    QPointer<GameBoard> board;  // the board, also after Exit took it from the driver

    GameBoard& b() { return *board; }

    // What the player sees of the game, and what the next move depends on.
    QStringList game()
    {
        QStringList s{b().MaxColors->caption(), b().Maxpositions->caption()};
        for (const int c : d->code())
            s << QString::number(c);
        for (int k = 0; k <= b().Guessed.ubound(); ++k)
            if (const tk::Image* slot = b().Guessed.at(k))
                s << QStringLiteral("slot %1 %2").arg(k).arg(slot->Tag());
        s << QStringLiteral("try %1 over %2").arg(b().CurrentTry).arg(b().GameOver);
        for (const tk::CommandButton* button : {b().MaxColors, b().GuessComplete, b().CongText, b().FailText})
            s << QStringLiteral("%1 %2 %3").arg(button->objectName()).arg(button->isVisible()).arg(button->Left());
        return s;
    }

    // A game at the point named: fresh, part of a try placed, given up, or won.
    void reach(const QString& point)
    {
        if (point == u"mid-try") {
            d->dblClickColour(b().ColourOrder[2]);
            d->dblClickColour(b().ColourOrder[0]);
        } else if (point == u"given up") {
            b().Giveup->trigger();
        } else if (point == u"won") {
            d->playTry(d->code());
            QVERIFY(b().CongText->isVisible());
        }
    }

    // Help opened from the menu and left again with its own Exit button.
    void openAndLeaveHelp()
    {
        soon([] { tk::sharedForm<HelpForm>().Command3_Click(); });
        b().GiveHelp->trigger();
        QVERIFY(tk::sharedForm<HelpForm>().isHidden());
    }

    // Lets the board's Exit end the program from inside a real event loop.
    GameBoard* handOverBoard() { return d->board.release(); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }  // as the program runs
    void init()
    {
        testScope = std::make_unique<QObject>();
        d = std::make_unique<BoardDriver>();
        board = d->board.get();
    }
    void cleanup()
    {
        testScope.reset();
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
        const QStringList before = game();
        const bool about = command == u"About";
        QString shown, blockedBoard;
        soon([&] {
            QWidget* modal = QApplication::activeModalWidget();
            shown = modal ? modal->metaObject()->className() : QStringLiteral("nothing");
            // The board takes no input meanwhile, not even on a selector.
            d->clickButton(*b().MaxColors);
            d->clickButton(*b().Maxpositions, Qt::RightButton);
            blockedBoard = b().MaxColors->caption() + b().Maxpositions->caption();
            if (about)
                tk::sharedForm<AboutForm>().control<QPushButton>("AboutOk")->click();
            else
                tk::sharedForm<HelpForm>().Command3_Click();
        });
        (about ? b().Aboutx : b().GiveHelp)->trigger();
        QCOMPARE(shown, about ? QStringLiteral("AboutForm") : QStringLiteral("HelpForm"));
        QCOMPARE(blockedBoard, before[0] + before[1]);
        QCOMPARE(game(), before);
        QVERIFY(b().isVisible());
    }

    void helpIsGivenThePageBesideTheProgram()
    {
        QString location;
        soon([&] {
            location = tk::sharedForm<HelpForm>().Tag();
            tk::sharedForm<HelpForm>().Command3_Click();
        });
        b().GiveHelp->trigger();
        QCOMPARE(location, QDir(QCoreApplication::applicationDirPath()).filePath("quorvane.htm"));
    }

    void helpClosedThroughItsFrameComesBackAfresh()
    {
        QPointer<HelpForm> first, second;
        soon([&] {
            first = &tk::sharedForm<HelpForm>();
            first->windowHandle()->close();
        });
        b().GiveHelp->trigger();
        QVERIFY(!first || first->isUnloaded());
        soon([&] {
            second = &tk::sharedForm<HelpForm>();
            second->Command3_Click();
        });
        b().GiveHelp->trigger();
        QVERIFY(second && second != first);
        QCOMPARE(second->Tag(), QDir(QCoreApplication::applicationDirPath()).filePath("quorvane.htm"));
    }

    void exitAsksFirst_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Enter takes the default, Yes") << "enter" << true;
        QTest::newRow("Yes") << "yes" << true;
        QTest::newRow("No") << "no" << false;
        QTest::newRow("Esc answers No") << "escape" << false;
    }
    void exitAsksFirst()
    {
        QFETCH(QString, answer);
        QFETCH(bool, ends);
        reach("mid-try");
        openAndLeaveHelp();
        QPointer<HelpForm> help = &tk::sharedForm<HelpForm>();
        const QStringList before = game();

        QStringList closed;
        QObject watching;  // ends the watch with this test
        connect(help, &QObject::destroyed, &watching, [&] { closed << "help"; });
        connect(board, &QObject::destroyed, &watching, [&] { closed << "board"; });
        QString prompt, title;
        bool plain = false;
        soon([&] {
            soon([&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                prompt = box->text();
                title = box->windowTitle();
                plain = box->icon() == QMessageBox::NoIcon
                        && box->standardButtons() == (QMessageBox::Yes | QMessageBox::No)
                        && box->defaultButton() == box->button(QMessageBox::Yes);
                if (answer == u"enter")
                    QTest::keyClick(box, Qt::Key_Return);
                else if (answer == u"escape")
                    QTest::keyClick(box, Qt::Key_Escape);
                else
                    box->button(answer == u"yes" ? QMessageBox::Yes : QMessageBox::No)->click();
            });
            b().GameExit->trigger();
            // Only reached as a separate step if the answer let the program go on.
            soon([] { QCoreApplication::exit(7); });
        });
        if (ends)
            handOverBoard();
        const int status = QCoreApplication::exec();

        QCOMPARE(prompt, QStringLiteral("Do you want to Exit ?"));
        QCOMPARE(title, QStringLiteral("Quorvane"));
        QVERIFY(plain);
        if (ends) {
            QCOMPARE(status, 0);
            QCOMPARE(closed, QStringList({"help", "board"}));
            QVERIFY(tk::openForms().isEmpty());
        } else {
            QCOMPARE(status, 7);
            QVERIFY(closed.isEmpty());
            QVERIFY(b().isVisible());
            QCOMPARE(game(), before);
            QVERIFY(help && !help->isUnloaded() && help->isHidden());
        }
    }

    void exitClosesTheOtherWindowsInTheOrderOpened()
    {
        QStringList hidden, closed;
        QObject watching;  // ends the watch with this test
        const auto watch = [&](tk::Form* f, const QString& name) {
            connect(f, &tk::Form::hidden, &watching, [&hidden, name] { hidden << name; });
            connect(f, &QObject::destroyed, &watching, [&closed, name] { closed << name; });
        };
        tk::Form* first = openWindow("Notes");
        tk::Form* twin = openWindow(b().caption());  // passed over: it looks like the board
        openAndLeaveHelp();
        tk::Form* last = openWindow("Scores");
        watch(first, "Notes");
        watch(twin, "twin");
        watch(&tk::sharedForm<HelpForm>(), "help");
        watch(last, "Scores");
        watch(board, "board");
        soon([&] {
            soon([] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
            b().GameExit->trigger();
            soon([] { QCoreApplication::exit(7); });
        });
        handOverBoard();
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(hidden, QStringList({"Notes", "Scores", "board"}));
        QCOMPARE(closed, QStringList({"Notes", "help", "Scores", "board"}));
        QCOMPARE(tk::openForms(), QList<tk::Form*>({twin}));
    }

    void closingTheBoardEndsTheProgramWithoutAsking()
    {
        openAndLeaveHelp();
        QPointer<HelpForm> help = &tk::sharedForm<HelpForm>();
        bool asked = false;
        soon([&] {
            soon([&] {
                if (QWidget* m = QApplication::activeModalWidget()) {
                    asked = true;
                    m->close();
                }
            });
            b().windowHandle()->close();  // as the title bar does
            soon([] { QCoreApplication::exit(7); });
        });
        handOverBoard();
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!asked);
        QVERIFY(!help);
        QVERIFY(!board);
    }
};

QTEST_MAIN(tst_Menus)
#include "tst_menus.moc"
