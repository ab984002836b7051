#include "main_window.h"

#include "correct_answer_window.h"
#include "ladder.h"
#include "statistics.h"
#include "trainer.h"

#include "toolkit/application.h"
#include "toolkit/convert.h"
#include "toolkit/random.h"
#include "toolkit/text.h"

using namespace tk::literals;

TForm1* Form1 = nullptr;

namespace {

tk::Font aqua(int height) { return {.height = height, .bold = true, .color = tk::clAqua}; }

}  // namespace

TForm1::TForm1() : tk::Form("Velmora") {
    build();
    tk::dispatch([this] { FormCreate(); });
}

void TForm1::build() {
    QMenu* N1 = MainMenu1.addSubmenu("Новая игра"_cp);
    MainMenu1.addItem(N1, "Начать"_cp, [this] { N2Click(); });
    MainMenu1.addItem(N1, "Тренажер"_cp, [this] { N4Click(); });
    MainMenu1.addItem("?"_cp, [this] { N3Click(); });
    // Sized once the menu bar has its items: the client area lies below it.
    setLeft(196);
    setTop(112);
    setClientSize(666, 473);

    QWidget* area = client();
    Image1 = new tk::Image(area, 0, 0, 666, 473);
    Image1->setPicture(tk::designPicture("background.jpg"));
    Image1->setAlignClient();

    Bevel4 = new tk::Bevel(area, 160, 16, 329, 57);
    Label6 = new tk::Label(area, 169, 21, "можно использовать любую подсказку, но  только один раз"_cp,
                           {.color = tk::clMaroon});
    Label6->setAutoSize(false);
    Label6->place(169, 21, 307, 13);
    const tk::Font lifeline{.bold = true};
    Button8 = new tk::Button(area, 168, 40, 75, 25, "50/50", lifeline);
    Button5 = new tk::Button(area, 248, 40, 75, 25, "75%", lifeline);
    Button6 = new tk::Button(area, 328, 40, 75, 25, "75%", lifeline);
    Button7 = new tk::Button(area, 408, 40, 75, 25, "100%", lifeline);
    setUpLifelineButtons();

    Label8 = new tk::Label(area, 536, 24, "Вопрос №"_cp, {.height = 13, .bold = true, .color = tk::clGreen});
    const auto rung = [area](int level) { return makeLadderRung(area, level); };
    Label15 = rung(1);
    Label16 = rung(2);
    Label17 = rung(3);
    Label18 = rung(4);
    Label19 = rung(5);
    Label20 = rung(6);
    Label21 = rung(7);
    Label22 = rung(8);
    Label23 = rung(9);
    Label24 = rung(10);
    Label25 = rung(11);
    Label26 = rung(12);
    Label27 = rung(13);
    Label28 = rung(14);
    Label1 = rung(15);

    Label7 = new tk::Label(area, 32, 272, "Вопрос:"_cp, aqua(16));
    Label3 = new tk::Label(area, 496, 275, "осталось"_cp, aqua(11));
    Label2 = new tk::Label(area, 552, 275, "60", aqua(11));
    Label4 = new tk::Label(area, 568, 275, "сек"_cp, aqua(11));
    Label29 = new tk::Label(area, 32, 291, "Label29", aqua(13));
    Label29->setAutoSize(false);
    Label29->setWordWrap(true);
    Label29->place(32, 291, 625, 62);

    const QImage arrow = tk::designPicture("arrow.jpg");
    SpeedButton1 = new tk::SpeedButton(area, 24, 341, 41, 25, arrow);
    SpeedButton2 = new tk::SpeedButton(area, 24, 373, 41, 25, arrow);
    SpeedButton3 = new tk::SpeedButton(area, 24, 405, 41, 25, arrow);
    SpeedButton4 = new tk::SpeedButton(area, 24, 437, 41, 25, arrow);
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    const auto answerText = [area](int top) {
        auto* label = new tk::Label(area, 72, top, "Label9", {.height = 13, .bold = true, .color = tk::clCream});
        label->setAutoSize(false);
        label->place(72, top, 569, 17);
        return label;
    };
    Label9 = answerText(345);
    Label10 = answerText(377);
    Label11 = answerText(409);
    Label12 = answerText(441);

    Timer1.OnTimer = [this] { Timer1Timer(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
}

tk::Label* TForm1::LadderLabel(int level) const {
    const std::array<tk::Label*, 16> ladder{nullptr, Label15, Label16, Label17, Label18, Label19, Label20, Label21,
                                            Label22, Label23, Label24, Label25, Label26, Label27, Label28, Label1};
    return ladder.at(level);
}

tk::SpeedButton* TForm1::AnswerButton(int place) const {
    const std::array<tk::SpeedButton*, 5> buttons{nullptr, SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4};
    return buttons.at(place);
}

void TForm1::FormCreate() {
    tk::Randomize();
    CurrentLevel = 1;
    ScanLevelGroups(LevelBounds);
    DrawQuestions();
    ShowQuestion();
    Difficulty = 0;
}

// The draw of a new game. A bank that was refused earlier is scanned again first, so that putting
// a good base.txt in place and starting a new game recovers without a restart.
void TForm1::DrawQuestions() {
    if (!LevelBoundsValid(LevelBounds)) ScanLevelGroups(LevelBounds);
    ::DrawQuestions(LevelBounds, RandomBound, Questions);
}

void TForm1::ShowQuestion() {
    if (GameOver == 1) return;
    const QuestionRecord& question = Questions[CurrentLevel];
    Label29->setCaption(question.Text);
    DealAnswers(question, Answers, CorrectAnswer);
    Label9->setCaption(Answers[1]);
    Label10->setCaption(Answers[2]);
    Label11->setCaption(Answers[3]);
    Label12->setCaption(Answers[4]);
    Label2->setCaption("60");
}

void TForm1::SpeedButton1Click() { ChooseAnswer(1); }
void TForm1::SpeedButton2Click() { ChooseAnswer(2); }
void TForm1::SpeedButton3Click() { ChooseAnswer(3); }
void TForm1::SpeedButton4Click() { ChooseAnswer(4); }

void TForm1::ChooseAnswer(int place) {
    if (GameOver == 1) return;
    ResetAnswerControls();
    if (Answers[place] == CorrectAnswer) {
        AdvanceLevel();
        return;
    }
    Form2->Show();  // counts the loss at this level
    Form7->Show();
    GameOver = 1;
}

void TForm1::ResetAnswerControls() {
    for (int place = 1; place <= 4; ++place) AnswerButton(place)->setEnabled(true);
    Timer2.setEnabled(false);
    Label6->setEnabledLook(true);
}

void TForm1::AdvanceLevel() {
    if (GameOver == 1) return;
    LadderLabel(CurrentLevel)->setFontColor(tk::clRed);
    ++CurrentLevel;
    if (CurrentLevel == 16) {
        Form3->Show();  // counts the win
        GameOver = 1;
    } else {
        ShowQuestion();
    }
}

void TForm1::Timer1Timer() {
    if (GameOver == 1) return;
    const int seconds = tk::StrToInt(Label2->caption()) - 1;
    if (seconds < 50) Timer2.setEnabled(true);
    if (seconds < 0) {
        GameOver = 1;
        Form2->Show();
    } else {
        Label2->setCaption(tk::IntToStr(seconds));
    }
}

void TForm1::Timer2Timer() { Label6->setEnabledLook(!Label6->enabledLook()); }

void TForm1::N2Click() {
    GameOver = 0;
    ResetAnswerControls();
    for (int level = 1; level <= 15; ++level) LadderLabel(level)->setFontColor(tk::clSkyBlue);
    repaintNow();
    Button5->setEnabled(true);
    Button6->setEnabled(true);
    Button7->setEnabled(true);
    Button8->setEnabled(true);
    CurrentLevel = 1;
    DrawQuestions();
    ShowQuestion();
}

void TForm1::N4Click() {
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Form8->Timer1.setEnabled(true);
    Form8->setLeft(Left());
    Form8->setTop(Top());
    Form8->Show();
    Hide();
}

void TForm1::N3Click() { Form6->Show(); }
