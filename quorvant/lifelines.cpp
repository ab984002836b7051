// Placeholder until the lifelines are built.
#include "main_window.h"
#include "toolkit/controls.h"

void TForm1::buildLifelines() {}
void TForm1::Image10MouseEnter() {}
void TForm1::Image10MouseLeave() {}
void TForm1::Image10MouseDown(tk::MouseButton) {}
void TForm1::Image10MouseUp(tk::MouseButton) {}
void TForm1::Image11MouseEnter() {}
void TForm1::Image11MouseLeave() {}
void TForm1::Image11MouseDown(tk::MouseButton) {}
void TForm1::Image11MouseUp(tk::MouseButton) {}
void TForm1::Image12MouseEnter() {}
void TForm1::Image12MouseLeave() {}
void TForm1::Image12MouseDown(tk::MouseButton) {}
void TForm1::Image12MouseUp(tk::MouseButton) {}
