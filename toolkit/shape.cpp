#include "shape.h"

#include <QPainter>

namespace tk {

Shape::Shape(QWidget* parent, int left, int top, int width, int height) : QWidget(parent) {
    setGeometry(left, top, width, height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBrushColor(Color color) {
    brush_ = color;
    update();
}

void Shape::setPen(Color color, PenMode mode) {
    pen_ = color;
    penMode_ = mode;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The pen mode is the mix of the whole drawing with the pixels already painted beneath the
    // shape (its parent and earlier siblings), which the raster back buffer holds when this
    // widget is painted.
    if (penMode_ == PenMode::MaskPenNot)
        painter.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), toQColor(brush_));
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(pen_));
    const QRect r = rect();
    painter.drawRect(QRect(r.left(), r.top(), r.width(), 1));
    painter.drawRect(QRect(r.left(), r.bottom(), r.width(), 1));
    painter.drawRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2));
    painter.drawRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2));
}

}  // namespace tk
