#include "main_window.h"
#include "question_list.h"
#include "toolkit/controls.h"
#include "toolkit/text.h"
#include "toolkit/convert.h"
#include "toolkit/random.h"
#include "toolkit/shape.h"

#include <algorithm>
#include <iterator>

using namespace tk::literals;

TForm1* Form1 = nullptr;

namespace {

constexpr tk::Color kBarYellow = 0x00EAFE;  // red 254, green 234, blue 0
constexpr int kPrizes[] = {500,    1000,   2000,   3000,   5000,   10000,   15000,  25000,
                           50000,  100000, 200000, 400000, 800000, 1500000, 3000000};

}  // namespace

TForm1::TForm1() : tk::Form("Quorvant 2.2") {
    QuestionListFile.setCtrlZEndsFile(true);
    BankFile.setCtrlZEndsFile(true);
    buildWindow();
    buildAnswerButtons();
    buildLifelines();
    buildSound();
    buildTopBar();
    // Texts and the prize bar lie above the pictures they stand on, whichever part made them.
    for (tk::Label* label : {Label1, Label2, Label3, Label4, Label5, Label6}) label->raise();
    Shape1->raise();
    OnShow = [this] { FormShow(); };
}

void TForm1::buildWindow() {
    setBorderless();
    setClientSize(700, 550);
    setCenteredOnShow();
    setIconPicture(tk::designPicture("icon.jpg"));
    QWidget* const area = client();

    Image1 = new tk::Image(area, 0, 0, 700, 550);
    Image1->setAlignClient();
    Image1->setPicture(tk::designPicture("background.jpg"));

    Label1 = new tk::Label(area, 72, 340, "", {.family = "Arial", .height = 20, .bold = true, .color = tk::clWhite});
    Label1->setAutoSize(false);
    Label1->setWordWrap(true);
    Label1->place(72, 340, 553, 85);

    Label6 = new tk::Label(area, 152, 240, " Для  начала  игры  нажми \"Старт\""_cp,
                           {.family = "Times New Roman", .height = 32, .bold = true, .italic = true, .color = tk::clYellow});
    Label6->setAutoSize(false);
    Label6->setWordWrap(true);
    Label6->setAlignment(tk::Alignment::Center);
    Label6->place(152, 240, 377, 81);

    Image3 = new tk::Image(area, 6, 6, 50, 18);
    Image3->setPicture(tk::designPicture("start.jpg"));
    Image3->OnMouseEnter = [this] { Image3MouseEnter(); };
    Image3->OnMouseLeave = [this] { Image3MouseLeave(); };
    Image3->OnMouseDown = [this](tk::MouseButton button) { Image3MouseDown(button); };
    Image3->OnMouseUp = [this](tk::MouseButton button) { Image3MouseUp(button); };

    Image9 = new tk::Image(area, 30, 70, 82, 50);
    Image9->setPicture(tk::designPicture("exit.jpg"));
    Image9->setHint("Остановить игру и забрать баллы"_cp);
    Image9->OnMouseEnter = [this] { Image9MouseEnter(); };
    Image9->OnMouseLeave = [this] { Image9MouseLeave(); };
    Image9->OnMouseDown = [this](tk::MouseButton button) { Image9MouseDown(button); };
    Image9->OnMouseUp = [this](tk::MouseButton button) { Image9MouseUp(button); };

    Image18 = new tk::Image(area, 542, 26, 152, 300);
    Image18->setStretch(true);
    Image18->setPicture(tk::designPicture("ladder.jpg"));

    Shape1 = new tk::Shape(area, 552, 301, 132, 18);
    Shape1->setBrushColor(tk::clYellow);
    Shape1->setPen(tk::clBlack, tk::PenMode::MaskPenNot);
}

