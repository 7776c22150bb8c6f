#include "BoardWindow.h"

#include "toolkit/Announce.h"
#include "toolkit/Language.h"
#include "toolkit/MessageBox.h"
#include "windows/AboutBox.h"
#include "windows/DeductionsWindow.h"
#include "windows/HelpWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>

QString helpPagePath(const QString& folder, const QString& language)
{
    const QString stem = folder.endsWith(u'/') ? folder + QStringLiteral("quorvane") : folder + QStringLiteral("/quorvane");
    // The page in the language the game speaks, where it was installed.
    if (const QString translated = stem + u'.' + language + QStringLiteral(".htm"); !language.isEmpty() && QFileInfo::exists(translated))
        return translated;
    return stem + QStringLiteral(".htm");
}

void BoardWindow::showAbout()
{
    if (!about_) {
        about_ = new AboutBox;
        opened_.push_back(about_.data());
    }
    about_->showModal();
}

void BoardWindow::showHelp()
{
    if (!help_) {
        help_ = new HelpWindow;
        opened_.push_back(help_.data());
    }
    help_->setPage(helpPagePath(QCoreApplication::applicationDirPath(), tk::language()));
    help_->showModal();
}

// Beside the board, the keyboard left where it was; asked for again while it
// is open, it takes the keyboard, and its own D key gives it back.
void BoardWindow::showDeductions()
{
    if (deductions_ && deductions_->isVisible()) {
        deductions_->raise();
        deductions_->activateWindow();
        return;
    }
    if (!deductions_) {
        deductions_ = new DeductionsWindow(pegs_);
        opened_.push_back(deductions_.data());
        deductions_->setAttribute(Qt::WA_ShowWithoutActivating);
        connect(deductions_, &DeductionsWindow::suggestionChosen, this, [this](const std::vector<int>& colours) { fillWith(colours); });
        connect(deductions_, &DeductionsWindow::counted, this, [this](const QString& count) { announce(count, true); });
        connect(deductions_, &DeductionsWindow::boardWanted, this, [this] {
            raise();
            activateWindow();
        });
    }
    deductions_->follow(game_, marks_);
    deductions_->showBeside(*this);
}

void BoardWindow::followDeductions()
{
    if (deductions_ && deductions_->isVisible())
        deductions_->follow(game_, marks_);
}

// A shape on every peg, for players who cannot tell some colours apart; the
// menu item, ticked or not, and its key M both come here.
void BoardWindow::toggleMarks()
{
    marks_ = marksItem_->isChecked();
    render();
    followDeductions();
    announce(marks_ ? tr("Color marks on") : tr("Color marks off"));
}

void BoardWindow::askExit()
{
    if (tk::askYesNo(tr("Do you want to Exit ?"), QStringLiteral("Quorvane")))
        close();
}

void BoardWindow::closeEvent(QCloseEvent* e)
{
    // Whether by Exit or by the title bar: the side windows go first, in the
    // order they were opened, a hidden help window too; then the board.
    for (const QPointer<tk::Form>& side : opened_)
        delete side.data();
    e->accept();
    QCoreApplication::exit(0);
}
