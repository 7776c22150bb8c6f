#include "DeductionsWindow.h"

#include "FormBuilder.h"
#include "Pegs.h"
#include "SideWindowLayouts.h"
#include "game/Colours.h"
#include "game/Game.h"
#include "toolkit/CommandButton.h"
#include "toolkit/ImageRow.h"
#include "toolkit/Label.h"

#include <QKeyEvent>
#include <QtConcurrent/QtConcurrentRun>

namespace {
bool operator==(const game::Score& a, const game::Score& b)
{
    return a.colours == b.colours && a.positions == b.positions;
}

bool sameHistory(const game::History& a, const game::History& b)
{
    return a.positions == b.positions && a.inPlay == b.inPlay
           && std::equal(a.clues.begin(), a.clues.end(), b.clues.begin(), b.clues.end(),
                         [](const game::Clue& x, const game::Clue& y) { return x.colours == y.colours && x.score == y.score; });
}

// "1 correct color", "2 correct colors", "1 to 3 correct colors": English
// has a text of its own for one, the translations their plural forms.
QString counted(int least, int most, bool colours)
{
    if (least != most)
        return colours ? DeductionsWindow::tr("%1 to %n correct colors", nullptr, most).arg(least)
                       : DeductionsWindow::tr("%1 to %n correct positions", nullptr, most).arg(least);
    if (most == 1)
        return colours ? DeductionsWindow::tr("1 correct color") : DeductionsWindow::tr("1 correct position");
    return colours ? DeductionsWindow::tr("%n correct colors", nullptr, most) : DeductionsWindow::tr("%n correct positions", nullptr, most);
}

QString scored(game::Score least, game::Score most)
{
    return DeductionsWindow::tr("%1 and %2").arg(counted(least.colours, most.colours, true), counted(least.positions, most.positions, false));
}
} // namespace

DeductionsWindow::DeductionsWindow(const Pegs& pegs) : tk::Form(deductionsWindowLayout().style), pegs_(pegs)
{
    setAttribute(Qt::WA_DeleteOnClose);
    workers_.setThreadPriority(QThread::IdlePriority);
    layout::build(*this, deductionsWindowLayout());
    using namespace deductionNames;
    count_ = control<tk::Label>(Count);
    verdict_ = control<tk::Label>(Verdict);
    reason_ = control<tk::Label>(Reason);
    note_ = control<tk::Label>(Note);
    inCode_ = control<tk::ImageRow>(InCode);
    notInCode_ = control<tk::ImageRow>(NotInCode);
    open_ = control<tk::ImageRow>(Open);
    suggest_ = control<tk::CommandButton>(Suggest);
    for (int p = 0; p < game::MostPositions; ++p) {
        positionWords_[std::size_t(p)] = control<tk::Label>(layout::controlName(PositionWord, p));
        positionWords_[std::size_t(p)]->setCaption(tr("Position %1:").arg(p + 1));
        positions_[std::size_t(p)] = control<tk::ImageRow>(layout::controlName(Position, p));
    }
    // A row of pegs reads as one line, its word and the colours' names; the
    // word is not read again on its own.
    std::vector<QWidget*> words;
    const auto describe = [this, &words](tk::ImageRow* row, tk::Label* word, auto mask) {
        words.push_back(word);
        row->describe = [this, word, mask] {
            const QStringList names = knowledge_ ? colourNames(mask(*knowledge_)) : QStringList();
            return word->text() + u' ' + (names.isEmpty() ? tr("none") : names.join(QStringLiteral(", ")));
        };
    };
    describe(inCode_, control<tk::Label>(QStringLiteral("inCodeWord")), [](const game::Knowledge& k) { return k.inCode; });
    describe(notInCode_, control<tk::Label>(QStringLiteral("notInCodeWord")), [](const game::Knowledge& k) { return k.notInCode; });
    describe(open_, control<tk::Label>(QStringLiteral("openWord")), [](const game::Knowledge& k) { return std::uint16_t(~(k.inCode | k.notInCode)); });
    for (std::size_t p = 0; p < positions_.size(); ++p)
        describe(positions_[p], positionWords_[p], [p](const game::Knowledge& k) { return k.canBe[p]; });
    readingOrder = [this, words] {
        QList<QWidget*> shown;
        for (QWidget* w : client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden() && std::find(words.begin(), words.end(), w) == words.end())
                shown << w;
        return shown;
    };
    suggest_->onClick = [this] {
        wanted_ = true;
        suggest();
    };
    connect(&known_, &QFutureWatcherBase::finished, this, [this] {
        findingsDue_ = false;
        showFindings(known_.result());
    });
    connect(&suggestion_, &QFutureWatcherBase::finished, this, [this] {
        suggestionDue_ = false;
        suggest();
    });
}

