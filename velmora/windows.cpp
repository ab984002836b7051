#include "windows.h"

#include "correct_answer_window.h"
#include "lifelines.h"
#include "main_window.h"
#include "settings.h"
#include "statistics.h"
#include "trainer.h"

std::unique_ptr<tk::WindowSet> createWindows() {
    auto windows = std::make_unique<tk::WindowSet>();
    windows->create(Form1);
    windows->create(Form2);
    windows->create(Form3);
    windows->create(Form4);
    windows->create(Form5);
    windows->create(Form6);
    windows->create(Form7);
    windows->create(Form8);
    return windows;
}
