#include "BoardWindow.h"

#include "game/Scoring.h"
#include "toolkit/Announce.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "windows/AboutBox.h"
#include "windows/FormBuilder.h"
#include "windows/GameBoardLayout.h"
#include "windows/HelpWindow.h"

#include <QAction>

namespace {
// OK stands this far right of the last slot's left edge.
constexpr float HandInGap = 540;
} // namespace

BoardWindow::BoardWindow() : tk::Form(gameBoardLayout().style), announcer_(new tk::Announcer(this))
{
    findControls();
    wireControls();
    describeControls();
    // The first game is set up already: the board only lays it out, which
    // leaves the keyboard on the palette, unmarked until a key is pressed.
    layRow(0);
    render();
    settleFocus();
    announce(tr("new game: %1 colors, %2 positions").arg(game_.colours()).arg(game_.positions()), true);
}

BoardWindow::~BoardWindow()
{
    for (const QPointer<tk::Form>& side : opened_)
        delete side.data();
}

void BoardWindow::findControls()
{
    const layout::Built built = layout::build(*this, gameBoardLayout());
    const auto named = [this]<class T>(T*& into, const char* name, int index = -1) {
        into = control<T>(layout::controlName(name, index));
    };
    for (int c = 0; c < game::PaletteColours; ++c) {
        named(palette_[std::size_t(c)], boardNames::Palette, c);
        controls_.insert(palette_[std::size_t(c)], {Control::PaletteColour, c});
    }
    paletteTop_ = palette_[0]->Top();
    slots_.push_back(nullptr);
    named(slots_[0], boardNames::Slot, 0);
    slotOrigin_ = {slots_[0]->Left(), slots_[0]->Top()};
    for (int p = 0; p < AnswerPegs; ++p)
        named(answer_[std::size_t(p)], boardNames::Answer, p);
    for (int t = 0; t < game::Tries; ++t) {
        named(colourScores_[std::size_t(t)], boardNames::ColourScore, t);
        named(positionScores_[std::size_t(t)], boardNames::PositionScore, t);
    }
    named(dragImage_, boardNames::DragImage);
    drag_.left = dragImage_->Left();  // hidden where it was designed, until a colour is first pressed
    drag_.top = dragImage_->Top();
    named(colourSelector_, boardNames::ColourSelector);
    named(positionSelector_, boardNames::PositionSelector);
    named(coloursWord_, boardNames::ColoursWord);
    named(positionsWord_, boardNames::PositionsWord);
    named(handInButton_, boardNames::HandInButton);
    named(wonButton_, boardNames::WonButton);
    named(lostButton_, boardNames::LostButton);
    const QList<tk::CommandButton*> buttons = buttonsInTabOrder();
    for (int i = 0; i < buttons.size(); ++i)
        controls_.insert(buttons[i], {Control::Button, i});
    giveUpItem_ = built.menu.value(boardNames::GiveUpItem);
    aboutItem_ = built.menu.value(boardNames::AboutItem);
    helpItem_ = built.menu.value(boardNames::HelpItem);
    marksItem_ = built.menu.value(boardNames::MarksItem);
    deductionsItem_ = built.menu.value(boardNames::DeductionsItem);
    exitItem_ = built.menu.value(boardNames::ExitItem);
}

