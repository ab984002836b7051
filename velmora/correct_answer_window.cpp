#include "correct_answer_window.h"

#include "main_window.h"

#include "toolkit/text.h"

using namespace tk::literals;

TForm7* Form7 = nullptr;

TForm7::TForm7() : tk::Form("Правильный ответ:"_cp) {
    setLeft(358);
    setTop(436);
    setOuterSize(303, 124);
    Label1 = new tk::Label(client(), 8, 16, "Label1");
    Button1 = new tk::Button(client(), 104, 56, 75, 25, "Ok");
    Button1->setDefaultButton();
    Button1->setCancelButton();
    Button1->OnClick = [this] { Button1Click(); };
    OnActivate = [this] { FormActivate(); };
}

// Each activation names the right answer of the question current at that moment.
void TForm7::FormActivate() { Label1->setCaption(Form1->CorrectAnswer); }

void TForm7::Button1Click() { Close(); }
