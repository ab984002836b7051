#pragma once
// The picture sets of the two games, each drawn into its folders.
#include "drawing.h"

namespace pictures {

// Velmora: the background photograph and the answer buttons' arrow glyph.
void drawVelmora(const Folder& design);

// Quorvant: the pictures stored with the window design, and the looks in the game's images folder.
void drawQuorvant(const Folder& design, const Folder& looks);

}  // namespace pictures
