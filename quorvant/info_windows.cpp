// Placeholder until the information windows are built.
#include "info_windows.h"

TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;

TForm2::TForm2() : tk::Form("Form2") {}
TForm3::TForm3() : tk::Form("Form3") {}
TForm4::TForm4() : tk::Form("Form4") {}
