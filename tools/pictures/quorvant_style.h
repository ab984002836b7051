#pragma once
// Quorvant's palette and the shapes its pictures share: the gold logo, the light top-bar face and
// the oval badge of the picture buttons.
#include "drawing.h"

#include <functional>

namespace pictures::quorvant {

inline const QColor kField(31, 56, 87);     // the window's dark blue
inline const QColor kLine(112, 144, 159);   // frame lines and the top bar
inline const QColor kInk(9, 43, 68);        // captions on the top bar
inline const QColor kGold(250, 204, 84);
inline const QColor kSilver(204, 216, 232);

// The states a picture button is drawn in.
enum class Look { Normal, Hover, Pressed, Right, Wrong, Used };

// The game's title with its version, in gold, the left end of the base line at `baseline`.
void paintLogo(QPainter& painter, QPointF baseline, int pixels);

// The light grey-blue face of the top bar and of its buttons.
void paintBarFace(QPainter& painter, const QRectF& rect, Look look);

// An oval badge filling most of the picture, in the colours of the look. `tint` colours the
// normal and hover faces (blue for the lifelines, red for the stop button). The content is
// painted by `content` in the colour it is given, centred on the origin.
void paintBadge(QImage& image, Look look, QColor tint,
                const std::function<void(QPainter&, QColor ink)>& content);

// A red cross over the whole picture, the mark of a spent lifeline or of the silenced speaker.
void paintRedCross(QPainter& painter, const QRectF& rect, double width);

}  // namespace pictures::quorvant
