// The borderless window's own frame: the drag strip and the top bar's picture buttons. Every look
// is read from the images folder at the moment of its event, and always before the button acts,
// so that a picture that cannot be loaded stops the action.
#include "info_windows.h"
#include "main_window.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/text.h"

using namespace tk::literals;

namespace {

using Notice = void (TForm1::*)();
using Press = void (TForm1::*)(tk::MouseButton);

tk::Image* barButton(TForm1* window, int left, int width, const char* designPicture, Notice enter, Notice leave,
                     Press down, Press up) {
    auto* image = new tk::Image(window->client(), left, 6, width, 18);
    image->setPicture(tk::designPicture(designPicture));
    image->OnMouseEnter = [window, enter] { (window->*enter)(); };
    image->OnMouseLeave = [window, leave] { (window->*leave)(); };
    image->OnMouseDown = [window, down](tk::MouseButton button) { (window->*down)(button); };
    image->OnMouseUp = [window, up](tk::MouseButton button) { (window->*up)(button); };
    return image;
}

}  // namespace

void TForm1::buildTopBar() {
    // No picture: the light strip of the background shows through.
    Image2 = new tk::Image(client(), 328, 6, 321, 18);
    Image2->OnMouseDown = [this](tk::MouseButton button) { Image2MouseDown(button); };

    // The text buttons draw their 21-row design pictures at their own size, clipped to 18 rows.
    Image4 = barButton(this, 55, 84, "about.jpg", &TForm1::Image4MouseEnter, &TForm1::Image4MouseLeave,
                       &TForm1::Image4MouseDown, &TForm1::Image4MouseUp);
    Image5 = barButton(this, 139, 71, "auhtors.jpg", &TForm1::Image5MouseEnter, &TForm1::Image5MouseLeave,
                       &TForm1::Image5MouseDown, &TForm1::Image5MouseUp);
    Image6 = barButton(this, 209, 117, "edit.jpg", &TForm1::Image6MouseEnter, &TForm1::Image6MouseLeave,
                       &TForm1::Image6MouseDown, &TForm1::Image6MouseUp);

    Image7 = barButton(this, 653, 19, "min.jpg", &TForm1::Image7MouseEnter, &TForm1::Image7MouseLeave,
                       &TForm1::Image7MouseDown, &TForm1::Image7MouseUp);
    Image7->setStretch(true);
    Image7->setHint("Свернуть"_cp);
    Image8 = barButton(this, 675, 19, "close.jpg", &TForm1::Image8MouseEnter, &TForm1::Image8MouseLeave,
                       &TForm1::Image8MouseDown, &TForm1::Image8MouseUp);
    Image8->setStretch(true);
    Image8->setHint("Закрыть"_cp);
}

// ---- Drag strip ----

void TForm1::Image2MouseDown(tk::MouseButton) { startMove(); }

// ---- Help ----

void TForm1::Image4MouseEnter() { Image4->LoadFromFile("images\\about2.jpg"); }
void TForm1::Image4MouseLeave() { Image4->LoadFromFile("images\\about.jpg"); }
void TForm1::Image4MouseDown(tk::MouseButton) { Image4->LoadFromFile("images\\about3.jpg"); }

void TForm1::Image4MouseUp(tk::MouseButton) {
    Image4->LoadFromFile("images\\about2.jpg");
    Form3->Show();
}

// ---- Credits ----

void TForm1::Image5MouseEnter() { Image5->LoadFromFile("images\\auhtors2.jpg"); }
void TForm1::Image5MouseLeave() { Image5->LoadFromFile("images\\auhtors.jpg"); }
void TForm1::Image5MouseDown(tk::MouseButton) { Image5->LoadFromFile("images\\auhtors3.jpg"); }

void TForm1::Image5MouseUp(tk::MouseButton) {
    Image5->LoadFromFile("images\\auhtors2.jpg");
    Form2->Show();
}

// ---- Contact ----

void TForm1::Image6MouseEnter() { Image6->LoadFromFile("images\\edit2.jpg"); }
void TForm1::Image6MouseLeave() { Image6->LoadFromFile("images\\edit.jpg"); }
void TForm1::Image6MouseDown(tk::MouseButton) { Image6->LoadFromFile("images\\edit3.jpg"); }

void TForm1::Image6MouseUp(tk::MouseButton) {
    Image6->LoadFromFile("images\\edit2.jpg");
    Form4->Show();
}

// ---- Minimise ----

void TForm1::Image7MouseEnter() { Image7->LoadFromFile("images\\min2.jpg"); }
void TForm1::Image7MouseLeave() { Image7->LoadFromFile("images\\min.jpg"); }
void TForm1::Image7MouseDown(tk::MouseButton) { Image7->LoadFromFile("images\\min3.jpg"); }

void TForm1::Image7MouseUp(tk::MouseButton) {
    Image7->LoadFromFile("images\\min2.jpg");
    tk::Application::instance().Minimize();
}

// ---- Close ----

void TForm1::Image8MouseEnter() { Image8->LoadFromFile("images\\close2.jpg"); }
void TForm1::Image8MouseLeave() { Image8->LoadFromFile("images\\close.jpg"); }
void TForm1::Image8MouseDown(tk::MouseButton) { Image8->LoadFromFile("images\\close3.jpg"); }

// The main window's closing ends the program at once; a running game is abandoned and its
// question list stays on disk.
void TForm1::Image8MouseUp(tk::MouseButton) {
    Image8->LoadFromFile("images\\close2.jpg");
    Close();
}
