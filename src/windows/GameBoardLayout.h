#pragma once
#include "Layout.h"

// The game board as designed, before any game code runs.
const layout::Window& gameBoardLayout();

// The board's controls and menu items under the object names the design gave
// them: the one place where the design's names meet the game's words.
namespace boardNames {
inline constexpr char Palette[] = "Picture1";          // (0..15), one per colour
inline constexpr char Slot[] = "Guessed";              // (0); the others are made as tries begin
inline constexpr char Answer[] = "answer";             // (0..7), the code's pegs
inline constexpr char ColourScore[] = "NoCorCol";      // (0..9), correct colours of each try
inline constexpr char PositionScore[] = "NoCorpos";    // (0..9), correct positions
inline constexpr char DragImage[] = "DragColor";
inline constexpr char ColourSelector[] = "MaxColors";
inline constexpr char PositionSelector[] = "Maxpositions";
inline constexpr char ColoursWord[] = "Label1";        // "COLORS", beside its selector
inline constexpr char PositionsWord[] = "Label2";      // "POSITIONS"
inline constexpr char PaletteHeading[] = "Label6";
inline constexpr char TriesHeading[] = "Label4";
inline constexpr char ScoresHeading[] = "Label3";
inline constexpr char ScoreColumnsHeading[] = "Messcol";  // (3)
inline constexpr char AnswerHeading[] = "Label5";
inline constexpr char HandInButton[] = "GuessComplete";  // "OK"
inline constexpr char WonButton[] = "CongText";
inline constexpr char LostButton[] = "FailText";
inline constexpr char GameMenu[] = "gamex";
inline constexpr char GiveUpItem[] = "Giveup";
inline constexpr char AboutItem[] = "Aboutx";
inline constexpr char HelpItem[] = "GiveHelp";
inline constexpr char MarksItem[] = "ColorMarks";
inline constexpr char DeductionsItem[] = "Deductions";
inline constexpr char ExitItem[] = "GameExit";
} // namespace boardNames
