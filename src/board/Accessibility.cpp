#include "GameBoard.h"

#include "basics/Tags.h"
#include "toolkit/Announce.h"
#include "toolkit/Keys.h"
#include "windows/Pictures.h"

#include <QAccessibleActionInterface>

namespace {
QString colourOrEmpty(int c)
{
    return c < 0 ? GameBoard::tr("empty") : pictures::colourName(c);
}

// A score label's count, "1 correct color", "2 correct colors": English has
// a text of its own for one, the translations their plural forms.
QString correctColours(const QString& count)
{
    return count == u"1" ? GameBoard::tr("1 correct color") : GameBoard::tr("%n correct colors", nullptr, count.toInt());
}
QString correctPositions(const QString& count)
{
    return count == u"1" ? GameBoard::tr("1 correct position") : GameBoard::tr("%n correct positions", nullptr, count.toInt());
}
QString ofTry(Integer t, const QString& what)
{
    return GameBoard::tr("try %1: %2").arg(QString::number(t + 1), what);
}
} // namespace

// Names are asked for when a reader wants them, never kept up to date by
// the handlers; what a sighted player sees happen is announced.
void GameBoard::describeControls()
{
    for (Integer i = 0; i < game::PaletteColours; ++i) {
        tk::Image& colour = Picture1(i);
        colour.describe = [i] { return pictures::colourName(i); };
        colour.accessibleActions = {{QAccessibleActionInterface::pressAction(), [this, i] { doubleClickColour(i); }}};
    }
    for (Integer p = 0; p < game::CodePegs; ++p) {
        tk::Image& peg = answer(p);
        peg.describe = [&peg, p] {
            return tr("answer, position %1: %2")
                .arg(QString::number(p + 1), peg.Visible() ? colourOrEmpty(tags::val(peg.Tag())) : tr("hidden"));
        };
    }
    for (Integer t = 0; t < game::Tries; ++t) {
        tk::Label& colours = NoCorCol(t);
        tk::Label& positions = NoCorpos(t);
        colours.describe = [&colours, t] { return ofTry(t, correctColours(colours.caption())); };
        positions.describe = [&positions, t] { return ofTry(t, correctPositions(positions.caption())); };
    }
    MaxColors->describe = [this] { return tr("colors: %1").arg(MaxColors->caption()); };
    Maxpositions->describe = [this] { return tr("positions: %1").arg(Maxpositions->caption()); };
    const QString use = tr("Up raises, Down lowers");
    MaxColors->setAccessibleDescription(use);
    Maxpositions->setAccessibleDescription(use);
    // What Up and Down do, through the same key handlers.
    for (tk::CommandButton* selector : {MaxColors, Maxpositions}) {
        const auto step = [this, selector](Integer key) {
            dropCarried(true);
            selector == MaxColors ? MaxColors_KeyDown(key, 0) : Maxpositions_KeyDown(key, 0);
        };
        selector->accessibleActions = {{QAccessibleActionInterface::increaseAction(), [step] { step(tk::KeyUp); }},
                                       {QAccessibleActionInterface::decreaseAction(), [step] { step(tk::KeyDown); }}};
    }
    DragColor->describe = [] { return tr("color being dragged"); };
    readingOrder = [this] { return screenOrder(); };
}

void GameBoard::describeSlot(Integer k, tk::Image& slot)
{
    slot.describe = [this, k] { return tr("%1: %2", "a slot, what it holds").arg(slotPlace(k), colourOrEmpty(slotValue(k))); };
    // A scored try's score, heard again on any of its slots.
    slot.explain = [this, k] {
        const Integer t = Integer(k / positions());
        return NoCorCol(t).isHidden() ? QString() : scoreName(t);
    };
    slot.accessibleActions = {{QAccessibleActionInterface::pressAction(), [this, k] { doubleClickSlot(k); }}};
}

QString GameBoard::slotPlace(Integer k) const
{
    const int P = positions();
    return tr("try %1 of %2, position %3").arg(k / P + 1).arg(MaxTry + 1).arg(k % P + 1);
}

QString GameBoard::scoreName(Integer t) const
{
    return ofTry(t, correctColours(NoCorCol(t).caption()) + QStringLiteral(", ") + correctPositions(NoCorpos(t).caption()));
}

QString GameBoard::codeSpoken() const
{
    const Colours answer = code();  // outlives the loop: a span over code() would not
    QStringList colours;
    for (int c : game::Try(answer))
        colours << colourOrEmpty(c);
    return tr("The code was %1.").arg(colours.join(QStringLiteral(", ")));
}

// Screen order: each of the board's own words before what it heads, the
// palette as shown, the tries top to bottom and each left to right, OK, the
// scores, the answer, the selectors, each before its word, and the outcome buttons.
QList<QWidget*> GameBoard::screenOrder() const
{
    QList<QWidget*> order;
    const auto add = [&order](QWidget* w) {
        if (w && !w->isHidden())
            order << w;
    };
    const auto words = [this](const char* name) { return control<QWidget>(QString::fromLatin1(name)); };
    add(words("Label6"));
    for (Integer k = 0; k <= MaxColour; ++k)
        add(&Picture1(ColourOrder[std::size_t(k)]));
    add(words("Label4"));
    for (Integer k = 0; k <= Guessed.ubound(); ++k)
        add(Guessed.at(k));
    add(GuessComplete);
    add(words("Label3"));
    add(words("Messcol(3)"));
    for (Integer t = 0; t < game::Tries; ++t) {
        add(&NoCorCol(t));
        add(&NoCorpos(t));
    }
    add(words("Label5"));
    for (Integer p = 0; p <= MaxPosition; ++p)
        add(&answer(p));
    for (QWidget* w : std::initializer_list<QWidget*>{MaxColors, Label1, Maxpositions, Label2, CongText, FailText})
        add(w);
    return order;
}

void GameBoard::announce(const QString& message, bool afterBurst)
{
    announcer_->say(message, afterBurst);
}
