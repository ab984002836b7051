#include "lifelines.h"

#include "correct_answer_window.h"
#include "main_window.h"
#include "statistics.h"

#include "toolkit/random.h"
#include "toolkit/text.h"

#include <array>

using namespace tk::literals;

TForm4* Form4 = nullptr;

LifelineSelection SelectAnswers(const AnswerSet& Answers, const std::string& CorrectAnswer) {
    std::array<double, 5> r{};
    for (int i = 1; i <= 4; ++i) r[i] = tk::RandomReal();
    LifelineSelection selection;
    for (int i = 1; i <= 4; ++i)
        if (Answers[i] == CorrectAnswer) {
            r[i] = 0;
            selection.k = i;
        }
    // The largest key among the wrong answers; a tie keeps the lower place.
    for (int j = 2; j <= 4; ++j)
        if (r[j] > r[selection.m]) selection.m = j;
    return selection;
}

void TForm1::setUpLifelineButtons() {
    const std::string hint75 = "Подсказывает Вам правильный ответ, но только в 3-х случаях из 4-х"_cp;
    Button8->setHint("Компьютер убирает 2 не правильных ответа"_cp);
    Button5->setHint(hint75);
    Button6->setHint(hint75);
    Button7->setHint("Компьютер отвечает вместо Вас"_cp);
    Button8->OnClick = [this] { Button8Click(); };
    Button5->OnClick = [this] { Button5Click(); };
    Button6->OnClick = [this] { Button6Click(); };
    Button7->OnClick = [this] { Button7Click(); };
    tk::setTabOrder({Button6, Button7, Button8, Button5});
}

// "50/50": the buttons of two wrong answers are disabled; their texts stay.
void TForm1::Button8Click() {
    if (GameOver == 1) return;
    Button8->setEnabled(false);
    const LifelineSelection selection = SelectAnswers(Answers, CorrectAnswer);
    for (int i = 1; i <= 4; ++i)
        if (i != selection.k && i != selection.m) AnswerButton(i)->setEnabled(false);
}

void TForm1::Button5Click() { GiveHint(Button5); }
void TForm1::Button6Click() { GiveHint(Button6); }

// "75%": names the right answer three times in four, otherwise the kept wrong answer.
void TForm1::GiveHint(tk::Button* used) {
    if (GameOver == 1) return;
    ResetAnswerControls();
    used->setEnabled(false);
    const LifelineSelection selection = SelectAnswers(Answers, CorrectAnswer);
    const bool right = tk::RandomReal() < 0.75;
    Form4->Label2->setCaption(Answers[right ? selection.k : selection.m]);
    Form4->Show();
}

// "100%": counts as a right answer, with the correct-answer window naming it.
void TForm1::Button7Click() {
    if (GameOver == 1) return;
    ResetAnswerControls();
    Button7->setEnabled(false);
    LadderLabel(CurrentLevel)->setFontColor(tk::clRed);
    ++CurrentLevel;
    Form7->Show();
    if (CurrentLevel == 16) {
        Form3->Show();  // counts the win
        GameOver = 1;
    } else {
        ShowQuestion();
    }
}

TForm4::TForm4() : tk::Form("75%") {
    setLeft(374);
    setTop(295);
    setOuterSize(389, 125);
    Label1 = new tk::Label(client(), 24, 16, "С вероятностью 75% можно утверждать, что правильный ответ:"_cp);
    Label2 = new tk::Label(client(), 24, 40, "Label2", {.color = tk::clTeal});
    Label3 = new tk::Label(client(), 24, 64, "Но в 25% случаев этот ответ не верен!"_cp);
}
