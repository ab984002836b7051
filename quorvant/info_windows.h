#pragma once
// The help, credits and contact windows opened from the top bar.
#include "toolkit/form.h"

class TForm2 : public tk::Form {  // credits
public:
    TForm2();
};

class TForm3 : public tk::Form {  // help
public:
    TForm3();
};

class TForm4 : public tk::Form {  // contact
public:
    TForm4();
};

extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
