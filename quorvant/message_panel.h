#pragma once
// The message panel: a small borderless picture window, centred on the screen above the main
// window, in which the specialist and the audience answer. The main window writes its text; a
// click on its picture (outside the text) closes it.
#include "toolkit/form.h"

namespace tk {
class Image;
class Label;
}  // namespace tk

class TForm5 : public tk::Form {
public:
    TForm5();

    tk::Image* Image1 = nullptr;  // background picture
    tk::Label* Label1 = nullptr;  // the answer

    void Image1Click();
};

extern TForm5* Form5;
