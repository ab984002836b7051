#include "settings.h"

#include "main_window.h"

#include "toolkit/convert.h"
#include "toolkit/text.h"

using namespace tk::literals;

TForm5* Form5 = nullptr;

TForm5::TForm5() : tk::Form("Настройки"_cp) {
    build();
    OnActivate = [this] { FormActivate(); };
}

void TForm5::build() {
    setLeft(428);
    setTop(343);
    setOuterSize(233, 92);

    QWidget* area = client();
    Edit1 = new tk::Edit(area, 80, 16, 33, 21, "0");
    UpDown1 = new tk::UpDown(*Edit1, 0, 20, 5, 0);  // placed at the right side of Edit1
    Button1 = new tk::Button(area, 168, 16, 51, 25, "Ok");
    Button1->setDefaultButton();
    Button1->OnClick = [this] { Button1Click(); };
    Label2 = new tk::Label(area, 136, 16, "%", {.height = 16});
    Label3 = new tk::Label(area, 8, 24, "Сложность"_cp, {.bold = true});
    tk::setTabOrder({UpDown1, Edit1, Button1});
}

// Every activation shows the stored value; what was typed without "Ok" is dropped.
void TForm5::FormActivate() { Edit1->setText(tk::IntToStr(Form1->Difficulty)); }

void TForm5::Button1Click() {
    Form1->Difficulty = tk::StrToInt(Edit1->text());
    Close();
}
