#include "quorvant_buttons.h"

namespace pictures::quorvant {
namespace {

struct LozengeColours {
    QColor top, middle, bottom, rimEdge, rimMiddle, letter;
};

LozengeColours lozengeColours(Look look) {
    switch (look) {
    case Look::Hover:
        return {QColor(56, 104, 178), QColor(12, 34, 86), QColor(36, 74, 138), QColor(255, 242, 186),
                QColor(200, 140, 40), QColor(255, 228, 124)};
    case Look::Pressed:
        return {QColor(255, 208, 96), QColor(222, 126, 6), QColor(246, 170, 44), QColor(255, 248, 218),
                QColor(168, 98, 8), Qt::white};
    case Look::Right:
        return {QColor(100, 218, 112), QColor(14, 126, 38), QColor(54, 178, 74), QColor(232, 255, 232),
                QColor(36, 104, 36), Qt::white};
    case Look::Wrong:
        return {QColor(240, 90, 74), QColor(150, 14, 14), QColor(206, 48, 38), QColor(255, 228, 222),
                QColor(118, 18, 18), Qt::white};
    default:
        return {QColor(32, 46, 84), QColor(2, 6, 18), QColor(18, 30, 62), QColor(238, 244, 252),
                QColor(108, 128, 160), kGold};
    }
}

// A text or sign path moved so that its bounding box is centred on the origin.
QPainterPath centred(const QPainterPath& path) {
    return path.translated(-path.boundingRect().center());
}

QPainterPath fiftyMark() {
    return centred(textPath("50:50", font("Liberation Sans", 17, true), QPointF()));
}

// An old desk telephone: the handset resting on a body with a round dial.
QPainterPath telephoneMark() {
    const QRectF curve(-14, -13, 28, 16);
    QPainterPath grip;
    grip.arcMoveTo(curve, 165);
    grip.arcTo(curve, 165, -150);
    QPainterPathStroker stroker;
    stroker.setWidth(5);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath phone = stroker.createStroke(grip);
    for (int side : {-1, 1}) {
        QPainterPath piece;
        piece.addRoundedRect(QRectF(-5.5, -3, 11, 6), 3, 3);
        QTransform place;
        place.translate(side * 13, -2.5);
        place.rotate(side * 12);
        phone = phone.united(place.map(piece));
    }
    QPainterPath body;
    body.addPolygon(QPolygonF{{-8, -1}, {8, -1}, {14, 12}, {-14, 12}});
    body.closeSubpath();
    QPainterPathStroker rounding;  // rounds the body's corners
    rounding.setWidth(3);
    rounding.setJoinStyle(Qt::RoundJoin);
    body = rounding.createStroke(body).united(body);
    QPainterPath dial;
    dial.addEllipse(QPointF(0, 6), 4.5, 4.5);
    QPainterPath hub;
    hub.addEllipse(QPointF(0, 6), 1.6, 1.6);
    return centred(phone.united(body.subtracted(dial).united(hub)).simplified());
}

// Head and shoulders of one person standing on the line y = bottom.
QPainterPath person(double x, double bottom, double scale) {
    QPainterPath body;
    body.addEllipse(QRectF(x - 8 * scale, bottom - 12 * scale, 16 * scale, 24 * scale));
    QPainterPath above;
    above.addRect(QRectF(x - 10 * scale, bottom - 14 * scale, 20 * scale, 14 * scale));
    QPainterPath figure = body.intersected(above);
    figure.addEllipse(QPointF(x, bottom - 17 * scale), 5 * scale, 5 * scale);
    return figure;
}

void paintMark(QPainter& painter, const QPainterPath& mark, QColor ink) {
    painter.fillPath(mark.translated(0.8, 1.2), QColor(0, 0, 0, 150));
    painter.fillPath(mark, ink);
}

void paintAudience(QPainter& painter, QColor ink) {
    const double bottom = 13;
    for (double x : {-12.0, 12.0}) paintMark(painter, person(x, bottom - 2, 0.82), ink.darker(135));
    const QPainterPath front = person(0, bottom, 1.0);
    painter.strokePath(front, QPen(QColor(0, 0, 0, 150), 2.4));
    painter.fillPath(front, ink);
}

// A loudspeaker facing right, with its sound waves.
void paintSpeaker(QPainter& painter, QColor ink, bool waves) {
    QPainterPath speaker;
    speaker.addRect(QRectF(-11, -4, 5, 8));
    speaker.addPolygon(QPolygonF{{-6.5, -4}, {0, -9.5}, {0, 9.5}, {-6.5, 4}});
    paintMark(painter, speaker.simplified(), ink);
    if (!waves) return;
    for (double radius : {5.0, 9.5}) {
        QPainterPath wave;
        const QRectF circle(-radius, -radius, 2 * radius, 2 * radius);
        wave.arcMoveTo(circle, -45);
        wave.arcTo(circle, -45, 90);
        painter.strokePath(wave.translated(1.8, 0.8), QPen(QColor(0, 0, 0, 150), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.strokePath(wave.translated(1, 0), QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap));
    }
}

}  // namespace

QImage answerButton(QChar letter, const QImage& ground, Look look) {
    const LozengeColours colours = lozengeColours(look);
    QImage image = ground.copy();
    QPainter painter(&image);
    smooth(painter);
    QPainterPath shape;
    shape.addPolygon(QPolygonF{{1.5, 21.5}, {15, 2}, {268, 2}, {281.5, 21.5}, {268, 41}, {15, 41}});
    shape.closeSubpath();
    painter.strokePath(shape, QPen(QColor(0, 0, 0, 120), 4.5));

    QLinearGradient fill(0, 2, 0, 41);
    fill.setColorAt(0, colours.top);
    fill.setColorAt(0.5, colours.middle);
    fill.setColorAt(1, colours.bottom);
    painter.fillPath(shape, fill);
    painter.save();
    painter.setClipPath(shape);
    painter.fillRect(QRectF(0, 2, 283, 19), vertical(QRectF(0, 2, 1, 19), QColor(255, 255, 255, 60),
                                                      QColor(255, 255, 255, 8)));
    painter.strokePath(shape, QPen(QColor(255, 255, 255, 34), 6));  // a soft inner bevel
    painter.restore();

    QLinearGradient rim(0, 2, 0, 41);
    rim.setColorAt(0, colours.rimEdge);
    rim.setColorAt(0.5, colours.rimMiddle);
    rim.setColorAt(1, colours.rimEdge);
    painter.strokePath(shape, QPen(rim, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));

    // Same font and base line as the answer text that lies over the button from x 66.
    const QFont letterFont = font("Liberation Sans", 19, true);
    const QPainterPath caption = textPath(QString(letter) + ":", letterFont, QPointF(31, 28));
    painter.fillPath(caption.translated(1, 1), QColor(0, 0, 0, 170));
    painter.fillPath(caption, colours.letter);
    return image;
}

QImage lifelineButton(Lifeline lifeline, const QImage& ground, Look look) {
    QImage image = ground.copy();
    paintBadge(image, look, QColor(34, 72, 130), [lifeline](QPainter& painter, QColor ink) {
        switch (lifeline) {
        case Lifeline::Fifty: paintMark(painter, fiftyMark(), ink); break;
        case Lifeline::Phone: paintMark(painter, telephoneMark(), ink); break;
        case Lifeline::Audience: paintAudience(painter, ink); break;
        }
    });
    if (look == Look::Used) {
        QPainter painter(&image);
        paintRedCross(painter, QRectF(image.rect()).adjusted(17, 9, -17, -9), 4);
    }
    return image;
}

QImage stopButton(const QImage& ground, Look look) {
    QImage image = ground.copy();
    paintBadge(image, look, QColor(150, 22, 22), [](QPainter& painter, QColor ink) {
        const QFont large = font("Liberation Sans", 16, true), small = font("Liberation Sans", 10, true);
        paintMark(painter, textPath("СТОП", large, QPointF(-textWidth("СТОП", large) / 2, 3)), ink);
        paintMark(painter, textPath("забрать", small, QPointF(-textWidth("забрать", small) / 2, 14.5)), ink);
    });
    return image;
}

QImage soundSwitch(const QImage& ground, bool on, Look look) {
    QImage image = ground.copy();
    paintBadge(image, look, QColor(34, 72, 130), [on](QPainter& painter, QColor ink) {
        painter.translate(on ? -1 : -3, 0);
        paintSpeaker(painter, ink, on);
        if (!on) paintRedCross(painter, QRectF(4, -5, 10, 10), 2.4);
    });
    return image;
}

}  // namespace pictures::quorvant
