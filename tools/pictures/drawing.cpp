#include "drawing.h"

#include "toolkit/jpeg.h"

#include <QFontMetricsF>
#include <algorithm>

namespace pictures {

void Folder::save(const QImage& image, const std::string& name, int quality) const {
    tk::jpeg::save(image, m_path + "/" + name, quality);
}

QImage canvas(int width, int height, QColor fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void smooth(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

QFont font(const QString& family, int pixels, bool bold, bool italic) {
    QFont result(family);
    result.setPixelSize(pixels);
    result.setBold(bold);
    result.setItalic(italic);
    result.setHintingPreference(QFont::PreferVerticalHinting);
    return result;
}

QColor mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](int from, int to) { return static_cast<int>(from + (to - from) * t + 0.5); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()),
                  channel(a.alpha(), b.alpha()));
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QLinearGradient vertical(const QRectF& rect, QColor top, QColor bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QPainterPath textPath(const QString& text, const QFont& font, QPointF baseline) {
    QPainterPath path;
    path.addText(baseline, font, text);
    return path;
}

double textWidth(const QString& text, const QFont& font) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

void paintGold(QPainter& painter, const QPainterPath& text, double rim) {
    const QRectF box = text.boundingRect();
    painter.save();
    painter.translate(rim * 0.8, rim);
    painter.fillPath(text, QColor(0, 0, 0, 150));
    painter.restore();
    painter.strokePath(text, QPen(QColor(84, 50, 8), rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 249, 205));
    gold.setColorAt(0.38, QColor(250, 210, 96));
    gold.setColorAt(0.52, QColor(214, 146, 28));
    gold.setColorAt(0.78, QColor(236, 178, 58));
    gold.setColorAt(1.0, QColor(255, 226, 140));
    painter.fillPath(text, gold);
}

void centredText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                 QColor colour, QColor shadow) {
    painter.setFont(font);
    if (shadow.alpha() > 0) {
        painter.setPen(shadow);
        painter.drawText(rect.translated(1, 1), Qt::AlignCenter, text);
    }
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, text);
}

}  // namespace pictures
