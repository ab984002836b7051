#pragma once
// The program's five windows, in their fixed order: main game window, credits, help, contact,
// message panel. Form1 to Form5 point at them while the set lives. Creating the main window opens
// the background music.
#include "toolkit/window_set.h"

#include <memory>

std::unique_ptr<tk::WindowSet> createWindows();
