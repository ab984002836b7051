// Placeholder until the sound is built.
#include "main_window.h"
#include "toolkit/controls.h"

void TForm1::buildSound() {}
void TForm1::StartMusic() {}
void TForm1::PlayEffect(const std::string&) {}
void TForm1::Image17MouseDown(tk::MouseButton) {}
void TForm1::Image17MouseUp(tk::MouseButton) {}
void TForm1::MediaPlayer1Notify() {}
void TForm1::ApplicationEvents1Minimize() {}
void TForm1::ApplicationEvents1Restore() {}
