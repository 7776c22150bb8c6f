#include "BoardWindow.h"

#include "game/Colours.h"
#include "toolkit/Announce.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "windows/FormBuilder.h"
#include "windows/GameBoardLayout.h"

#include <QAccessibleActionInterface>

namespace {
QString colourOrEmpty(int c)
{
    return c == game::NoColour ? BoardWindow::tr("empty") : game::colourName(c);
}

// A count as a score label shows it, "1 correct color", "2 correct colors":
// English has a text of its own for one, the translations their plural forms.
QString correctColours(int n)
{
    return n == 1 ? BoardWindow::tr("1 correct color") : BoardWindow::tr("%n correct colors", nullptr, n);
}
QString correctPositions(int n)
{
    return n == 1 ? BoardWindow::tr("1 correct position") : BoardWindow::tr("%n correct positions", nullptr, n);
}
QString ofTry(int t, const QString& what)
{
    return BoardWindow::tr("try %1: %2").arg(QString::number(t + 1), what);
}
} // namespace

// Names are asked for when a reader wants them, from the game as it stands;
// what a sighted player sees happen is announced.
void BoardWindow::describeControls()
{
    const QString press = QAccessibleActionInterface::pressAction();
    for (int c = 0; c < game::PaletteColours; ++c) {
        palette_[std::size_t(c)]->describe = [c] { return game::colourName(c); };
        palette_[std::size_t(c)]->accessibleActions = {{press, [this, c] { putInFirstEmpty(c); }}};
    }
    for (int p = 0; p < AnswerPegs; ++p)
        answer_[std::size_t(p)]->describe = [this, p] {
            const bool shown = game_.over() && p < game_.positions();
            return tr("answer, position %1: %2").arg(QString::number(p + 1), shown ? colourOrEmpty(game_.code()[std::size_t(p)]) : tr("hidden"));
        };
    for (int t = 0; t < game::Tries; ++t) {
        colourScores_[std::size_t(t)]->describe = [this, t] { return ofTry(t, correctColours(game_.score(t).value_or(game::Score{}).colours)); };
        positionScores_[std::size_t(t)]->describe = [this, t] { return ofTry(t, correctPositions(game_.score(t).value_or(game::Score{}).positions)); };
    }
    colourSelector_->describe = [this] { return tr("colors: %1").arg(game_.colours()); };
    positionSelector_->describe = [this] { return tr("positions: %1").arg(game_.positions()); };
    const QString use = tr("Up raises, Down lowers");
    const QString increase = QAccessibleActionInterface::increaseAction(), decrease = QAccessibleActionInterface::decreaseAction();
    colourSelector_->setAccessibleDescription(use);
    positionSelector_->setAccessibleDescription(use);
    colourSelector_->accessibleActions = {{increase, [this] { changeColours(game::Step::Up); }},
                                          {decrease, [this] { changeColours(game::Step::Down); }}};
    positionSelector_->accessibleActions = {{increase, [this] { changePositions(game::Step::Up); }},
                                            {decrease, [this] { changePositions(game::Step::Down); }}};
    dragImage_->describe = [] { return tr("color being dragged"); };
    readingOrder = [this] { return screenOrder(); };
}

void BoardWindow::describeSlot(int k)
{
    tk::Image& slot = *slots_[std::size_t(k)];
    slot.describe = [this, k] {
        return tr("%1: %2", "a slot, what it holds").arg(slotPlace(k), colourOrEmpty(isSlot(k) ? game_.colourIn(slotAt(k)) : game::NoColour));
    };
    // A scored try's score, heard again on any of its slots.
    slot.explain = [this, k] { return isSlot(k) && game_.score(slotAt(k).t) ? scoreName(slotAt(k).t) : QString(); };
    slot.accessibleActions = {{QAccessibleActionInterface::pressAction(), [this, k] {
                                   if (isSlot(k))
                                       copyToFirstEmpty(k, liftedAsIs(k));
                               }}};
}

QString BoardWindow::slotPlace(int k) const
{
    return tr("try %1 of %2, position %3").arg(slotAt(k).t + 1).arg(game::Tries).arg(slotAt(k).p + 1);
}

QString BoardWindow::scoreName(int t) const
{
    const game::Score s = game_.score(t).value_or(game::Score{});
    return ofTry(t, correctColours(s.colours) + QStringLiteral(", ") + correctPositions(s.positions));
}

QString BoardWindow::codeSpoken() const
{
    QStringList colours;
    for (int c : game_.code())
        colours << colourOrEmpty(c);
    return tr("The code was %1.").arg(colours.join(QStringLiteral(", ")));
}

// Screen order: each of the board's own words before what it heads, the
// palette as shown, the tries top to bottom and each left to right, OK, the
// scores, the answer, the selectors, each before its word, and the outcome buttons.
QList<QWidget*> BoardWindow::screenOrder() const
{
    QList<QWidget*> order;
    const auto add = [&order](QWidget* w) {
        if (w && !w->isHidden())
            order << w;
    };
    const auto words = [this](const char* name, int index = -1) { return control<QWidget>(layout::controlName(name, index)); };
    add(words(boardNames::PaletteHeading));
    for (int place = 0; place < game_.colours(); ++place)
        add(palette_[std::size_t(game_.colourAtPlace(place))]);
    add(words(boardNames::TriesHeading));
    for (int k = 0; k <= lastSlot(); ++k)
        add(slots_[std::size_t(k)]);
    add(handInButton_);
    add(words(boardNames::ScoresHeading));
    add(words(boardNames::ScoreColumnsHeading, 3));
    for (int t = 0; t < game::Tries; ++t) {
        add(colourScores_[std::size_t(t)]);
        add(positionScores_[std::size_t(t)]);
    }
    add(words(boardNames::AnswerHeading));
    for (int p = 0; p < game_.positions(); ++p)
        add(answer_[std::size_t(p)]);
    for (QWidget* w : std::initializer_list<QWidget*>{colourSelector_, coloursWord_, positionSelector_, positionsWord_, wonButton_, lostButton_})
        add(w);
    return order;
}

void BoardWindow::announce(const QString& message, bool afterBurst)
{
    announcer_->say(message, afterBurst);
}
