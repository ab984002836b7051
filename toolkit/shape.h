#pragma once
// A rectangle shape: a filled rectangle with a one-pixel outline. It takes no mouse input, so
// the controls below it get the pointer.
#include "colors.h"

#include <QWidget>

namespace tk {

// How the shape's drawing, outline and interior alike, combines with what lies beneath it.
enum class PenMode {
    Copy,         // the pen and brush colours themselves
    MaskPenNot,   // colour AND NOT beneath: a black outline stays black, and light pixels
                  // beneath the interior come out dark in the brush colour
};

class Shape : public QWidget {
public:
    Shape(QWidget* parent, int left, int top, int width, int height);

    int Left() const { return x(); }
    int Top() const { return y(); }
    void setTop(int top) { move(x(), top); }
    void setBrushColor(Color color);
    Color brushColor() const { return brush_; }
    void setPen(Color color, PenMode mode);
    void repaintNow() { repaint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Color brush_ = clWhite;
    Color pen_ = clBlack;
    PenMode penMode_ = PenMode::Copy;
};

}  // namespace tk
