#pragma once
// The lasting tally of how games end, kept in stat.txt (losses at questions 1..15, then wins) and,
// while the program runs, in Form1->StatLines: the loss and win windows count a game when they are
// shown, the statistics window displays the counts.
#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <array>

constexpr const char* StatFileName = "stat.txt";

// Reads stat.txt into Form1->StatLines unless it is loaded already (StatLines[1] not empty).
void LoadStatistics();
// Adds one to the line of Form1->CurrentLevel and rewrites stat.txt whole, with the counts it
// holds now: what another copy of the game counted meanwhile is kept. A count that cannot be
// written is kept in memory and written with the next count that can.
void CountGameEnd();

// The loss window: counts a loss at the current question when it is shown.
class TForm2 : public tk::Form {
public:
    TForm2();
    tk::Label* Label1 = nullptr;
    void FormShow();
};

// The win window: counts a win (line 16) when it is shown.
class TForm3 : public tk::Form {
public:
    TForm3();
    tk::Label* Label1 = nullptr;
    void FormShow();
};

// The statistics window: the 16 counts, wins on top, question 1 at the bottom.
class TForm6 : public tk::Form {
public:
    TForm6();
    std::array<tk::Label*, 17> Counts{};   // Label1..Label16: line n of stat.txt
    std::array<tk::Label*, 17> Legends{};  // Label17..Label32: "1".."15", "Выиграл"
    void FormShow();
};

extern TForm2* Form2;
extern TForm3* Form3;
extern TForm6* Form6;
