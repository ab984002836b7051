#pragma once
// The program's eight windows, in their fixed order: main game window, loss, win, "75%" hint,
// settings, statistics, correct answer, trainer. Form1 to Form8 point at them while the set lives.
#include "toolkit/window_set.h"

#include <memory>

std::unique_ptr<tk::WindowSet> createWindows();
