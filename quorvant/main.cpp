// Quorvant 2.2, the general-knowledge quiz: the application with its title, the five windows in
// their order, and the message loop until the main window closes. A music file that cannot be
// opened while the main window is created ends the program before any window is shown.
#include "main_window.h"
#include "windows.h"

#include "toolkit/application.h"
#include "toolkit/media_backend.h"

int main(int argc, char** argv) {
    tk::Application application(argc, argv, "Quorvant 2.2");
    // The music file is checked while the main window is made, and heard once the window is up.
    tk::openSoundDeviceOnceShown();
    std::unique_ptr<tk::WindowSet> windows;
    return application.run([&]() -> tk::Form& {
        windows = createWindows();
        return *Form1;
    });
}
