#pragma once
// The message panel: the answers of the specialist and of the audience.
#include "toolkit/form.h"

class TForm5 : public tk::Form {
public:
    TForm5();
};

extern TForm5* Form5;
