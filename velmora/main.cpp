// Velmora, the scripture quiz: the application with its title, the eight windows in their order,
// and the message loop until the main window closes.
#include "main_window.h"
#include "windows.h"

#include "toolkit/application.h"

int main(int argc, char** argv) {
    tk::Application application(argc, argv, "Velmora");
    std::unique_ptr<tk::WindowSet> windows;
    return application.run([&]() -> tk::Form& {
        windows = createWindows();
        return *Form1;
    });
}
