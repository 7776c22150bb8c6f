#include "BoardWindow.h"

#include "game/Colours.h"
#include "game/Scoring.h"
#include "toolkit/Image.h"

template <class F>
void BoardWindow::perform(F&& operation)
{
    if (performing_)
        return operation();
    putBackCarried();
    // Qt moves the focus off each control hidden meanwhile: it waits for settleFocus.
    performing_ = true;
    operation();
    render();
    performing_ = false;
    settleFocus();
    followDeductions();
    emit gameChanged();
}

BoardWindow::Lifted BoardWindow::liftedAsIs(int k) const
{
    return {game_.colourIn(slotAt(k)), looks_[std::size_t(k)].shows};
}

void BoardWindow::placeColour(int colour, int k)
{
    perform([&] {
        if (!isSlot(k))
            return;
        const QString replaced = replacing(k);
        switch (game_.place(colour, inCurrentTry(k) ? slotAt(k).p : -1)) {
        case game::Placement::OutsideTry: return;
        case game::Placement::AlreadyThere: return refused(colour);
        case game::Placement::Placed: break;
        }
        looks_[std::size_t(k)] = {colour, false};
        slots_[std::size_t(k)]->nameMayHaveChanged();
        announce(tr("%1 placed in %2").arg(game::colourName(colour), slotPlace(k)) + replaced);
    });
}

void BoardWindow::moveSlotColour(int from, int to, Lifted lifted)
{
    perform([&] {
        if (!isSlot(from) || !isSlot(to))
            return;
        const int colour = game_.colourIn(slotAt(from));
        const QString replaced = from == to ? QString() : replacing(to);
        Look& source = looks_[std::size_t(from)];
        Look& target = looks_[std::size_t(to)];
        const game::SlotDrop drop = game_.drop(slotAt(from), inCurrentTry(to) ? slotAt(to).p : -1);
        if (drop == game::SlotDrop::Refused) {
            source = {lifted.sourceShowed, true};  // left at its picture's size
            if (inCurrentTry(to))
                refused(colour);
            return;
        }
        if (drop == game::SlotDrop::Moved)
            source = {};
        target = {lifted.carried, false};
        if (drop == game::SlotDrop::Copied)
            source = {lifted.sourceShowed, false};
        if (drop == game::SlotDrop::Kept)
            return;
        slots_[std::size_t(from)]->nameMayHaveChanged();
        slots_[std::size_t(to)]->nameMayHaveChanged();
        announce((drop == game::SlotDrop::Moved ? tr("%1 moved to %2") : tr("%1 copied to %2"))
                     .arg(game::colourName(colour), slotPlace(to))
                 + replaced);
    });
}

void BoardWindow::putInFirstEmpty(int colour)
{
    perform([&] {
        const int p = game_.firstEmptyFor(colour);
        if (p < 0)
            return refused(colour);
        placeColour(colour, slotNumber(game_.currentTry(), p));
    });
}

void BoardWindow::copyToFirstEmpty(int k, Lifted lifted)
{
    perform([&] {
        if (!isSlot(k))
            return;
        const int colour = game_.colourIn(slotAt(k));
        const int p = game_.firstEmptyFor(colour);
        if (p < 0 && colour != game::NoColour)
            return refused(colour);
        if (p >= 0)
            moveSlotColour(k, slotNumber(game_.currentTry(), p), lifted);
    });
}

void BoardWindow::handIn()
{
    perform([&] {
        const int t = game_.currentTry();
        const game::Handed handed = game_.handIn();
        if (handed == game::Handed::Incomplete)
            return announce(tr("try %1 of %2 is not complete").arg(t + 1).arg(game::Tries));
        QString heard = scoreName(t) + QStringLiteral(". ") + game::feedbackSentence(*game_.feedback(), game_.positions());
        switch (handed) {
        case game::Handed::Won:
            ended_ = true;
            heard += QStringLiteral(". ") + tr("You have won.") + u' ' + codeSpoken();
            break;
        case game::Handed::Lost:
            ended_ = true;
            heard += QStringLiteral(". ") + tr("That was the last try.") + u' ' + codeSpoken();
            break;
        default:
            layRow(game_.currentTry());
        }
        announce(heard);
    });
}

void BoardWindow::giveUp()
{
    perform([&] {
        if (!game_.giveUp())
            return;
        ended_ = true;
        announce(tr("You gave up.") + u' ' + codeSpoken());
    });
}

void BoardWindow::newGame()
{
    perform([&] {
        game_.newGame();
        layRow(0);
        announce(tr("new game: %1 colors, %2 positions").arg(game_.colours()).arg(game_.positions()), true);
    });
}

void BoardWindow::changeColours(game::Step step)
{
    perform([&] {
        if (game_.changeColours(step))
            announce(tr("%n colors, shuffled", nullptr, game_.colours()), true);
    });
}

void BoardWindow::changePositions(game::Step step)
{
    perform([&] {
        if (!game_.changePositions(step))
            return;
        layRow(0);
        announce(tr("%n positions", nullptr, game_.positions()), true);
    });
}

void BoardWindow::fillWith(const std::vector<int>& colours)
{
    perform([&] {
        const int t = game_.currentTry();
        if (int(colours.size()) != game_.positions())
            return;
        // Position by position: a colour the try holds elsewhere is moved
        // there, any other put in; a position done is never touched again.
        for (int p = 0; p < game_.positions(); ++p) {
            const std::span<const int> row = game_.tryColours(t);
            const int c = colours[std::size_t(p)];
            const auto at = std::find(row.begin(), row.end(), c);
            if (at == row.end())
                placeColour(c, slotNumber(t, p));
            else if (int(at - row.begin()) != p)
                moveSlotColour(slotNumber(t, int(at - row.begin())), slotNumber(t, p), liftedAsIs(slotNumber(t, int(at - row.begin()))));
        }
    });
}

QString BoardWindow::replacing(int k) const
{
    const int c = game_.colourIn(slotAt(k));
    return c == game::NoColour ? QString() : tr(", replacing %1").arg(game::colourName(c));
}

void BoardWindow::refused(int colour)
{
    // What a sighted player sees at once: nothing happened, and why.
    announce(game_.currentTryHolds(colour) ? tr("%1 is already in this try").arg(game::colourName(colour))
                                           : tr("this try is full"));
}
