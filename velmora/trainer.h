#pragma once
// The trainer window: practice play on a question set of its own, with an answer log, a count of
// right answers and an elapsed-time clock. Its play never ends; it shares no state with the game.
#include "question_bank.h"

#include "toolkit/buttons.h"
#include "toolkit/check_box.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/memo.h"
#include "toolkit/timer.h"

#include <string>

class TForm8 : public tk::Form {
public:
    TForm8();

    struct Clock {
        int seconds = 0;
        int minutes = 0;
        int hours = 0;  // without upper bound
    };

    // Trainer state, in declaration order, each with its start value.
    int RandomBound = 0;
    Clock ElapsedClock{};
    QuestionSet Questions{};
    LevelBoundsTable LevelBounds{};
    int CurrentLevel = 0;  // 1..15 on screen
    AnswerSet Answers{};
    std::string CorrectAnswer;
    std::string AnswerMark;  // "+ ", or "- " while a wrong answer is handled; empty before the first draw

    // Controls.
    tk::Image* Image1 = nullptr;
    tk::Memo* Memo1 = nullptr;  // the answer log
    tk::CheckBox* CheckBox1 = nullptr;
    tk::Label* Label8 = nullptr;
    tk::Label *Label1 = nullptr, *Label28 = nullptr, *Label27 = nullptr, *Label26 = nullptr, *Label25 = nullptr,
              *Label24 = nullptr, *Label23 = nullptr, *Label22 = nullptr, *Label21 = nullptr, *Label20 = nullptr,
              *Label19 = nullptr, *Label18 = nullptr, *Label17 = nullptr, *Label16 = nullptr, *Label15 = nullptr;
    tk::Label* Label2 = nullptr;
    tk::Label* Label3 = nullptr;  // the count of right answers; its caption is the count
    tk::Label* Label4 = nullptr;
    tk::Label* Label5 = nullptr;  // the clock
    tk::Label* Label7 = nullptr;
    tk::Label* Label29 = nullptr;  // the question
    tk::SpeedButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr,
                    *SpeedButton4 = nullptr;
    tk::Label *Label6 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr;  // answer texts
    tk::Timer Timer1{1000};  // the clock

    // The ladder label of a level (1..15).
    tk::Label* LadderLabel(int level) const;

    void FormCreate();
    void DrawQuestions();
    void ShowQuestion();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void RecordAnswer();
    void RestartRound();
    void LowerCategory();
    void Timer1Timer();
    void FormHide();

private:
    void build();
    void JudgeAnswer(int place);
};

extern TForm8* Form8;
