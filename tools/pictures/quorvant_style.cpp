#include "quorvant_style.h"

#include <QRadialGradient>
#include <algorithm>

namespace pictures::quorvant {

void paintLogo(QPainter& painter, QPointF baseline, int pixels) {
    const QFont title = font("Liberation Serif", pixels, true, true);
    const QFont version = font("Liberation Serif", pixels * 3 / 5, true, true);
    const double rim = std::max(1.2, pixels / 18.0);
    paintGold(painter, textPath("Quorvant", title, baseline), rim);
    const QPointF versionAt(baseline.x() + textWidth("Quorvant", title) + pixels * 0.18, baseline.y());
    paintGold(painter, textPath("2.2", version, versionAt), rim * 0.8);
}

void paintBarFace(QPainter& painter, const QRectF& rect, Look look) {
    QLinearGradient face(rect.topLeft(), rect.bottomLeft());
    switch (look) {
    case Look::Hover:
        face.setColorAt(0, QColor(196, 220, 230));
        face.setColorAt(0.5, QColor(160, 190, 203));
        face.setColorAt(1, QColor(140, 170, 184));
        break;
    case Look::Pressed:  // lit from below, as if pushed into the bar
        face.setColorAt(0, QColor(70, 98, 112));
        face.setColorAt(0.5, QColor(88, 118, 132));
        face.setColorAt(1, QColor(104, 134, 148));
        break;
    default:
        face.setColorAt(0, QColor(140, 170, 183));
        face.setColorAt(0.5, kLine);
        face.setColorAt(1, QColor(100, 130, 145));
        break;
    }
    painter.fillRect(rect, face);
    const bool pressed = look == Look::Pressed;
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1),
                     pressed ? QColor(50, 74, 88) : QColor(170, 196, 207));
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1),
                     pressed ? QColor(120, 150, 164) : QColor(78, 106, 120));
}

namespace {

struct BadgeColours {
    QColor centre, edge, rimTop, rimBottom, ink, glow;
};

BadgeColours badgeColours(Look look, QColor tint) {
    switch (look) {
    case Look::Hover:
        return {tint.lighter(190), tint.darker(220), QColor(255, 244, 196), QColor(196, 136, 30),
                QColor(255, 228, 128), QColor(255, 214, 90, 90)};
    case Look::Pressed:
        return {QColor(255, 206, 90), QColor(190, 102, 0), QColor(255, 246, 210), QColor(160, 96, 10),
                QColor(60, 28, 0), Qt::transparent};
    case Look::Used:
        return {QColor(78, 82, 90), QColor(26, 28, 32), QColor(150, 152, 158), QColor(70, 72, 78),
                QColor(128, 132, 140), Qt::transparent};
    default:
        return {tint.lighter(125), tint.darker(400), QColor(240, 244, 250), QColor(104, 124, 152),
                QColor(238, 243, 250), Qt::transparent};
    }
}

}  // namespace

void paintBadge(QImage& image, Look look, QColor tint,
                const std::function<void(QPainter&, QColor ink)>& content) {
    const BadgeColours colours = badgeColours(look, tint);
    QPainter painter(&image);
    smooth(painter);
    const QRectF oval = QRectF(image.rect()).adjusted(3.5, 3.5, -3.5, -3.5);
    painter.setBrush(Qt::NoBrush);
    if (colours.glow.alpha() > 0) {  // a soft halo, strongest close to the rim
        for (double spread = 3.0; spread >= 1.0; spread -= 1.0) {
            painter.setPen(QPen(withAlpha(colours.glow, int(colours.glow.alpha() / spread)), spread * 2.2));
            painter.drawEllipse(oval);
        }
    }
    // A dark shadow under the badge lifts it off the window.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawEllipse(oval.translated(0.8, 1.6));

    QRadialGradient fill(oval.center() - QPointF(0, oval.height() * 0.25), oval.width() * 0.62);
    fill.setColorAt(0, colours.centre);
    fill.setColorAt(1, colours.edge);
    painter.setBrush(fill);
    const QPointF shift = look == Look::Pressed ? QPointF(0.5, 0.5) : QPointF();
    painter.drawEllipse(oval.translated(shift));

    painter.save();
    painter.translate(oval.center() + shift);
    content(painter, colours.ink);
    painter.restore();

    // Gloss over the upper half, then the two-tone rim.
    const QRectF gloss(oval.left() + oval.width() * 0.12, oval.top() + 1.5, oval.width() * 0.76,
                       oval.height() * 0.48);
    painter.setBrush(vertical(gloss, QColor(255, 255, 255, look == Look::Used ? 30 : 70),
                              QColor(255, 255, 255, 0)));
    painter.drawEllipse(gloss.translated(shift));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(vertical(oval, colours.rimTop, colours.rimBottom), 2.2));
    painter.drawEllipse(oval.translated(shift));
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    painter.drawEllipse(oval.adjusted(1.8, 1.8, -1.8, -1.8).translated(shift));
}

void paintRedCross(QPainter& painter, const QRectF& rect, double width) {
    painter.save();
    smooth(painter);
    for (const QPen& pen : {QPen(QColor(60, 0, 0, 170), width + 2, Qt::SolidLine, Qt::RoundCap),
                            QPen(QColor(226, 24, 24), width, Qt::SolidLine, Qt::RoundCap)}) {
        painter.setPen(pen);
        painter.drawLine(rect.topLeft(), rect.bottomRight());
        painter.drawLine(rect.bottomLeft(), rect.topRight());
    }
    painter.restore();
}

}  // namespace pictures::quorvant
