#pragma once
// The settings window: edits the difficulty percentage kept by the main window. The program
// creates it hidden and never shows it.
#include "toolkit/buttons.h"
#include "toolkit/controls.h"
#include "toolkit/edit.h"
#include "toolkit/form.h"

class TForm5 : public tk::Form {
public:
    TForm5();

    tk::UpDown* UpDown1 = nullptr;
    tk::Edit* Edit1 = nullptr;
    tk::Button* Button1 = nullptr;
    tk::Label* Label2 = nullptr;
    tk::Label* Label3 = nullptr;

    void FormActivate();
    void Button1Click();

private:
    void build();
};

extern TForm5* Form5;
