#include "GameBoard.h"

#include "toolkit/Language.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ProgramFolder.h"
#include "windows/AboutForm.h"
#include "windows/HelpForm.h"

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

void GameBoard::Aboutx_Click()
{
    tk::sharedForm<AboutForm>().showModal();
}

void GameBoard::GiveHelp_Click()
{
    HelpForm& help = tk::sharedForm<HelpForm>();
    help.setTag(helpPagePath(tk::appPath(), tk::language()));
    help.showModal();
}

// A shape on every peg, for players who cannot tell some colours apart; the
// menu item, checked or not, and its key M both come here.
void GameBoard::ColorMarks_Click()
{
    const bool on = ColorMarks->isChecked();
    tk::showMarks(this, on);
    announce(on ? tr("Color marks on") : tr("Color marks off"));
}

void GameBoard::GameExit_Click()
{
    if (tk::msgBox(tr("Do you want to Exit ?"), QStringLiteral("Quorvane")) != tk::vbYes)
        return;
    unload();  // Form_Unload closes the other windows and ends the program
}

void GameBoard::Form_Unload()
{
    // Whether by Exit or by the title bar: the other windows go first, in
    // the order they were opened, telling the board apart by its caption.
    for (;;) {
        const QList<tk::Form*> open = tk::openForms();
        tk::Form* other = nullptr;
        for (tk::Form* f : open)
            if (f->caption() != caption()) {
                other = f;
                break;
            }
        if (!other)
            break;
        other->unload();
    }
    QCoreApplication::exit(0);
}
