#include "GameBoard.h"

#include "windows/FormBuilder.h"
#include "windows/GameBoardLayout.h"
#include "toolkit/Tags.h"

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

GameBoard::GameBoard() : tk::Form(QString(), gameBoardLayout().clientWidth, gameBoardLayout().clientHeight, tk::Sizing::Scalable)
{
    const layout::Built built = layout::build(*this, gameBoardLayout());
    Picture1 = arrayOf<tk::Image>(*this, "Picture1", 16);
    Guessed = arrayOf<tk::Image>(*this, "Guessed", 1);
    answer = arrayOf<tk::Image>(*this, "answer", 8);
    NoCorCol = arrayOf<tk::Label>(*this, "NoCorCol", 10);
    NoCorpos = arrayOf<tk::Label>(*this, "NoCorpos", 10);
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
    GameExit = built.menu.value("GameExit");
    wireHandlers();
    describeControls();
}

void GameBoard::wireHandlers()
{
    for (Integer i = 0; i < 16; ++i) {
        tk::Image& p = Picture1(i);
        p.onMouseDown = [this, i](const tk::Mouse& m) { Picture1_MouseDown(i, m.Button, m.Shift, m.X, m.Y); };
        p.onMouseMove = [this, i](const tk::Mouse& m) { Picture1_MouseMove(i, m.Button, m.Shift, m.X, m.Y); };
        p.onMouseUp = [this, i](const tk::Mouse& m) { Picture1_MouseUp(i, m.Button, m.Shift, m.X, m.Y); };
        p.onDblClick = [this, i] { Picture1_DblClick(i); };
    }
    wireSlot(0, Guessed(0));
    Guessed.onLoad = [this](Integer k, tk::Image& slot) { wireSlot(k, slot); };
    DragColor->onMouseMove = [this](const tk::Mouse& m) { DragColor_MouseMove(m.Button, m.Shift, m.X, m.Y); };

    GuessComplete->onClick = [this] { GuessComplete_Click(); };
    CongText->onClick = [this] { CongText_Click(); };
    FailText->onClick = [this] { FailText_Click(); };
    MaxColors->onMouseUp = [this](const tk::Mouse& m) { MaxColors_MouseUp(m.Button, m.Shift, m.X, m.Y); };
    Maxpositions->onMouseUp = [this](const tk::Mouse& m) { Maxpositions_MouseUp(m.Button, m.Shift, m.X, m.Y); };

    connect(Giveup, &QAction::triggered, this, [this] { Giveup_Click(); });
    connect(Aboutx, &QAction::triggered, this, [this] { Aboutx_Click(); });
    connect(GiveHelp, &QAction::triggered, this, [this] { GiveHelp_Click(); });
    connect(GameExit, &QAction::triggered, this, [this] { GameExit_Click(); });
}

void GameBoard::wireSlot(Integer k, tk::Image& slot)
{
    slot.setObjectName(layout::controlName("Guessed", k));
    slot.onMouseDown = [this, k](const tk::Mouse& m) { Guessed_MouseDown(k, m.Button, m.Shift, m.X, m.Y); };
    slot.onMouseMove = [this, k](const tk::Mouse& m) { Guessed_MouseMove(k, m.Button, m.Shift, m.X, m.Y); };
    slot.onMouseUp = [this, k](const tk::Mouse& m) { Guessed_MouseUp(k, m.Button, m.Shift, m.X, m.Y); };
    slot.onDblClick = [this, k] { Guessed_DblClick(k); };
    describeSlot(k, slot);
}

int GameBoard::slotValue(Integer j) const
{
    const tk::Image* slot = Guessed.at(j);
    return slot ? tk::val(slot->Tag()) : -1;
}

void GameBoard::Form_Load()
{
    FlagYes = 1;
    FlagNo = 0;
    MaxColour = 5;
    MaxPosition = 3;
    MaxTry = 9;
    SoundOn = FlagNo;
    MaxColors->setCaption(tk::digits(MaxColour + 1));
    Maxpositions->setCaption(tk::digits(MaxPosition + 1));
    for (Integer i = 0; i < 16; ++i) {
        Picture1(i).setTag(tk::blankLed(i));
        Picture1(i).setSize(360, 360);
        ColourOrder[std::size_t(i)] = i;
    }
    NewGame();
}
