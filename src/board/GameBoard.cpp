#include "GameBoard.h"

#include "basics/Tags.h"
#include "toolkit/Announce.h"
#include "windows/FormBuilder.h"
#include "windows/GameBoardLayout.h"
#include "windows/Pictures.h"

#include <QAction>

namespace {
template <class T>
tk::ControlArray<T> arrayOf(const tk::Form& form, const char* name, int count)
{
    std::vector<T*> items;
    for (int i = 0; i < count; ++i)
        items.push_back(form.control<T>(layout::controlName(name, i)));
    return tk::ControlArray<T>(std::move(items));
}
} // namespace

GameBoard::GameBoard() : tk::Form(gameBoardLayout().style), announcer_(new tk::Announcer(this))
{
    tk::Picture::setMarker(pictures::withMark);
    const layout::Built built = layout::build(*this, gameBoardLayout());
    Picture1 = arrayOf<tk::Image>(*this, "Picture1", game::PaletteColours);
    Guessed = arrayOf<tk::Image>(*this, "Guessed", 1);
    answer = arrayOf<tk::Image>(*this, "answer", game::CodePegs);
    NoCorCol = arrayOf<tk::Label>(*this, "NoCorCol", game::Tries);
    NoCorpos = arrayOf<tk::Label>(*this, "NoCorpos", game::Tries);
    Blank = control<tk::Image>("Blank");
    ColourClicked = control<tk::Image>("ColourClicked");
    DragColor = control<tk::Image>("DragColor");
    MaxColors = control<tk::CommandButton>("MaxColors");
    Maxpositions = control<tk::CommandButton>("Maxpositions");
    GuessComplete = control<tk::CommandButton>("GuessComplete");
    CongText = control<tk::CommandButton>("CongText");
    FailText = control<tk::CommandButton>("FailText");
    Label1 = control<tk::Label>("Label1");
    Label2 = control<tk::Label>("Label2");
    Giveup = built.menu.value("Giveup");
    Aboutx = built.menu.value("Aboutx");
    GiveHelp = built.menu.value("GiveHelp");
    ColorMarks = built.menu.value("ColorMarks");
    GameExit = built.menu.value("GameExit");
    wireHandlers();
    describeControls();
}

void GameBoard::wireHandlers()
{
    for (Integer i = 0; i < game::PaletteColours; ++i) {
        tk::Image& p = Picture1(i);
        p.setFocusPolicy(Qt::TabFocus);
        p.onMouseDown = [this, i](const tk::Mouse& m) { Picture1_MouseDown(i, m.Button, m.Shift, m.X, m.Y); };
        p.onMouseMove = [this, i](const tk::Mouse& m) { Picture1_MouseMove(i, m.Button, m.Shift, m.X, m.Y); };
        p.onMouseUp = [this, i](const tk::Mouse& m) { Picture1_MouseUp(i, m.Button, m.Shift, m.X, m.Y); };
        p.onDblClick = [this, i] { Picture1_DblClick(i); };
        p.onKeyDown = [this, i](Integer& KeyCode, Integer Shift) { Picture1_KeyDown(i, KeyCode, Shift); };
    }
    Guessed(0).setFocusPolicy(Qt::TabFocus);
    wireSlot(0, Guessed(0));
    Guessed.onLoad = [this](Integer k, tk::Image& slot) { wireSlot(k, slot); };
    DragColor->onMouseMove = [this](const tk::Mouse& m) { DragColor_MouseMove(m.Button, m.Shift, m.X, m.Y); };

    GuessComplete->onClick = [this] { GuessComplete_Click(); };
    CongText->onClick = [this] { CongText_Click(); };
    FailText->onClick = [this] { FailText_Click(); };
    MaxColors->onMouseUp = [this](const tk::Mouse& m) { MaxColors_MouseUp(m.Button, m.Shift, m.X, m.Y); };
    Maxpositions->onMouseUp = [this](const tk::Mouse& m) { Maxpositions_MouseUp(m.Button, m.Shift, m.X, m.Y); };
    MaxColors->onKeyDown = [this](Integer& KeyCode, Integer Shift) { MaxColors_KeyDown(KeyCode, Shift); };
    Maxpositions->onKeyDown = [this](Integer& KeyCode, Integer Shift) { Maxpositions_KeyDown(KeyCode, Shift); };

    connect(Giveup, &QAction::triggered, this, [this] { Giveup_Click(); });
    connect(Aboutx, &QAction::triggered, this, [this] { Aboutx_Click(); });
    connect(GiveHelp, &QAction::triggered, this, [this] { GiveHelp_Click(); });
    connect(ColorMarks, &QAction::triggered, this, [this] { ColorMarks_Click(); });
    connect(GameExit, &QAction::triggered, this, [this] { GameExit_Click(); });
}

void GameBoard::wireSlot(Integer k, tk::Image& slot)
{
    slot.setObjectName(layout::controlName("Guessed", k));
    // A slot's widget may outlive its element (a new game mid-press); it
    // speaks for element k only while it is that element.
    const auto live = [this, k, &slot] { return Guessed.at(k) == &slot; };
    slot.onMouseDown = [=, this](const tk::Mouse& m) { if (live()) Guessed_MouseDown(k, m.Button, m.Shift, m.X, m.Y); };
    slot.onMouseMove = [=, this](const tk::Mouse& m) { if (live()) Guessed_MouseMove(k, m.Button, m.Shift, m.X, m.Y); };
    slot.onMouseUp = [=, this](const tk::Mouse& m) { if (live()) Guessed_MouseUp(k, m.Button, m.Shift, m.X, m.Y); };
    slot.onDblClick = [=, this] { if (live()) Guessed_DblClick(k); };
    slot.onKeyDown = [=, this](Integer& KeyCode, Integer Shift) { if (live()) Guessed_KeyDown(k, KeyCode, Shift); };
    describeSlot(k, slot);
}

GameBoard::Colours GameBoard::slotColours(Integer first) const
{
    Colours row;
    row.size = positions();
    for (int p = 0; p < row.size; ++p)
        row.at[std::size_t(p)] = slotValue(Integer(first + p));
    return row;
}

GameBoard::Colours GameBoard::code() const
{
    Colours code;
    code.size = positions();
    for (int p = 0; p < code.size; ++p)
        code.at[std::size_t(p)] = tags::val(answer(Integer(p)).Tag());
    return code;
}

int GameBoard::slotValue(Integer k) const
{
    const tk::Image* slot = Guessed.at(k);
    return slot ? tags::val(slot->Tag()) : game::NoColour;
}

void GameBoard::Form_Load()
{
    FlagYes = 1;
    FlagNo = 0;
    MaxColour = game::FirstColours - 1;
    MaxPosition = game::FirstPositions - 1;
    MaxTry = game::Tries - 1;
    SoundOn = FlagNo;
    MaxColors->setCaption(tags::digits(MaxColour + 1));
    Maxpositions->setCaption(tags::digits(MaxPosition + 1));
    for (Integer i = 0; i < game::PaletteColours; ++i) {
        Picture1(i).setTag(tags::blankLed(i));
        Picture1(i).setSize(game::SlotSize, game::SlotSize);
        ColourOrder[std::size_t(i)] = i;
    }
    NewGame();  // which leaves the keyboard on the palette, unmarked until a key is pressed
}
