// Placeholder until the message panel is built.
#include "message_panel.h"

TForm5* Form5 = nullptr;

TForm5::TForm5() : tk::Form("Form5") {}
