#pragma once
// The small window that names the right answer after a wrong answer or the "100%" lifeline.
#include "toolkit/buttons.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

class TForm7 : public tk::Form {
public:
    TForm7();

    tk::Label* Label1 = nullptr;
    tk::Button* Button1 = nullptr;

    void FormActivate();
    void Button1Click();
};

extern TForm7* Form7;
