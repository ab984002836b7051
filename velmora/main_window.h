#pragma once
// The main game window: the ladder, the question with its four answer buttons, the countdown, the
// blinking lifeline notice and the menu. Its fields hold the whole state of the game; the other
// windows read them through Form1.
#include "question_bank.h"

#include "toolkit/buttons.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/timer.h"

#include <array>
#include <cstdint>
#include <string>

class TForm1 : public tk::Form {
public:
    TForm1();

    // Game state, in declaration order, each with its start value.
    std::uint8_t GameOver = 0;  // 1 once the game is won or lost
    int RandomBound = 0;
    QuestionSet Questions{};
    int CurrentLevel = 0;                   // 1..15; 16 once the game is won
    std::array<std::string, 17> StatLines{};  // [1..16]: stat.txt as last read or written, once loaded
    std::array<int, 17> UnwrittenCounts{};    // [1..16]: games in StatLines that stat.txt lacks yet
    AnswerSet Answers{};
    LevelBoundsTable LevelBounds{};
    std::string CorrectAnswer;
    int Difficulty = 0;  // a percentage kept for the settings window

    // Controls.
    tk::MainMenu MainMenu1{*this};
    tk::Image* Image1 = nullptr;
    tk::Bevel* Bevel4 = nullptr;
    tk::Label* Label6 = nullptr;  // the lifeline notice that blinks
    tk::Button* Button8 = nullptr;
    tk::Button* Button5 = nullptr;
    tk::Button* Button6 = nullptr;
    tk::Button* Button7 = nullptr;
    tk::Label* Label8 = nullptr;
    tk::Label *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr,
              *Label20 = nullptr, *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr,
              *Label25 = nullptr, *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr, *Label1 = nullptr;
    tk::Label* Label7 = nullptr;
    tk::Label* Label3 = nullptr;
    tk::Label* Label2 = nullptr;  // the countdown; its caption is the count
    tk::Label* Label4 = nullptr;
    tk::Label* Label29 = nullptr;  // the question
    tk::SpeedButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr,
                    *SpeedButton4 = nullptr;
    tk::Label *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr;  // answer texts
    tk::Timer Timer1{1000};  // the countdown
    tk::Timer Timer2{200};   // the notice's blink

    // The ladder label of a level (1..15) and the answer button of a place (1..4).
    tk::Label* LadderLabel(int level) const;
    tk::SpeedButton* AnswerButton(int place) const;

    void FormCreate();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void ResetAnswerControls();
    void AdvanceLevel();
    void ShowQuestion();
    void DrawQuestions();
    void Timer1Timer();
    void Timer2Timer();
    void N2Click();
    void N4Click();
    void N3Click();

    // Lifelines (lifelines.cpp).
    void Button8Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();

private:
    void build();
    void setUpLifelineButtons();
    void ChooseAnswer(int place);
    void GiveHint(tk::Button* used);
};

extern TForm1* Form1;
