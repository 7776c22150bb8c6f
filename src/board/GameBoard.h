#pragma once
#include "game/GameState.h"
#include "toolkit/CommandButton.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"

class QAction;

// The game board window: owns the game state and every control of the board.
// Handlers are named after the control and the event; each lives in the file
// of its concern (PaletteDrag, SlotEditing, SlotPlacement, Evaluation,
// Outcome, Selectors, MenuCommands, NewGame, SecretCode).
class GameBoard : public tk::Form, public GameState {
    Q_OBJECT
public:
    using Integer = tk::Integer;

    GameBoard();

    // Controls, by their designed names.
    tk::ControlArray<tk::Image> Picture1, Guessed, answer;
    tk::ControlArray<tk::Label> NoCorCol, NoCorpos;
    tk::Image *Blank, *ColourClicked, *DragColor;
    tk::CommandButton *MaxColors, *Maxpositions, *GuessComplete, *CongText, *FailText;
    tk::Label *Label1, *Label2;
    QAction *Giveup, *Aboutx, *GiveHelp, *GameExit;

    // Board construction and the secret code.
    void NewGame();
    void ShufflePalette();
    void MakeSecretCode();
    void ShuffleCodeColours(Integer n);

    // Placement rules.
    void PlaceColour(Integer c, Integer s);
    void MoveSlotColour(Integer f, Integer t);

    // Palette drag.
    void Picture1_MouseDown(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Picture1_MouseMove(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Picture1_MouseUp(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Picture1_DblClick(Integer Index);
    void DragColor_MouseMove(Integer Button, Integer Shift, float X, float Y);

    // Slot editing.
    void Guessed_MouseDown(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Guessed_MouseMove(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Guessed_MouseUp(Integer Index, Integer Button, Integer Shift, float X, float Y);
    void Guessed_DblClick(Integer Index);

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
    void GameExit_Click();

    void Form_Load() override;

protected:
    void Form_Unload() override;

private:
    void wireHandlers();
    void wireSlot(Integer k, tk::Image& slot);
    void describeControls();
    void describeSlot(Integer k, tk::Image& slot);
    // Ends a drag: hides the drag image and returns the slot of the current
    // try under the drop point, or -1.
    Integer dropDragImage();
    Integer dropTarget(float DropX, float DropY) const;
    // The lowest empty slot of the current try, or -1.
    Integer firstEmptySlot() const;
    bool currentTryHolds(int colour) const;
    // Tag value of slot j, -1 for a slot that does not exist.
    int slotValue(Integer j) const;
};

// The help page's location from the program folder: one "/" between them.
QString helpPagePath(const QString& folder);
