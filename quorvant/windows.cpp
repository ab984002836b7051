#include "windows.h"

#include "info_windows.h"
#include "main_window.h"
#include "message_panel.h"

std::unique_ptr<tk::WindowSet> createWindows() {
    auto windows = std::make_unique<tk::WindowSet>();
    windows->create(Form1);
    windows->create(Form2);
    windows->create(Form3);
    windows->create(Form4);
    windows->create(Form5);
    return windows;
}
