#pragma once
// The level ladder that the game window and the trainer both show: 15 labels, level 1 at the
// bottom, right-aligned on one edge, sky blue on the window colour until a level is passed.
#include "toolkit/controls.h"

// The ladder label of one level, placed in its row.
tk::Label* makeLadderRung(QWidget* area, int level);
