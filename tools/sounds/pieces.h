#pragma once
// The game's music and effect sounds, each a finished track ready to be written.
#include "synth.h"

namespace sounds {

// Plays in a loop: its end runs on into its start without a seam, and both ends are silent.
Track backgroundTheme();
Track rightAnswer();
Track wrongAnswer();
Track win();

}  // namespace sounds
