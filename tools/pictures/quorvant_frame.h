#pragma once
// Quorvant's window furniture: the background with its frame and top bar, the prize ladder, the
// top bar's buttons, the shared picture of the small windows and the window icon.
#include "quorvant_style.h"

namespace pictures::quorvant {

QImage background();  // 700 x 550
QImage ladder();      // 152 x 300, question 1 at the bottom
QImage panel();       // 300 x 200
QImage icon();        // 64 x 64

// A text button of the top bar; the caption is centred in the top 18 rows whatever the height.
QImage barButton(const QString& caption, int width, int height, Look look);

// The minimise (a dash) and close (a cross) buttons, drawn over the ground they stand on.
enum class WindowSign { Minimise, Close };
QImage windowButton(WindowSign sign, const QImage& ground, Look look);

}  // namespace pictures::quorvant
