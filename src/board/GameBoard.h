#pragma once
#include "BoardControls.h"
#include "game/GameState.h"
#include "game/Placement.h"

#include "toolkit/Form.h"

#include <array>

namespace tk { class Announcer; }

// The game board window: owns the game state and every control of the board.
// Its handlers keep the names of the controls and events they answer; each
// lives in the file of its concern:
//   PaletteDrag.cpp    Picture1_MouseDown/MouseMove/MouseUp, DragColor_MouseMove
//   SlotEditing.cpp    Guessed_MouseDown/MouseMove/MouseUp
//   Drag.cpp           what both drags share: starting, following, dropping
//   SlotPlacement.cpp  PlaceColour, MoveSlotColour, Picture1_DblClick, Guessed_DblClick
//   Evaluation.cpp     GuessComplete_Click
//   Outcome.cpp        Giveup_Click, CongText_Click, FailText_Click, ending a game
//   NewGame.cpp        NewGame and the rows of empty slots
//   SecretCode.cpp     ShufflePalette, MakeSecretCode, ShuffleCodeColours
//   Selectors.cpp      MaxColors_MouseUp, Maxpositions_MouseUp
//   MenuCommands.cpp   Aboutx_Click, GiveHelp_Click, ColorMarks_Click, GameExit_Click, Form_Unload
//   Keyboard.cpp       the key handlers: focus groups and the keyboard drag
//   Accessibility.cpp  what a screen reader hears and can do
// Handlers read the widgets once, ask a rule of src/game, apply its answer.
class GameBoard : public tk::Form, private GameState, private BoardControls {
    Q_OBJECT
public:
    GameBoard();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class BoardDriver;  // the tests' and benchmarks' one way in

    // A try's colours by position, as the game reads them from the Tags.
    struct Colours {
        std::array<int, game::MostPositions> at{};
        int size = 0;
        operator game::Try() const { return {at.data(), std::size_t(size)}; }
    };
    Colours slotColours(Integer first) const;  // the try whose first slot is `first`
    Colours currentTry() const { return slotColours(RowFirst); }
    Colours code() const;
    int slotValue(Integer k) const;  // -1 for a slot that does not exist

    // Board construction and the secret code.
    void NewGame();
    void ShufflePalette();
    void MakeSecretCode();
    void ShuffleCodeColours(Integer n);
    // The first try's row, empty, on slot 0's place, with OK at its end.
    void layFirstRow();
    // Empty slots first..last in a row from (left, top), made as needed.
    void layEmptyRow(Integer first, Integer last, float left, float top);
    void fillSlot(tk::Image& slot, const tk::Picture& picture, const QString& tag);
    void emptySlot(tk::Image& slot);
    // Reveals the code and shows the outcome button, the other one hidden.
    void endGame(tk::CommandButton* outcome);

    // Placement rules.
    void PlaceColour(Integer c, Integer s);
    void MoveSlotColour(Integer f, Integer t);

    // Palette drag, slot editing, and what they share.
    void Picture1_MouseDown(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Picture1_MouseMove(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Picture1_MouseUp(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Picture1_DblClick(Integer Index);
    void DragColor_MouseMove(Integer Button, Integer Shift, float X, float Y);
    void Guessed_MouseDown(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Guessed_MouseMove(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Guessed_MouseUp(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Guessed_DblClick(Integer Index);
    void startDrag(const tk::Image& source, float X, float Y);
    void followPointer(const tk::Image& source, float X, float Y);
    // Ends a drag: hides the drag image and returns the slot of the current
    // try under the drop point, or -1.
    Integer dropDragImage();

    // Evaluation and the end of a game.
    void GuessComplete_Click();
    void Giveup_Click();
    void CongText_Click();
    void FailText_Click();

    // Size selectors.
    void MaxColors_MouseUp(Integer Button, Integer Shift, float X, float Y);
    void Maxpositions_MouseUp(Integer Button, Integer Shift, float X, float Y);

    // Menu commands.
    void Aboutx_Click();
    void GiveHelp_Click();
    void ColorMarks_Click();
    void GameExit_Click();

    // The keyboard: every gesture through the same handlers as the mouse's.
    void Picture1_KeyDown(Integer Index, Integer& KeyCode, Integer Shift);
    void Guessed_KeyDown(Integer Index, Integer& KeyCode, Integer Shift);
    void MaxColors_KeyDown(Integer& KeyCode, Integer Shift);
    void Maxpositions_KeyDown(Integer& KeyCode, Integer Shift);
    bool pegKey(bool palette, Integer Index, Integer KeyCode);
    // A double-click on a palette colour or a slot, as the mouse delivers it.
    void doubleClickColour(Integer i);
    void doubleClickSlot(Integer k);
    // Picking a colour up and carrying it to a slot of the current try, as a drag.
    void pickUp(bool fromPalette, Integer index);
    void carryTo(Integer slot);
    void dropCarried(bool backWhereItCame);
    // Focus moves between groups: the palette, the current try, the earlier
    // tries, then the buttons in their designed order.
    void moveFocus(Integer KeyCode, QWidget* from);
    QWidget* entryOf(int stop) const;
    int stopOf(const QWidget* w) const;
    QList<tk::CommandButton*> buttonsInTabOrder() const;
    void rememberFocus(const QWidget* now);
    void settleFocus();

    // What a screen reader hears.
    void describeControls();
    void describeSlot(Integer k, tk::Image& slot);
    QList<QWidget*> screenOrder() const;
    // afterBurst: the board was laid out anew, which a reader hears of at length first.
    void announce(const QString& message, bool afterBurst = false);
    QString slotPlace(Integer k) const;  // "try 3 of 10, position 2"
    QString scoreName(Integer t) const;  // "try 1: 2 correct colors, 1 correct position"
    QString codeSpoken() const;          // "The code was red, navy, teal, white."
    QString replaced(Integer k) const;   // ", replacing teal" when slot k holds a colour
    void refused(int colour);            // why a colour went nowhere

    void wireHandlers();
    void wireSlot(Integer k, tk::Image& slot);

    // Ends a colour carried by the keyboard, holds the focus where it is while
    // a handler re-lays the board, then gives it a place that is still shown.
    class Relaying {
    public:
        explicit Relaying(GameBoard& board) : board_(board)
        {
            board_.dropCarried(true);
            ++board_.relaying_;
        }
        ~Relaying()
        {
            if (--board_.relaying_ == 0)
                board_.settleFocus();
        }

    private:
        GameBoard& board_;
    };

    tk::Announcer* announcer_;
    struct Carried {
        bool fromPalette = false;
        Integer index = -1;  // palette index or slot; -1 while nothing is carried
        Integer target = -1;
    } carried_;
    // Where the palette, the current try and the earlier tries were left.
    int lastPlace_ = 0, lastPosition_ = 0;
    Integer lastEarlier_ = -1;
    int relaying_ = 0;
};

// The help page's location from the program folder: one "/" between them;
// the page in `language` ("de") where there is one.
QString helpPagePath(const QString& folder, const QString& language = {});
