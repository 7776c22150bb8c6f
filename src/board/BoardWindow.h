#pragma once
#include "game/Game.h"
#include "toolkit/Form.h"
#include "toolkit/Pointer.h"
#include "windows/Pegs.h"

#include <QHash>
#include <QPointer>
#include <array>
#include <vector>

class AboutBox;
class DeductionsWindow;
class HelpWindow;
class QAction;
namespace tk {
class Announcer;
class CommandButton;
class Image;
class Label;
}

// The game board window: draws the game it holds and turns the mouse, the
// keys and a screen reader's actions into the game's operations. Each file
// of src/board holds one concern of it:
//   BoardWindow.cpp    building the board from its layout, and drawing it from the game
//   Operations.cpp     the game's operations as the board performs them, and what is heard of them
//   MouseDrag.cpp      pressing, dragging and dropping with the mouse, double-clicks, the selectors' buttons
//   Keyboard.cpp       the keys, and carrying a colour by keys
//   Focus.cpp          where the keyboard focus goes: Tab stops, arrows, after each operation
//   Accessibility.cpp  what a screen reader is told the controls are, and their actions
//   Menu.cpp           the menu's commands and the side windows
class BoardWindow : public tk::Form {
    Q_OBJECT
public:
    BoardWindow();
    ~BoardWindow() override;

    const game::Game& game() const { return game_; }

signals:
    // After every operation that may have changed the game.
    void gameChanged();

protected:
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent*) override;
    void pointerPressed() override;