void BoardWindow::wireControls()
{
    for (int c = 0; c < game::PaletteColours; ++c) {
        tk::Image& colour = *palette_[std::size_t(c)];
        colour.setFocusPolicy(Qt::TabFocus);
        colour.onPress = [this, c](const tk::Pointer& p) { pressColour(c, p); };
        colour.onMove = [this, c](const tk::Pointer& p) { moveColour(c, p); };
        colour.onRelease = [this, c](const tk::Pointer& p) { releaseColour(c, p); };
        colour.onDoubleClick = [this, c] { putInFirstEmpty(c); };
        colour.onKey = [this, c](const QKeyEvent& e) { return colourKey(c, e); };
    }
    wireSlot(0);
    dragImage_->onMove = [this](const tk::Pointer& p) { pushDragImage(p); };
    handInButton_->onClick = [this] { handIn(); };
    wonButton_->onClick = [this] { newGame(); };
    lostButton_->onClick = [this] { newGame(); };
    // Released with the left button a selector raises its count, with the
    // right one lowers it; the middle one only draws anew.
    const auto step = [](const tk::Pointer& p) {
        return p.button == tk::LeftButton ? game::Step::Up : p.button == tk::RightButton ? game::Step::Down : game::Step::None;
    };
    colourSelector_->onRelease = [this, step](const tk::Pointer& p) { changeColours(step(p)); };
    positionSelector_->onRelease = [this, step](const tk::Pointer& p) { changePositions(step(p)); };
    colourSelector_->onKey = [this](const QKeyEvent& e) { return selectorKey(true, e); };
    positionSelector_->onKey = [this](const QKeyEvent& e) { return selectorKey(false, e); };
    connect(giveUpItem_, &QAction::triggered, this, [this] { giveUp(); });
    connect(aboutItem_, &QAction::triggered, this, [this] { showAbout(); });
    connect(helpItem_, &QAction::triggered, this, [this] { showHelp(); });
    connect(marksItem_, &QAction::triggered, this, [this] { toggleMarks(); });
    connect(deductionsItem_, &QAction::triggered, this, [this] { showDeductions(); });
    connect(exitItem_, &QAction::triggered, this, [this] { askExit(); });
}

tk::Image& BoardWindow::slotImage(int k)
{
    // Slot 0 comes from the layout; the others are made as the first try to
    // reach them begins, and kept, hidden between games.
    while (slots_.size() <= std::size_t(k)) {
        auto* slot = new tk::Image(client());
        slot->setObjectName(layout::controlName(boardNames::Slot, int(slots_.size())));
        slots_.push_back(slot);
        wireSlot(int(slots_.size()) - 1);
    }
    return *slots_[std::size_t(k)];
}

void BoardWindow::wireSlot(int k)
{
    tk::Image& slot = *slots_[std::size_t(k)];
    controls_.insert(&slot, {Control::GuessSlot, k});
    slot.setFocusPolicy(Qt::TabFocus);
    slot.onPress = [this, k](const tk::Pointer& p) { pressSlot(k, p); };
    slot.onMove = [this, k](const tk::Pointer& p) { moveSlot(k, p); };
    slot.onRelease = [this, k](const tk::Pointer& p) { releaseSlot(k, p); };
    slot.onDoubleClick = [this, k] { doubleClickSlot(k); };
    slot.onKey = [this, k](const QKeyEvent& e) { return slotKey(k, e); };
    describeSlot(k);
}

game::Slot BoardWindow::slotAt(int k) const
{
    return {k / game_.positions(), k % game_.positions()};
}

float BoardWindow::slotLeft(int k) const
{
    return float(slotOrigin_.x()) + SlotSize * float(slotAt(k).p);
}

float BoardWindow::slotTop(int k) const
{
    return float(slotOrigin_.y()) + SlotSize * float(slotAt(k).t);
}

QRectF BoardWindow::slotBox(int k) const
{
    const float size = looks_[std::size_t(k)].large ? PictureSize : SlotSize;
    return {slotLeft(k), slotTop(k), size, size};
}

float BoardWindow::paletteLeft(int colour) const
{
    return float(slotOrigin_.x()) + SlotSize * float(game_.placeOf(colour));
}

BoardWindow::Control BoardWindow::whatIs(const QWidget* w) const
{
    return controls_.value(w);
}

void BoardWindow::layRow(int t)
{
    looks_.resize(std::size_t(lastSlot() + 1));
    for (int p = 0; p < game_.positions(); ++p) {
        const int k = slotNumber(t, p);
        looks_[std::size_t(k)] = {};
        slotImage(k).raise();
        slotImage(k).nameMayHaveChanged();
    }
}