DeductionsWindow::~DeductionsWindow()
{
    // The work under way only reads copies of the game; it is let finish.
    workers_.waitForDone();
}

void DeductionsWindow::follow(const game::Game& game, bool marks)
{
    const game::History history = game.history();
    const std::span<const int> current = game.tryColours(game.currentTry());
    std::vector<int> now(current.begin(), current.end());
    const bool newHistory = !sameHistory(history, history_);
    if (!newHistory && now == try_ && marks == marks_)
        return;
    marks_ = marks;
    history_ = history;
    try_ = now;
    for (int p = 0; p < game::MostPositions; ++p) {
        positionWords_[std::size_t(p)]->setVisible(p < history.positions);
        positions_[std::size_t(p)]->setVisible(p < history.positions);
    }
    if (newHistory) {
        knowledge_.reset();
        if (history.clues.size() < counted_)
            counted_ = history.clues.size();  // a new game: nothing to tell until a try is scored
        suggestionDue_ = true;
        suggestion_.setFuture(QtConcurrent::run(&workers_, [history] { return game::suggestTry(history); }));
    }
    const std::optional<game::Knowledge> known = knowledge_;
    findingsDue_ = true;
    known_.setFuture(QtConcurrent::run(&workers_, [history, now, known] {
        return Findings{known ? *known : game::deduce(history), game::judge(history, now)};
    }));
}

void DeductionsWindow::showFindings(const Findings& found)
{
    knowledge_ = found.knowledge;
    const std::uint64_t n = found.knowledge.possible;
    const QString count = n == 1 ? tr("1 code is still possible.") : tr("%L1 codes are still possible.").arg(n);
    count_->setCaption(count);
    verdict_->setCaption(found.verdict.possible ? tr("Your try could be the code.") : tr("Your try cannot be the code:"));
    reason_->setCaption(found.verdict.possible ? QString() : reasonWhy(found.verdict));
    const auto pegsOf = [this](std::uint16_t mask) {
        std::vector<QPixmap> pegs;
        for (int c : history_.inPlay)
            if (mask & (1u << c))
                pegs.push_back(pegs_.of(c, marks_));
        return pegs;
    };
    const game::Knowledge& k = found.knowledge;
    inCode_->setPictures(pegsOf(k.inCode));
    notInCode_->setPictures(pegsOf(k.notInCode));
    open_->setPictures(pegsOf(std::uint16_t(~(k.inCode | k.notInCode))));
    for (int p = 0; p < game::MostPositions; ++p)
        positions_[std::size_t(p)]->setPictures(pegsOf(k.canBe[std::size_t(p)]));
    for (tk::ImageRow* row : {inCode_, notInCode_, open_})
        row->nameMayHaveChanged();
    for (tk::ImageRow* row : positions_)
        row->nameMayHaveChanged();
    if (history_.clues.size() > counted_) {
        counted_ = history_.clues.size();
        emit counted(count);
    }
}

QString DeductionsWindow::reasonWhy(const game::Verdict& v) const
{
    if (v.clue < 0)
        return tr("it holds a color twice, or one not in play.");
    const int t = v.clue + 1;
    if (!v.alone)
        return tr("it does not fit what tries 1 to %1 scored, taken together.").arg(t);
    const bool outside = v.scored.colours < v.least.colours || v.scored.colours > v.most.colours
                         || v.scored.positions < v.least.positions || v.scored.positions > v.most.positions;
    if (outside)
        return tr("had it been the code, try %1 would have scored %2, not %3.").arg(t).arg(scored(v.least, v.most), scored(v.scored, v.scored));
    return tr("however it is completed, try %1 could not have scored %2.").arg(t).arg(scored(v.scored, v.scored));
}

QStringList DeductionsWindow::colourNames(std::uint16_t mask) const
{
    QStringList names;
    for (int c : history_.inPlay)
        if (mask & (1u << c))
            names << game::colourName(c);
    return names;
}

void DeductionsWindow::suggest()
{
    // Asked for before it was worked out, it is filled in as soon as it is.
    if (!wanted_ || suggestionDue_)
        return;
    wanted_ = false;
    const std::vector<int> colours = suggestion_.result();
    const bool couldBeIt = game::judge(history_, colours).possible;
    note_->setCaption(couldBeIt ? tr("Suggested: a try that could be the code.")
                                : tr("Suggested: a try that cannot be the code, but tells more."));
    emit suggestionChosen(colours);
}

void DeductionsWindow::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_D)
        emit boardWanted();
    else if (e->key() == Qt::Key_Escape)
        close();
    else
        return tk::Form::keyPressEvent(e);
    e->accept();
}
