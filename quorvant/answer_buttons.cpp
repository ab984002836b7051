#include "answer_buttons.h"
#include "main_window.h"
#include "question_list.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/convert.h"
#include "toolkit/random.h"
#include "toolkit/shape.h"
#include "toolkit/text.h"

#include <algorithm>

using namespace tk::literals;
using quorvant::kAnswerButtons;

namespace {

constexpr int kAnswerWidth = 283, kAnswerHeight = 43;
constexpr int kLabelWidth = 201, kLabelHeight = 25;

// The picture and the label of each button, by letter number - 1.
constexpr tk::Image* TForm1::*kPictures[] = {&TForm1::Image13, &TForm1::Image14, &TForm1::Image15, &TForm1::Image16};
constexpr tk::Label* TForm1::*kLabels[] = {&TForm1::Label2, &TForm1::Label3, &TForm1::Label4, &TForm1::Label5};

std::string look(int letter, const char* suffix) {
    return std::string(kAnswerButtons[letter - 1].pictureBase) + suffix + ".jpg";
}

tk::Image* answerPicture(TForm1& form, int letter) { return form.*kPictures[letter - 1]; }

void moveLabel(TForm1& form, int letter, int offset) {
    const quorvant::AnswerButtonDesign& design = kAnswerButtons[letter - 1];
    (form.*kLabels[letter - 1])->move(design.labelLeft + offset, design.labelTop + offset);
}

}  // namespace

// The designer binds 32 handlers, Image13MouseEnter .. Label5MouseUp: enter, leave, press and
// release of each button's picture and of its label. Picture and label act as one button, so the
// 32 are these four operations bound to both components with the button's letter.
void TForm1::buildAnswerButtons() {
    const tk::Font font{.family = "Arial", .height = 19, .bold = true, .color = tk::clWhite};
    for (int letter = 1; letter <= 4; ++letter) {
        const quorvant::AnswerButtonDesign& design = kAnswerButtons[letter - 1];
        auto* picture = new tk::Image(client(), design.pictureLeft, design.pictureTop, kAnswerWidth, kAnswerHeight);
        picture->setPicture(tk::designPicture(design.designPicture));
        auto* label = new tk::Label(client(), design.labelLeft, design.labelTop, "", font);
        label->setAutoSize(false);
        label->place(design.labelLeft, design.labelTop, kLabelWidth, kLabelHeight);
        for (tk::Control* component : std::initializer_list<tk::Control*>{picture, label}) {
            component->OnMouseEnter = [this, letter] { AnswerMouseEnter(letter); };
            component->OnMouseLeave = [this, letter] { AnswerMouseLeave(letter); };
            component->OnMouseDown = [this, letter](tk::MouseButton) { AnswerMouseDown(letter); };
            component->OnMouseUp = [this, letter](tk::MouseButton) { AnswerMouseUp(letter); };
        }
        this->*kPictures[letter - 1] = picture;
        this->*kLabels[letter - 1] = label;
    }
    // B's label was designed one pixel right of its rest position; the first leave, press or
    // release on B puts it at rest.
    Label3->setLeft(421);
}

void TForm1::AnswerMouseEnter(int letter) { answerPicture(*this, letter)->LoadFromFile(look(letter, "1")); }

void TForm1::AnswerMouseLeave(int letter) {
    answerPicture(*this, letter)->LoadFromFile(look(letter, ""));
    moveLabel(*this, letter, 0);
}

void TForm1::AnswerMouseDown(int letter) {
    answerPicture(*this, letter)->LoadFromFile(look(letter, "11"));
    moveLabel(*this, letter, 1);
}

// Judges the answer. The handler holds the window with fixed waits; what it sets shows when it
// returns, except the controls it repaints at once.
void TForm1::AnswerMouseUp(int letter) {
    answerPicture(*this, letter)->LoadFromFile(look(letter, "1"));
    moveLabel(*this, letter, 0);
    if (!GameActive) return;
    if (CorrectIndex == letter) judgeRightAnswer(letter);
    else judgeWrongAnswer(letter);
}

void TForm1::judgeRightAnswer(int letter) {
    tk::Image* const picture = answerPicture(*this, letter);
    tk::Sleep(2000);
    picture->LoadFromFile(look(letter, "2"));
    picture->repaintNow();
    // Never past the ladder's last entry, even after a judgement that stopped half way.
    AnsweredCount = std::min(AnsweredCount + 1, quorvant::kQuestionsPerGame);
    Label1->setCaption(PraiseTexts[tk::Random(9) + 1] + " Есть "_cp + tk::IntToStr(ScoreLadder[AnsweredCount]) +
                       " баллов"_cp);
    if (SoundOn) PlayEffect("vin.wav");
    Label1->repaintNow();
    if (AnsweredCount <= 14) climbPrizeBar();
    if (AnsweredCount == quorvant::kQuestionsPerGame) {
        Label1->setCaption("Все! Поздравляю! Вы выиграли 3 000 000 баллов"_cp);
        if (SoundOn) PlayEffect("million.wav");
        GameActive = false;
    }
    vopros();
    tk::Sleep(2000);
    picture->LoadFromFile(look(letter, ""));
}

// The prize bar climbs one step of 19 pixels, one pixel every 50 ms; its first step stays put.
void TForm1::climbPrizeBar() {
    const int top = Shape1->Top();
    for (int t = top; t >= top - 19; --t) {
        Shape1->setTop(t);
        tk::Sleep(50);
        Shape1->repaintNow();
    }
}

void TForm1::judgeWrongAnswer(int letter) {
    tk::Image* const picture = answerPicture(*this, letter);
    tk::Sleep(2000);
    Label1->setCaption("Как сильно вы ошибаетесь! Ваш выигрыш сегодня составил "_cp + SafeSumText +
                       " баллов. Нажми \"Старт\" для начала новой игры."_cp);
    if (SoundOn) PlayEffect("fol.wav");
    Label1->repaintNow();
    // A game whose Start stopped before its list was written has no list to close.
    if (QuestionListFile.isOpen()) QuestionListFile.Close();
    GameActive = false;
    picture->LoadFromFile(look(letter, "3"));
    picture->repaintNow();
    tk::Sleep(2500);
}
