// The three lifelines of the left column: 50/50, call a specialist and help from outside. Each
// is spent by any release over it, game or no game; Start makes them available again.
#include "lifelines.h"
#include "main_window.h"
#include "message_panel.h"

#include "toolkit/controls.h"
#include "toolkit/text.h"
#include "toolkit/convert.h"
#include "toolkit/random.h"

#include <utility>

using namespace tk::literals;

namespace lifelines {

std::string specialistDoesNotKnow() { return "Я не знаю правильного ответа!"_cp; }

std::string specialistNames(int letter) {
    return "Я считаю правильным ответ \""_cp + std::string(1, char('A' + letter - 1)) + "\"";
}

std::array<int, 4> audienceShares(int rightLetter, int top, int s1, int s2, int s3) {
    std::array<int, 4> shares{top, s1, s2, s3};
    std::swap(shares[0], shares[rightLetter - 1]);
    return shares;
}

std::string audienceText(const std::array<int, 4>& shares) {
    return "Голоса распределились так: A-"_cp + tk::IntToStr(shares[0]) + "%  B-" + tk::IntToStr(shares[1]) +
           "%  C-" + tk::IntToStr(shares[2]) + "%  D-" + tk::IntToStr(shares[3]) + "%";
}

}  // namespace lifelines

namespace {

bool isLetter(int index) { return index >= 1 && index <= 4; }

// The look handlers of an available lifeline; a spent one keeps its used look.
void showLook(tk::Image* button, bool available, const char* look) {
    if (available) button->LoadFromFile(look);
}

tk::Image* lifelineButton(QWidget* area, int left, int top, const char* picture, const std::string& hint) {
    auto* button = new tk::Image(area, left, top, 82, 51);
    button->setPicture(tk::designPicture(picture));
    button->setHint(hint);
    return button;
}

}  // namespace

void TForm1::buildLifelines() {
    QWidget* const area = client();
    Image10 = lifelineButton(area, 31, 127, "fifty.jpg", "Убрать два неправильных ответа"_cp);
    Image10->OnMouseEnter = [this] { Image10MouseEnter(); };
    Image10->OnMouseLeave = [this] { Image10MouseLeave(); };
    Image10->OnMouseDown = [this](tk::MouseButton button) { Image10MouseDown(button); };
    Image10->OnMouseUp = [this](tk::MouseButton button) { Image10MouseUp(button); };

    Image11 = lifelineButton(area, 30, 179, "tel.jpg", "Звонок специалисту"_cp);
    Image11->OnMouseEnter = [this] { Image11MouseEnter(); };
    Image11->OnMouseLeave = [this] { Image11MouseLeave(); };
    Image11->OnMouseDown = [this](tk::MouseButton button) { Image11MouseDown(button); };
    Image11->OnMouseUp = [this](tk::MouseButton button) { Image11MouseUp(button); };

    Image12 = lifelineButton(area, 31, 230, "piple.jpg", "Помощь извне"_cp);
    Image12->OnMouseEnter = [this] { Image12MouseEnter(); };
    Image12->OnMouseLeave = [this] { Image12MouseLeave(); };
    Image12->OnMouseDown = [this](tk::MouseButton button) { Image12MouseDown(button); };
    Image12->OnMouseUp = [this](tk::MouseButton button) { Image12MouseUp(button); };
}

// ---- 50/50 ----

void TForm1::Image10MouseEnter() { showLook(Image10, FiftyAvailable, "images\\fifty2.jpg"); }
void TForm1::Image10MouseLeave() { showLook(Image10, FiftyAvailable, "images\\fifty.jpg"); }
void TForm1::Image10MouseDown(tk::MouseButton) { showLook(Image10, FiftyAvailable, "images\\fifty3.jpg"); }

void TForm1::Image10MouseUp(tk::MouseButton) {
    Image10->LoadFromFile("images\\fifty4.jpg");
    FiftyPick = 0;
    FiftyPrevious = 0;
    if (FiftyAvailable && GameActive) {
        // Two passes, each clearing a wrong answer the pass before did not.
        const std::array<tk::Label*, 4> answers{Label2, Label3, Label4, Label5};
        for (int pass = 0; pass < 2; ++pass) {
            do FiftyPick = 1 + tk::Random(4);
            while (FiftyPick == CorrectIndex || FiftyPick == FiftyPrevious);
            answers[FiftyPick - 1]->setCaption("");
            FiftyPrevious = FiftyPick;
        }
    }
    FiftyAvailable = false;
}

// ---- Call a specialist ----

void TForm1::Image11MouseEnter() { showLook(Image11, PhoneAvailable, "images\\tel2.jpg"); }
void TForm1::Image11MouseLeave() { showLook(Image11, PhoneAvailable, "images\\tel.jpg"); }
void TForm1::Image11MouseDown(tk::MouseButton) { showLook(Image11, PhoneAvailable, "images\\tel3.jpg"); }

void TForm1::Image11MouseUp(tk::MouseButton) {
    Image11->LoadFromFile("images\\tel4.jpg");
    if (PhoneAvailable && GameActive) {
        const int guess = tk::Random(5);
        Form5->Show();
        Form5->SetFocus();
        // One time in five the specialist does not know; otherwise the right letter, never a wrong one.
        if (guess > 3) Form5->Label1->setCaption(lifelines::specialistDoesNotKnow());
        else if (isLetter(CorrectIndex)) Form5->Label1->setCaption(lifelines::specialistNames(CorrectIndex));
    }
    PhoneAvailable = false;
}

// ---- Help from outside ----

void TForm1::Image12MouseEnter() { showLook(Image12, AudienceAvailable, "images\\piple2.jpg"); }
void TForm1::Image12MouseLeave() { showLook(Image12, AudienceAvailable, "images\\piple.jpg"); }
void TForm1::Image12MouseDown(tk::MouseButton) { showLook(Image12, AudienceAvailable, "images\\piple3.jpg"); }

void TForm1::Image12MouseUp(tk::MouseButton) {
    Image12->LoadFromFile("images\\piple4.jpg");
    if (AudienceAvailable && GameActive) {
        // The right letter's share lies in 40..69; the rest is split among the others in turn.
        const int top = 40 + tk::Random(30);
        int rest = 100 - top;
        const int s1 = tk::Random(rest);
        rest -= s1;
        const int s2 = tk::Random(rest);
        const int s3 = rest - s2;
        Form5->Show();
        Form5->SetFocus();
        if (isLetter(CorrectIndex))
            Form5->Label1->setCaption(lifelines::audienceText(lifelines::audienceShares(CorrectIndex, top, s1, s2, s3)));
    }
    AudienceAvailable = false;
}
