#include "trainer.h"

#include "ladder.h"
#include "main_window.h"

#include "toolkit/application.h"
#include "toolkit/convert.h"
#include "toolkit/random.h"
#include "toolkit/text.h"

#include <array>

using namespace tk::literals;

TForm8* Form8 = nullptr;

namespace {

// A label that keeps its right edge at `right` when its text changes.
tk::Label* rightAligned(QWidget* area, int right, int top, const std::string& caption, const tk::Font& font) {
    auto* label = new tk::Label(area, 0, top, caption, font);
    label->setAlignment(tk::Alignment::Right);
    label->setLeft(right - label->width());
    return label;
}

// A clock field: two digits at least.
std::string clockField(int value) { return (value < 10 ? "0" : "") + tk::IntToStr(value); }

}  // namespace

TForm8::TForm8() : tk::Form("Velmora (тренажер)"_cp) {
    build();
    OnHide = [this] { FormHide(); };
    tk::dispatch([this] { FormCreate(); });
}

void TForm8::build() {
    setLeft(304);
    setTop(148);
    setClientSize(666, 490);

    QWidget* area = client();
    Image1 = new tk::Image(area, 0, 0, 666, 490);
    Image1->setPicture(tk::designPicture("background.jpg"));
    Image1->setAlignClient();

    Memo1 = new tk::Memo(area, 8, 8, 521, 265);
    CheckBox1 = new tk::CheckBox(area, 533, 8, 129, 17, "понижать категорию"_cp);
    CheckBox1->setChecked(true);
    tk::setTabOrder({Memo1, CheckBox1});

    Label8 = new tk::Label(area, 536, 24, "Вопрос №"_cp, {.height = 13, .bold = true, .color = tk::clGreen});
    const auto rung = [area](int level) { return makeLadderRung(area, level); };
    Label1 = rung(15);
    Label28 = rung(14);
    Label27 = rung(13);
    Label26 = rung(12);
    Label25 = rung(11);
    Label24 = rung(10);
    Label23 = rung(9);
    Label22 = rung(8);
    Label21 = rung(7);
    Label20 = rung(6);
    Label19 = rung(5);
    Label18 = rung(4);
    Label17 = rung(3);
    Label16 = rung(2);
    Label15 = rung(1);

    Label2 = new tk::Label(area, 533, 96, "Прав. ответы"_cp);
    Label3 = rightAligned(area, 602, 112, "0", {.color = tk::clGreen});
    Label4 = new tk::Label(area, 533, 128, "Время"_cp);
    Label5 = rightAligned(area, 601, 140, "00:00:00", {.color = tk::clMaroon});

    Label7 = new tk::Label(area, 32, 272, "Вопрос:"_cp, {.height = 16, .bold = true, .color = tk::clAqua});
    Label29 = new tk::Label(area, 32, 291, "Label29", {.height = 13, .bold = true, .color = tk::clAqua});
    Label29->setAutoSize(false);
    Label29->setWordWrap(true);
    Label29->place(32, 291, 625, 62);

    const QImage arrow = tk::designPicture("arrow.jpg");
    SpeedButton1 = new tk::SpeedButton(area, 16, 360, 41, 25, arrow);
    SpeedButton2 = new tk::SpeedButton(area, 16, 392, 41, 25, arrow);
    SpeedButton3 = new tk::SpeedButton(area, 16, 424, 41, 25, arrow);
    SpeedButton4 = new tk::SpeedButton(area, 16, 456, 41, 25, arrow);
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    const tk::Font answerFont{.height = 13, .bold = true, .color = tk::clWhite};
    Label6 = new tk::Label(area, 64, 364, "Label6", answerFont);
    Label9 = new tk::Label(area, 64, 396, "Label6", answerFont);
    Label10 = new tk::Label(area, 64, 428, "Label6", answerFont);
    Label11 = new tk::Label(area, 64, 460, "Label6", answerFont);

    Timer1.OnTimer = [this] { Timer1Timer(); };
}

tk::Label* TForm8::LadderLabel(int level) const {
    const std::array<tk::Label*, 16> ladder{nullptr, Label15, Label16, Label17, Label18, Label19, Label20, Label21,
                                            Label22, Label23, Label24, Label25, Label26, Label27, Label28, Label1};
    return ladder.at(level);
}

void TForm8::FormCreate() {
    tk::Randomize();
    CurrentLevel = 1;
    ElapsedClock = {};
    // A bank that cannot be read or is refused leaves the bounds zero, the labels at their design
    // captions and every answer empty: each click then counts as right, so no draw is tried again.
    ScanLevelGroups(LevelBounds);
    DrawQuestions();
    ShowQuestion();
}

void TForm8::DrawQuestions() {
    // Set first, so that a click after a failed draw is still marked as right.
    AnswerMark = "+ ";
    ::DrawQuestions(LevelBounds, RandomBound, Questions);
}

void TForm8::ShowQuestion() {
    const QuestionRecord& question = Questions[CurrentLevel];
    Label29->setCaption(question.Text);
    DealAnswers(question, Answers, CorrectAnswer);
    Label6->setCaption(Answers[1]);
    Label9->setCaption(Answers[2]);
    Label10->setCaption(Answers[3]);
    Label11->setCaption(Answers[4]);
}

void TForm8::SpeedButton1Click() { JudgeAnswer(1); }
void TForm8::SpeedButton2Click() { JudgeAnswer(2); }
void TForm8::SpeedButton3Click() { JudgeAnswer(3); }
void TForm8::SpeedButton4Click() { JudgeAnswer(4); }

void TForm8::JudgeAnswer(int place) {
    if (CorrectAnswer != Answers[place]) AnswerMark = "- ";
    RecordAnswer();
    if (AnswerMark == "- ") LowerCategory();
    AnswerMark = "+ ";
}

void TForm8::RecordAnswer() {
    LadderLabel(CurrentLevel)->setFontColor(tk::clRed);
    Memo1->appendLine(AnswerMark + Questions[CurrentLevel].Text + "   " + CorrectAnswer);
    if (AnswerMark == "+ ") Label3->setCaption(tk::IntToStr(tk::StrToInt(Label3->caption()) + 1));
    ++CurrentLevel;
    if (CurrentLevel == 16) RestartRound();
    else ShowQuestion();
}

void TForm8::RestartRound() {
    for (int level = 1; level <= 15; ++level) LadderLabel(level)->setFontColor(tk::clSkyBlue);
    repaintNow();
    CurrentLevel = 1;
    ShowQuestion();
}

void TForm8::LowerCategory() {
    if (!CheckBox1->Checked()) return;
    DrawQuestions();
    if (CurrentLevel > 1) --CurrentLevel;
    ShowQuestion();
}

// The text is built before the count moves on, so the label lags one tick behind the count.
void TForm8::Timer1Timer() {
    Label5->setCaption(clockField(ElapsedClock.hours) + ":" + clockField(ElapsedClock.minutes) + ":" +
                       clockField(ElapsedClock.seconds));
    if (++ElapsedClock.seconds == 60) {
        ElapsedClock.seconds = 0;
        if (++ElapsedClock.minutes == 60) {
            ElapsedClock.minutes = 0;
            ++ElapsedClock.hours;
        }
    }
}

// Closing the trainer hands play back to the game at the trainer's place; the clock runs on.
void TForm8::FormHide() {
    Form1->setTop(Top());
    Form1->setLeft(Left());
    Form1->Show();
    Timer1.setEnabled(true);
    Form1->Timer1.setEnabled(true);
    Form1->Timer2.setEnabled(true);
}