void BoardWindow::render()
{
    const int P = game_.positions();
    for (int place = 0; place < game::PaletteColours; ++place) {
        const int c = game_.colourAtPlace(place);
        tk::Image& colour = *palette_[std::size_t(c)];
        colour.setPicture(pegs_.of(c, marks_));
        colour.setBounds(paletteLeft(c), paletteTop_, SlotSize, SlotSize);
        colour.setVisible(place < game_.colours());
    }
    renderSlots();
    for (int p = 0; p < AnswerPegs; ++p) {
        if (p < P)
            answer_[std::size_t(p)]->setPicture(pegs_.of(game_.code()[std::size_t(p)], marks_));
        answer_[std::size_t(p)]->setVisible(p < P && game_.over());
    }
    for (int t = 0; t < game::Tries; ++t) {
        const std::optional<game::Score> score = game_.score(t);
        if (score) {
            colourScores_[std::size_t(t)]->setCaption(QString::number(score->colours));
            positionScores_[std::size_t(t)]->setCaption(QString::number(score->positions));
        }
        colourScores_[std::size_t(t)]->setVisible(score.has_value());
        positionScores_[std::size_t(t)]->setVisible(score.has_value());
    }
    colourSelector_->setCaption(QString::number(game_.colours()));
    positionSelector_->setCaption(QString::number(P));
    for (QWidget* w : {static_cast<QWidget*>(colourSelector_), static_cast<QWidget*>(positionSelector_),
                       static_cast<QWidget*>(coloursWord_), static_cast<QWidget*>(positionsWord_)})
        w->setVisible(!game_.begun());
    handInButton_->setBounds(slotLeft(P - 1) + HandInGap, slotTop(slotNumber(game_.currentTry(), 0)),
                             handInButton_->Width(), handInButton_->Height());
    const std::optional<game::Score> feedback = game_.feedback();
    handInButton_->setToolTipText(feedback ? game::feedbackSentence(*feedback, P) : QString());
    handInButton_->setVisible(game_.handInOffered());
    wonButton_->setVisible(game_.phase() == game::Phase::Won);
    lostButton_->setVisible(game_.phase() == game::Phase::Lost || game_.phase() == game::Phase::GivenUp);
    renderDragImage();
}

void BoardWindow::renderSlots()
{
    const int last = lastSlot();
    const int carried = carry_.index < 0 ? game::NoColour
                        : carry_.fromPalette ? carry_.index
                                             : game_.colourIn(slotAt(carry_.index));
    for (int k = 0; k <= last; ++k) {
        tk::Image& slot = slotImage(k);
        const Look& look = looks_[std::size_t(k)];
        const bool target = carry_.index >= 0 && k == slotNumber(game_.currentTry(), carry_.target);
        slot.setPicture(pegs_.of(target ? carried : look.shows, marks_));
        const QRectF box = slotBox(k);
        slot.setBounds(float(box.left()), float(box.top()), float(box.width()), float(box.height()));
        slot.show();
    }
    // The rows of a game gone are redrawn over once, as one rectangle: Qt's
    // own bookkeeping of each hidden control's place is what makes hiding many costly.
    QRect leaving;
    for (std::size_t k = std::size_t(last) + 1; k < slots_.size(); ++k)
        if (!slots_[k]->isHidden())
            leaving |= slots_[k]->geometry();
    if (leaving.isEmpty())
        return;
    client()->update(leaving);
    for (std::size_t k = std::size_t(last) + 1; k < slots_.size(); ++k) {
        slots_[k]->setUpdatesEnabled(false);
        slots_[k]->hide();
        slots_[k]->setUpdatesEnabled(true);
    }
}

void BoardWindow::renderDragImage()
{
    dragImage_->setPicture(pegs_.of(drag_.picture, marks_));
    dragImage_->setBounds(drag_.left, drag_.top, PictureSize, PictureSize);
    dragImage_->setVisible(drag_.shown);
}
