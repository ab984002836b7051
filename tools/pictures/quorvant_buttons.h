#pragma once
// Quorvant's picture buttons in the play area. Each is drawn over the piece of the background it
// covers (`ground`), so that its corners melt into the window.
#include "quorvant_style.h"

namespace pictures::quorvant {

// An answer button, 283 x 43: a pointed lozenge with the letter ("A" to "D") at its left end.
QImage answerButton(QChar letter, const QImage& ground, Look look);

enum class Lifeline { Fifty, Phone, Audience };
QImage lifelineButton(Lifeline lifeline, const QImage& ground, Look look);

// The stop-and-take button, 82 x 50.
QImage stopButton(const QImage& ground, Look look);

// The sound switch, 45 x 36: a loudspeaker with sound waves, or crossed out when silenced.
QImage soundSwitch(const QImage& ground, bool on, Look look);

}  // namespace pictures::quorvant
