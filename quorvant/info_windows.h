#pragma once
// The help, credits and contact windows opened from the top bar: each a borderless panel with
// transparent texts over one picture, closed by a click on that picture. The links hand their
// addresses to the desktop.
#include "toolkit/form.h"

namespace tk {
class Image;
class Label;
}  // namespace tk

class TForm2 : public tk::Form {  // credits
public:
    TForm2();

    tk::Image* Image1 = nullptr;
    tk::Label* Label1 = nullptr;  // programming
    tk::Label* Label2 = nullptr;  // music
    tk::Label* Label3 = nullptr;  // graphics
    tk::Label* Label4 = nullptr;  // mail link
    tk::Label* Label5 = nullptr;  // the author's web site
    tk::Label* Label6 = nullptr;  // second web site
    tk::Label* Label7 = nullptr;  // third web site
    tk::Label* Label8 = nullptr;  // publication notice

    void Image1Click();
    void Label4Click();
    void Label5Click();
    void Label6Click();
    void Label7Click();
    void Label4MouseEnter();
    void Label4MouseLeave();
    void Label5MouseEnter();
    void Label5MouseLeave();
    void Label6MouseEnter();
    void Label6MouseLeave();
    void Label7MouseEnter();
    void Label7MouseLeave();
};

class TForm3 : public tk::Form {  // help
public:
    TForm3();

    tk::Image* Image1 = nullptr;
    tk::Label* Label1 = nullptr;

    void Image1Click();
};

class TForm4 : public tk::Form {  // contact
public:
    TForm4();

    tk::Image* Image1 = nullptr;
    tk::Label* Label1 = nullptr;
    tk::Label* Label4 = nullptr;  // mail link

    void Image1Click();
    void Label4Click();
    void Label4MouseEnter();
    void Label4MouseLeave();
};

extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
