// Quorvant 2.2, the general-knowledge quiz: the application with its title, the five windows in
// their order, and the message loop until the main window closes. The music file, and the sound
// device behind it, are opened while the main window is created: a music file that cannot be
// opened ends the program before any window is shown.
#include "main_window.h"
#include "windows.h"

#include "toolkit/application.h"

int main(int argc, char** argv) {
    tk::Application application(argc, argv, "Quorvant 2.2");
    std::unique_ptr<tk::WindowSet> windows;
    return application.run([&]() -> tk::Form& {
        windows = createWindows();
        return *Form1;
    });
}
