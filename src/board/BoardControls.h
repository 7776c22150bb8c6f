#pragma once
#include "toolkit/CommandButton.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"

class QAction;

// The board's controls, by their designed names.
struct BoardControls {
    tk::ControlArray<tk::Image> Picture1, Guessed, answer;
    tk::ControlArray<tk::Label> NoCorCol, NoCorpos;
    tk::Image *Blank, *ColourClicked, *DragColor;
    tk::CommandButton *MaxColors, *Maxpositions, *GuessComplete, *CongText, *FailText;
    tk::Label *Label1, *Label2;
    QAction *Giveup, *Aboutx, *GiveHelp, *ColorMarks, *GameExit;
};
