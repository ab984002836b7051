#pragma once
// A rectangle shape: a filled rectangle with a one-pixel outline. It takes no mouse input, so
// the controls below it get the pointer.
#include "colors.h"

#include <QWidget>

namespace tk {

// How the outline's pen combines with what lies beneath the shape.
enum class PenMode {
    Copy,         // the pen colour itself
    MaskPenNot,   // beneath AND NOT pen: a black pen leaves the outline showing what lies beneath
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
