#include "message_panel.h"
#include "main_window.h"

#include "toolkit/controls.h"

TForm5* Form5 = nullptr;

TForm5::TForm5() : tk::Form("Form5") {
    // The window's own colour shows as a 1-pixel rim around the picture.
    setBorderless();
    setOwner(*Form1);
    setClientSize(302, 202);
    setStayOnTop();
    setCenteredOnShow();

    Image1 = new tk::Image(client(), 1, 1, 300, 200);
    Image1->setPicture(tk::designPicture("panel.jpg"));
    Image1->OnClick = [this] { Image1Click(); };

    // The text lies over the picture and takes its clicks, so a click on it leaves the panel open.
    Label1 = new tk::Label(client(), 8, 80, "", {.family = "Arial", .height = 16, .bold = true, .color = tk::clYellow});
    Label1->setAutoSize(false);
    Label1->setWordWrap(true);
    Label1->setAlignment(tk::Alignment::Center);
    Label1->place(8, 80, 286, 105);
}

void TForm5::Image1Click() {
    Close();
    Form1->SetFocus();
}
