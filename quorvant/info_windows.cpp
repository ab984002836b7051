#include "info_windows.h"
#include "main_window.h"
#include "toolkit/controls.h"
#include "toolkit/shell.h"
#include "toolkit/text.h"

#include <functional>
#include <string>

using namespace tk::literals;

TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;

namespace {

// The addresses lie in the domains reserved for examples; the labels show them readably.
const std::string kContactMail = "tarvel@example.org";
const std::string kAuthorSite = "http://tarvel.example.org/";
const std::string kSecondSite = "http://example.org/";
const std::string kThirdSite = "http://example.com/";

tk::Font arialBold(int height, tk::Color color) {
    return {.family = "Arial", .height = height, .bold = true, .color = color};
}

const tk::Font kLinkFont{.family = "Arial", .height = 13, .bold = true, .underline = true, .color = tk::clAqua};

// The frame the three windows share: a 1-pixel rim in the window colour around a 300 x 200
// client area filled by the panel picture, whose click closes the window.
tk::Image* buildPanel(tk::Form& window, tk::Color rim, std::function<void()> onClick) {
    window.setBorderless(1);
    window.setOwner(*Form1);
    window.setClientSize(300, 200);
    window.setColor(rim);
    window.setCenteredOnShow();
    auto* picture = new tk::Image(window.client(), 0, 0, 300, 200);
    picture->setAlignClient();
    picture->setPicture(tk::designPicture("panel.jpg"));
    picture->OnClick = std::move(onClick);
    return picture;
}

// Every text wraps its words and lets the picture show around the letters.
tk::Label* fixedLabel(QWidget* area, int left, int top, int width, int height, const std::string& caption,
                      const tk::Font& font) {
    auto* label = new tk::Label(area, left, top, caption, font);
    label->setAutoSize(false);
    label->setWordWrap(true);
    label->place(left, top, width, height);
    return label;
}

// A label that keeps its width and takes the height its text needs.
tk::Label* fittedLabel(QWidget* area, int left, int top, int width, const std::string& caption, const tk::Font& font) {
    auto* label = new tk::Label(area, left, top, caption, font);
    label->place(left, top, width, label->height());
    label->setWordWrap(true);
    return label;
}

void makeLink(tk::Label* label, std::function<void()> enter, std::function<void()> leave, std::function<void()> click) {
    label->setHandCursor();
    label->OnMouseEnter = std::move(enter);
    label->OnMouseLeave = std::move(leave);
    label->OnClick = std::move(click);
}

void openMail(tk::Form* owner) { tk::ShellExecute(owner, nullptr, "mailto:" + kContactMail, tk::SW_SHOW); }
void openSite(tk::Form* owner, const std::string& address) { tk::ShellExecute(owner, "open", address, tk::SW_SHOW); }

}  // namespace

// ---- Credits ----

TForm2::TForm2() : tk::Form("Form2") {
    Image1 = buildPanel(*this, tk::clBtnFace, [this] { Image1Click(); });
    QWidget* const area = client();
    Label3 = fittedLabel(area, 8, 64, 212, "Графика - Klevaro    "_cp, arialBold(13, tk::clYellow));
    Label6 = fittedLabel(area, 8, 80, 77, "example.org", kLinkFont);
    Label7 = fittedLabel(area, 114, 80, 85, "example.com", kLinkFont);
    Label1 = fixedLabel(area, 8, 102, 284, 16, "Программирование - Tarvel"_cp, arialBold(13, tk::clYellow));
    Label4 = fixedLabel(area, 8, 118, 129, 17, kContactMail, kLinkFont);
    Label5 = fittedLabel(area, 143, 118, 142, "tarvel.example.org", kLinkFont);
    Label2 = fixedLabel(area, 8, 141, 284, 32,
                        "Музыка - Mirdos (icq: "_cp + "123-456-789" + "). Тема: "_cp + "\"" + "Ночной эфир"_cp + "\"" + ".",
                        arialBold(13, tk::clYellow));
    Label8 = fittedLabel(area, 103, 179, 74, "Выпуск 2.2"_cp, arialBold(13, tk::clWhite));

    makeLink(Label4, [this] { Label4MouseEnter(); }, [this] { Label4MouseLeave(); }, [this] { Label4Click(); });
    makeLink(Label5, [this] { Label5MouseEnter(); }, [this] { Label5MouseLeave(); }, [this] { Label5Click(); });
    makeLink(Label6, [this] { Label6MouseEnter(); }, [this] { Label6MouseLeave(); }, [this] { Label6Click(); });
    makeLink(Label7, [this] { Label7MouseEnter(); }, [this] { Label7MouseLeave(); }, [this] { Label7Click(); });
}

void TForm2::Image1Click() {
    Close();
    Form1->SetFocus();
}

void TForm2::Label4Click() { openMail(this); }
void TForm2::Label5Click() { openSite(this, kAuthorSite); }
void TForm2::Label6Click() { openSite(this, kSecondSite); }
void TForm2::Label7Click() { openSite(this, kThirdSite); }

void TForm2::Label4MouseEnter() { Label4->setFontColor(tk::clLime); }
void TForm2::Label4MouseLeave() { Label4->setFontColor(tk::clAqua); }
void TForm2::Label5MouseEnter() { Label5->setFontColor(tk::clLime); }
void TForm2::Label5MouseLeave() { Label5->setFontColor(tk::clAqua); }
void TForm2::Label6MouseEnter() { Label6->setFontColor(tk::clLime); }
void TForm2::Label6MouseLeave() { Label6->setFontColor(tk::clAqua); }
void TForm2::Label7MouseEnter() { Label7->setFontColor(tk::clLime); }
void TForm2::Label7MouseLeave() { Label7->setFontColor(tk::clAqua); }

// ---- Help ----

TForm3::TForm3() : tk::Form("Form3") {
    Image1 = buildPanel(*this, tk::clWindow, [this] { Image1Click(); });
    Label1 = fixedLabel(client(), 16, 72, 273, 121,
                        "Игра "_cp + "\"" + "Quorvant" + "\"" + ", является одним из компьютерных вариантов известной игры "_cp +
                            "\"" + "Золотая лестница"_cp + "\"" +
                            ". Вам предлагается вопрос и четыре варианта ответов. Правильный ответ и вы набираете все "
                            "большее и большее количество баллов. К тому же у вас есть три варинта подсказки."_cp,
                        arialBold(12, tk::clYellow));
}

void TForm3::Image1Click() {
    Close();
    Form1->SetFocus();
}

// ---- Contact ----

TForm4::TForm4() : tk::Form("Form4") {
    Image1 = buildPanel(*this, tk::clBtnFace, [this] { Image1Click(); });
    Label1 = fixedLabel(client(), 8, 72, 284, 57,
                        "Для того чтобы самостоятельно добавить вопросы и варианты ответов свяжитесь со мною."_cp,
                        arialBold(15, tk::clYellow));
    Label1->setAlignment(tk::Alignment::Center);
    Label4 = fixedLabel(client(), 87, 138, 129, 17, kContactMail, kLinkFont);
    makeLink(Label4, [this] { Label4MouseEnter(); }, [this] { Label4MouseLeave(); }, [this] { Label4Click(); });
}

void TForm4::Image1Click() {
    Close();
    Form1->SetFocus();
}

void TForm4::Label4Click() { openMail(this); }
void TForm4::Label4MouseEnter() { Label4->setFontColor(tk::clLime); }
void TForm4::Label4MouseLeave() { Label4->setFontColor(tk::clAqua); }
