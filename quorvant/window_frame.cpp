// Placeholder until the window frame is built.
#include "main_window.h"
#include "toolkit/controls.h"

void TForm1::buildTopBar() {}
void TForm1::Image2MouseDown(tk::MouseButton) {}
void TForm1::Image4MouseEnter() {}
void TForm1::Image4MouseLeave() {}
void TForm1::Image4MouseDown(tk::MouseButton) {}
void TForm1::Image4MouseUp(tk::MouseButton) {}
void TForm1::Image5MouseEnter() {}
void TForm1::Image5MouseLeave() {}
void TForm1::Image5MouseDown(tk::MouseButton) {}
void TForm1::Image5MouseUp(tk::MouseButton) {}
void TForm1::Image6MouseEnter() {}
void TForm1::Image6MouseLeave() {}
void TForm1::Image6MouseDown(tk::MouseButton) {}
void TForm1::Image6MouseUp(tk::MouseButton) {}
void TForm1::Image7MouseEnter() {}
void TForm1::Image7MouseLeave() {}
void TForm1::Image7MouseDown(tk::MouseButton) {}
void TForm1::Image7MouseUp(tk::MouseButton) {}
void TForm1::Image8MouseEnter() {}
void TForm1::Image8MouseLeave() {}
void TForm1::Image8MouseDown(tk::MouseButton) {}
void TForm1::Image8MouseUp(tk::MouseButton) {}
