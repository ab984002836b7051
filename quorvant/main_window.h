#pragma once
// Quorvant's main window: the whole game state and every control of the skinned window. Its
// handlers live in the module of the part of the game they belong to:
//   main_window.cpp    start-up set-up, Start, stop-and-take, the prize ladder
//   question_list.cpp  the draw into spisok.txt, decoding and showing a question line, vopros
//   answer_buttons.cpp the four answer buttons and the judging of an answer
//   lifelines.cpp      the three lifelines (their answers go to the message panel)
//   sound.cpp          the music, the effect sounds, the sound switch, minimise and restore
//   window_frame.cpp   the borderless frame, the drag strip and the top bar
#include "toolkit/form.h"
#include "toolkit/text_file.h"

#include <array>
#include <cstdint>
#include <string>

namespace tk {
class Image;
class Label;
class MediaPlayer;
enum class NotifyValue;
class Shape;
enum class MouseButton;
}  // namespace tk

class TForm1 : public tk::Form {
public:
    TForm1();

    // Controls, in the order of the window's design.
    tk::Image* Image1 = nullptr;        // background
    tk::MediaPlayer* MediaPlayer1 = nullptr;  // background music
    tk::Image* Image2 = nullptr;        // drag strip of the top bar
    tk::Label* Label1 = nullptr;        // question and message text
    tk::Label* Label2 = nullptr;        // answer A
    tk::Label* Label3 = nullptr;        // answer B
    tk::Label* Label4 = nullptr;        // answer C
    tk::Label* Label5 = nullptr;        // answer D
    tk::Label* Label6 = nullptr;        // centre caption
    tk::Image* Image3 = nullptr;        // Start
    tk::Image* Image4 = nullptr;        // help
    tk::Image* Image5 = nullptr;        // credits
    tk::Image* Image6 = nullptr;        // contact
    tk::Image* Image7 = nullptr;        // minimise
    tk::Image* Image8 = nullptr;        // close
    tk::Image* Image9 = nullptr;        // stop-and-take
    tk::Image* Image10 = nullptr;       // lifeline 50/50
    tk::Image* Image11 = nullptr;       // lifeline: call a specialist
    tk::Image* Image12 = nullptr;       // lifeline: help from outside
    tk::Image* Image13 = nullptr;       // answer button A
    tk::Image* Image14 = nullptr;       // answer button B
    tk::Image* Image15 = nullptr;       // answer button C
    tk::Image* Image16 = nullptr;       // answer button D
    tk::Image* Image17 = nullptr;       // sound switch
    tk::Image* Image18 = nullptr;       // prize ladder picture
    tk::Shape* Shape1 = nullptr;        // prize bar
    tk::MediaPlayer* MediaPlayer2 = nullptr;  // effect sounds

    // Game state, in declaration order; the window object starts zero-filled.
    bool GameActive = false;
    bool SoundOn = false;
    bool FiftyAvailable = false;
    bool AudienceAvailable = false;
    bool PhoneAvailable = false;
    std::array<std::string, 10> PraiseTexts{};
    tk::TextFile QuestionListFile;
    tk::TextFile BankFile;
    std::string LineBuffer;
    std::string SafeSumText;
    std::string PickedLine;
    std::array<std::string, 506> QuestionFields{};
    std::array<std::int32_t, 16> ScoreLadder{};
    std::int32_t AnsweredCount = 0;
    std::int32_t CorrectIndex = 0;
    std::int32_t FiftyPick = 0;
    std::int32_t FiftyPrevious = 0;

    // main_window.cpp
    void FormShow();
    void Image3MouseEnter();
    void Image3MouseLeave();
    void Image3MouseDown(tk::MouseButton button);
    void Image3MouseUp(tk::MouseButton button);
    void Image9MouseEnter();
    void Image9MouseLeave();
    void Image9MouseDown(tk::MouseButton button);
    void Image9MouseUp(tk::MouseButton button);

    // question_list.cpp
    void DrawQuestionList();
    void DecodeBankLine();
    void ShowQuestionLine();
    void vopros();

    // answer_buttons.cpp: one body for the four buttons (picture and label alike), by letter 1..4.
    void AnswerMouseEnter(int letter);
    void AnswerMouseLeave(int letter);
    void AnswerMouseDown(int letter);
    void AnswerMouseUp(int letter);

    // lifelines.cpp
    void Image10MouseEnter();
    void Image10MouseLeave();
    void Image10MouseDown(tk::MouseButton button);
    void Image10MouseUp(tk::MouseButton button);
    void Image11MouseEnter();
    void Image11MouseLeave();
    void Image11MouseDown(tk::MouseButton button);
    void Image11MouseUp(tk::MouseButton button);
    void Image12MouseEnter();
    void Image12MouseLeave();
    void Image12MouseDown(tk::MouseButton button);
    void Image12MouseUp(tk::MouseButton button);

    // sound.cpp
    void StartMusic();
    void PlayEffect(const std::string& fileName);
    void Image17MouseDown(tk::MouseButton button);
    void Image17MouseUp(tk::MouseButton button);
    void MediaPlayer1Notify(tk::NotifyValue value);
    void ApplicationEvents1Minimize();
    void ApplicationEvents1Restore();

    // window_frame.cpp
    void Image2MouseDown(tk::MouseButton button);
    void Image4MouseEnter();
    void Image4MouseLeave();
    void Image4MouseDown(tk::MouseButton button);
    void Image4MouseUp(tk::MouseButton button);
    void Image5MouseEnter();
    void Image5MouseLeave();
    void Image5MouseDown(tk::MouseButton button);
    void Image5MouseUp(tk::MouseButton button);
    void Image6MouseEnter();
    void Image6MouseLeave();
    void Image6MouseDown(tk::MouseButton button);
    void Image6MouseUp(tk::MouseButton button);
    void Image7MouseEnter();
    void Image7MouseLeave();
    void Image7MouseDown(tk::MouseButton button);
    void Image7MouseUp(tk::MouseButton button);
    void Image8MouseEnter();
    void Image8MouseLeave();
    void Image8MouseDown(tk::MouseButton button);
    void Image8MouseUp(tk::MouseButton button);

private:
    // Each part of the game builds its own controls; the constructor calls them in design order.
    void buildWindow();         // main_window.cpp: frame, background, texts, Start, stop, ladder, bar
    void buildAnswerButtons();  // answer_buttons.cpp
    void buildLifelines();      // lifelines.cpp
    void buildSound();          // sound.cpp: the two media players, the switch, minimise/restore
    void buildTopBar();         // window_frame.cpp: drag strip and Image4..Image8

    // answer_buttons.cpp: the two ends of a judgement and the prize bar's step.
    void judgeRightAnswer(int letter);
    void judgeWrongAnswer(int letter);
    void climbPrizeBar();
};

extern TForm1* Form1;
