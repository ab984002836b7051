#pragma once
// Small painting helpers shared by the picture generators of both games.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <string>
#include <utility>

namespace pictures {

// A folder the pictures are written to.
class Folder {
public:
    explicit Folder(std::string path) : m_path(std::move(path)) {}
    void save(const QImage& image, const std::string& name, int quality = 95) const;

private:
    std::string m_path;
};

// A picture of the given size filled with one colour, ready for a painter.
QImage canvas(int width, int height, QColor fill);

// A painter with anti-aliasing switched on, as every picture here wants it.
void smooth(QPainter& painter);

QFont font(const QString& family, int pixels, bool bold, bool italic = false);

// Colour a + (b - a) * t, channel by channel; t outside 0..1 is clamped.
QColor mix(QColor a, QColor b, double t);
QColor withAlpha(QColor colour, int alpha);

// Hermite step between the two edges, 0 below the first and 1 above the second.
double smoothstep(double edge0, double edge1, double x);

// Gradient running from the top to the bottom of the rectangle.
QLinearGradient vertical(const QRectF& rect, QColor top, QColor bottom);

// Text as a path whose left end of the base line lies at `baseline`.
QPainterPath textPath(const QString& text, const QFont& font, QPointF baseline);

// Width of the text in the font, for centring and right alignment.
double textWidth(const QString& text, const QFont& font);

// Fills a text path in polished gold: a soft drop shadow, a dark rim and a light-to-deep fill.
void paintGold(QPainter& painter, const QPainterPath& text, double rim = 2.0);

// Draws plain text centred in the rectangle, with an optional one-pixel shadow.
void centredText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                 QColor colour, QColor shadow = Qt::transparent);

}  // namespace pictures
