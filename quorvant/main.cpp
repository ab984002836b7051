// Quorvant 2.2: the general-knowledge quiz. An error while the windows are created (the music
// cannot be opened) reaches the application's last-chance handler: error box, exit code 1.
#include "main_window.h"
#include "windows.h"
#include "toolkit/application.h"

int main(int argc, char** argv) {
    tk::Application application(argc, argv, "Quorvant 2.2");
    const auto windows = createWindows();
    return application.run(*Form1);
}