void TForm1::FormShow() {
    GameActive = false;
    SoundOn = FiftyAvailable = AudienceAvailable = PhoneAvailable = true;
    Shape1->setBrushColor(kBarYellow);
    Label6->setFontColor(kBarYellow);
    if (SoundOn) StartMusic();
    SafeSumText = "0";
    tk::Randomize();
    std::copy(std::begin(kPrizes), std::end(kPrizes), ScoreLadder.begin() + 1);
    PraiseTexts[1] = "Да, конечно, правильный ответ!"_cp;
    PraiseTexts[2] = "Правильно! Без сомнений!"_cp;
    PraiseTexts[3] = "И на этот раз вы правы!"_cp;
    PraiseTexts[4] = "Кто бы сомневался! Ведь это правильный ответ!"_cp;
    PraiseTexts[5] = "Да!Да!Да! Вы заслужили эти баллы!"_cp;
    PraiseTexts[6] = "Yes! Продолжай в том же духе!"_cp;
    PraiseTexts[7] = "Да, несомненно!"_cp;
    PraiseTexts[8] = "Правильно, сразу видно знающего человека!"_cp;
    PraiseTexts[9] = "Вау! В десяточку!"_cp;
}

// ---- Start ----

void TForm1::Image3MouseEnter() { Image3->LoadFromFile("images\\start2.jpg"); }
void TForm1::Image3MouseLeave() { Image3->LoadFromFile("images\\start.jpg"); }
void TForm1::Image3MouseDown(tk::MouseButton) { Image3->LoadFromFile("images\\start3.jpg"); }

void TForm1::Image3MouseUp(tk::MouseButton) {
    Image3->LoadFromFile("images\\start2.jpg");
    // The game counts as running from here on, even when a lifeline look is missing and Start
    // ends before anything is drawn.
    const bool gameWasActive = GameActive;
    GameActive = FiftyAvailable = AudienceAvailable = PhoneAvailable = true;
    Image10->LoadFromFile("images\\fifty.jpg");
    Image11->LoadFromFile("images\\tel.jpg");
    Image12->LoadFromFile("images\\piple.jpg");
    // The list of a running game is held open and cannot be deleted, so a Start during a game
    // ends here having only re-armed the lifelines. A list that cannot be deleted while no game
    // runs ends Start the same way, leaving no game marked running, so that no answer or stop
    // meets a game without its list.
    if (tk::FileExists("spisok.txt")) {
        tk::DeleteFile("spisok.txt");
        if (tk::FileExists("spisok.txt")) {
            GameActive = gameWasActive;
            return;
        }
    }
    // From here a failing draw (a missing bank) leaves a game running on a list open for writing;
    // stop or a wrong answer closes it, and every Start meanwhile ends at the guard above.
    QuestionListFile.Assign("spisok.txt");
    QuestionListFile.Rewrite();
    DrawQuestionList();
    QuestionListFile.Reset();
    LineBuffer = QuestionListFile.ReadLine();
    SafeSumText = "0";
    DecodeBankLine();
    if (AnsweredCount != 0) Shape1->setTop(300);
    GameActive = true;
    AnsweredCount = 0;
    ShowQuestionLine();
}

// ---- Stop and take ----

void TForm1::Image9MouseEnter() { Image9->LoadFromFile("images\\exit2.jpg"); }
void TForm1::Image9MouseLeave() { Image9->LoadFromFile("images\\exit.jpg"); }
void TForm1::Image9MouseDown(tk::MouseButton) { Image9->LoadFromFile("images\\exit3.jpg"); }

void TForm1::Image9MouseUp(tk::MouseButton) {
    Image9->LoadFromFile("images\\exit2.jpg");
    if (!GameActive) return;
    // A game whose Start stopped before its list was written has no list to close.
    if (QuestionListFile.isOpen()) QuestionListFile.Close();
    Label1->setCaption("Чтож не хотите играть дальше - до свидания! Вы выиграли "_cp +
                       tk::IntToStr(ScoreLadder[AnsweredCount]) + " баллов."_cp);
    GameActive = false;
    Label6->setCaption("Для начала новой игры нажми \"Старт\""_cp);
}