private:
    friend class BoardDriver;  // the tests' and benchmarks' one way in

    // The design's eight answer pegs, one for each position up to the most.
    static constexpr int AnswerPegs = 8;
    // Slots and palette colours are laid out this size, edge to edge, and
    // each row of slots this far below the one above, in twips; a picture's
    // own size is larger.
    static constexpr float SlotSize = 360;
    static constexpr float PictureSize = 480;

    // What a slot shows: a colour's peg, or the empty slot's picture (also
    // while its colour is being dragged); and whether it was left at its
    // picture's own 480 twips rather than laid out at 360, which a drop's
    // hit test sees.
    struct Look {
        int shows = game::NoColour;
        bool large = false;
    };
    // The mouse's drag image, shown while a colour is dragged and left
    // showing by a press with another button; kept where it was last put.
    struct DragImage {
        bool shown = false;
        float left = 0, top = 0;  // twips
        int picture = 0;          // the colour it carries, NoColour for the empty slot's picture
        int grabX = 0, grabY = 0;  // the press inside the pressed control, whole twips; 0 after a drop
        int pressedPicture = game::NoColour;  // what the slot pressed last showed, to give it back
    };
    // What is taken from a slot: the picture carried, and the one the slot showed before.
    struct Lifted {
        int carried;
        int sourceShowed;
    };
    // A colour the keyboard carries to a slot of the current try.
    struct Carry {
        bool fromPalette = false;
        int index = -1;  // colour or slot number; -1 while nothing is carried
        int target = 0;  // the position of the current try it would drop into
        Look sourceWas;
    };
    // What a widget of the board is, for the focus and the keys.
    struct Control {
        enum Kind { PaletteColour, GuessSlot, Button, Other } kind = Other;
        int index = -1;  // colour, slot number, or place in the Tab order
    };

    // Slots by number: try t's position p is t * positions() + p.
    game::Slot slotAt(int k) const;
    int slotNumber(int t, int p) const { return t * game_.positions() + p; }
    int lastSlot() const { return slotNumber(game_.currentTry(), game_.positions() - 1); }
    bool isSlot(int k) const { return k >= 0 && k <= lastSlot(); }
    bool inCurrentTry(int k) const { return isSlot(k) && slotAt(k).t == game_.currentTry(); }
    float slotLeft(int k) const;
    float slotTop(int k) const;
    // The box a slot takes, as large as it was left.
    QRectF slotBox(int k) const;
    Control whatIs(const QWidget* w) const;

    // Building the board, and drawing every fact of the game as it stands.
    void findControls();
    void wireControls();
    tk::Image& slotImage(int k);
    void wireSlot(int k);
    void render();
    void renderSlots();
    void renderDragImage();
    // A row of slots laid anew (a new game, other positions, the next try):
    // empty, at the slot size, in front of the slots before them.
    void layRow(int t);

    // The operations, one for each thing a player can do, whichever way in.
    void placeColour(int colour, int k);
    void moveSlotColour(int from, int to, Lifted lifted);
    void putInFirstEmpty(int colour);
    void copyToFirstEmpty(int k, Lifted lifted);
    void handIn();
    void giveUp();
    void newGame();
    void changeColours(game::Step step);
    void changePositions(game::Step step);
    void toggleMarks();
    void showAbout();
    void showHelp();
    void showDeductions();
    // The deductions window, where it is open, follows the game.
    void followDeductions();
    // The current try made into the given one by the player's own operations.
    void fillWith(const std::vector<int>& colours);
    void askExit();
    // Runs an operation: a colour carried by keys is put back first, and the
    // board is drawn and the focus settled once it is done.
    template <class F>
    void perform(F&& operation);
    // What a slot holds, as the keyboard and a screen reader lift it.
    Lifted liftedAsIs(int k) const;

    // The mouse.
    float paletteLeft(int colour) const;
    void pressColour(int colour, const tk::Pointer& p);
    void moveColour(int colour, const tk::Pointer& p);
    void releaseColour(int colour, const tk::Pointer& p);
    void pressSlot(int k, const tk::Pointer& p);
    void moveSlot(int k, const tk::Pointer& p);
    void releaseSlot(int k, const tk::Pointer& p);
    void doubleClickSlot(int k);
    void pushDragImage(const tk::Pointer& p);
    void startDrag(float left, float top, int picture, const tk::Pointer& p);
    void followPointer(float left, float top, const tk::Pointer& p);
    // Ends a drag: hides the drag image; the slot of the current try under the drop point, or -1.
    int dropDragImage();

    // The keys.
    bool colourKey(int colour, const QKeyEvent& e);
    bool slotKey(int k, const QKeyEvent& e);
    bool pegKey(bool fromPalette, int index, const QKeyEvent& e);
    bool selectorKey(bool colours, const QKeyEvent& e);
    void pickUp(bool fromPalette, int index);
    void carryTo(int position);
    void dropCarried();
    void putBackCarried();

    // The focus.
    enum Stop { PaletteStop, CurrentStop, EarlierStop, FirstButtonStop };
    int stopOf(const QWidget* w) const;
    QWidget* entryOf(int stop) const;
    QList<tk::CommandButton*> buttonsInTabOrder() const;
    void arrow(int key, const QWidget* from);
    void rememberFocus(const QWidget* now);
    void settleFocus();

    // What a screen reader hears.
    void describeControls();
    void describeSlot(int k);
    QList<QWidget*> screenOrder() const;
    // afterBurst: the board was laid out anew, which a reader hears of at length first.
    void announce(const QString& message, bool afterBurst = false);
    QString slotPlace(int k) const;  // "try 3 of 10, position 2"
    QString scoreName(int t) const;  // "try 1: 2 correct colors, 1 correct position"
    QString codeSpoken() const;      // "The code was red, navy, teal, white."
    QString replacing(int k) const;  // ", replacing teal" when slot k holds a colour
    void refused(int colour);        // why a colour went nowhere

    game::Game game_;
    Pegs pegs_;
    bool marks_ = false;
    std::vector<Look> looks_;  // by slot number, for the slots of the game so far
    DragImage drag_;
    Carry carry_;
    bool performing_ = false;
    bool ended_ = false;  // the operation under way ended the game
    // Where the palette, the current try and the earlier tries were left.
    int lastPlace_ = 0, lastPosition_ = 0, lastEarlier_ = -1;

    QPointF slotOrigin_;  // slot 0's place as designed, twips: the palette and every row start from it
    float paletteTop_ = 0;
    std::array<tk::Image*, game::PaletteColours> palette_{};  // by colour
    std::vector<tk::Image*> slots_;                           // by slot number, made as first needed
    std::array<tk::Image*, AnswerPegs> answer_{};
    std::array<tk::Label*, game::Tries> colourScores_{}, positionScores_{};
    tk::Image* dragImage_ = nullptr;
    tk::CommandButton *colourSelector_ = nullptr, *positionSelector_ = nullptr;
    tk::Label *coloursWord_ = nullptr, *positionsWord_ = nullptr;
    tk::CommandButton *handInButton_ = nullptr, *wonButton_ = nullptr, *lostButton_ = nullptr;
    QAction *giveUpItem_ = nullptr, *aboutItem_ = nullptr, *helpItem_ = nullptr, *marksItem_ = nullptr,
            *deductionsItem_ = nullptr, *exitItem_ = nullptr;
    QHash<const QWidget*, Control> controls_;
    tk::Announcer* announcer_;
    // The side windows, made on first use and gone once closed; every one opened, in order.
    QPointer<AboutBox> about_;
    QPointer<HelpWindow> help_;
    QPointer<DeductionsWindow> deductions_;
    std::vector<QPointer<tk::Form>> opened_;
};

// The help page's location from the program folder: one "/" between them;
// the page in `language` ("de") where there is one.
QString helpPagePath(const QString& folder, const QString& language = {});
