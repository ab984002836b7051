#include "quorvant_frame.h"

#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace pictures::quorvant {
namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 550;

// Faint beams of light spreading from behind the centre caption.
void paintRays(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient light(centre, radius);
    light.setColorAt(0, QColor(255, 255, 255, 20));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    constexpr int beams = 24;
    for (int beam = 0; beam < beams; ++beam) {
        const double from = (beam * 360.0 / beams) * std::numbers::pi / 180;
        const double to = from + 6.0 * std::numbers::pi / 180;
        painter.drawPolygon(QPolygonF{centre, centre + QPointF(std::cos(from), std::sin(from)) * radius,
                                      centre + QPointF(std::cos(to), std::sin(to)) * radius});
    }
}

QLinearGradient goldRim(const QRectF& rect) {
    QLinearGradient rim(rect.topLeft(), rect.bottomLeft());
    rim.setColorAt(0, QColor(255, 240, 170));
    rim.setColorAt(0.5, QColor(190, 128, 30));
    rim.setColorAt(1, QColor(255, 222, 128));
    return rim;
}

// The black band with pointed ends behind the question, tied to the window's sides by a gold line.
void paintQuestionBand(QPainter& painter) {
    const double middle = 382.5;
    painter.fillRect(QRectF(3, 382, kWidth - 6, 1), QColor(212, 166, 64));
    const QPolygonF band{{34, middle}, {68, 334}, {632, 334}, {666, middle}, {632, 431}, {68, 431}};
    QPainterPath shape;
    shape.addPolygon(band);
    shape.closeSubpath();
    painter.strokePath(shape, QPen(QColor(0, 0, 0, 110), 5));
    QLinearGradient fill(0, 334, 0, 431);
    fill.setColorAt(0, QColor(22, 30, 48));
    fill.setColorAt(0.5, QColor(0, 0, 0));
    fill.setColorAt(1, QColor(10, 14, 26));
    painter.fillPath(shape, fill);
    painter.save();
    painter.setClipPath(shape);
    painter.fillRect(QRectF(0, 334, kWidth, 46), vertical(QRectF(0, 334, 1, 46), QColor(255, 255, 255, 26),
                                                          QColor(255, 255, 255, 0)));
    painter.restore();
    painter.strokePath(shape, QPen(goldRim(shape.boundingRect()), 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
}

// Silver lines through the middle of each row of answer buttons, running to the window's sides.
void paintAnswerLines(QPainter& painter) {
    for (int row : {460, 504}) {
        painter.fillRect(QRect(3, row - 1, kWidth - 6, 3), QColor(150, 180, 210, 40));
        painter.fillRect(QRect(3, row, kWidth - 6, 1), QColor(156, 178, 200));
    }
}

// Black behind the text buttons and a light strip behind the drag area, under a faint shadow.
void paintTopBar(QPainter& painter) {
    painter.fillRect(QRect(6, 24, 644, 2), QColor(0, 0, 0, 70));
    painter.fillRect(QRect(6, 6, 320, 18), Qt::black);
    paintBarFace(painter, QRectF(326, 6, 324, 18), Look::Normal);
}

void paintFrame(QPainter& painter, const QRect& rect) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(8, 16, 28), 1));
    painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(kLine, 1));
    painter.drawRect(QRectF(rect).adjusted(2.5, 2.5, -2.5, -2.5));
}

}  // namespace

QImage background() {
    QImage image = canvas(kWidth, kHeight, kField);
    QPainter painter(&image);
    smooth(painter);
    QRadialGradient field(QPointF(330, 270), 440);
    field.setColorAt(0, QColor(46, 80, 120));
    field.setColorAt(0.5, kField);
    field.setColorAt(1, QColor(17, 32, 52));
    painter.fillRect(image.rect(), field);
    paintRays(painter, QPointF(340, 282), 380);
    paintQuestionBand(painter);
    paintAnswerLines(painter);
    paintLogo(painter, QPointF(126, 62), 44);
    paintTopBar(painter);
    paintFrame(painter, image.rect());
    return image;
}

QImage ladder() {
    QImage image = canvas(152, 300, kField);
    QPainter painter(&image);
    smooth(painter);
    const QRectF area(0, 0, 152, 300);
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, QColor(12, 26, 48));
    fill.setColorAt(0.5, QColor(24, 46, 74));
    fill.setColorAt(1, QColor(12, 24, 44));
    painter.fillRect(area, fill);
    paintFrame(painter, image.rect());

    const QStringList prizes{"500",    "1000",   "2000",   "3000",   "5000",
                             "10000",  "15000",  "25000",  "50000",  "100000",
                             "200000", "400000", "800000", "1500000", "3000000"};
    const QFont numberFont = font("Liberation Sans", 12, true);
    const QFont prizeFont = font("Liberation Sans", 13, true);
    for (int question = 1; question <= 15; ++question) {
        // The prize bar covers 18 rows at this height when the question is open.
        const QRectF row(8, 275 - 19 * (question - 1), 136, 18);
        const bool guaranteed = question % 5 == 0;
        if (guaranteed) {
            QLinearGradient band(row.topLeft(), row.topRight());
            band.setColorAt(0, QColor(255, 210, 90, 0));
            band.setColorAt(0.5, QColor(255, 210, 90, 46));
            band.setColorAt(1, QColor(255, 210, 90, 0));
            painter.fillRect(row, band);
        }
        const QColor text = guaranteed ? QColor(255, 214, 92) : QColor(206, 220, 236);
        painter.setFont(numberFont);
        painter.setPen(guaranteed ? text : QColor(140, 168, 196));
        painter.drawText(QRectF(row.left(), row.top(), 20, 18), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(question));
        const QPointF mark(row.left() + 30, row.center().y());
        painter.setPen(Qt::NoPen);
        painter.setBrush(text);
        if (guaranteed)
            painter.drawPolygon(QPolygonF{mark + QPointF(0, -4), mark + QPointF(4, 0), mark + QPointF(0, 4),
                                          mark + QPointF(-4, 0)});
        else
            painter.drawEllipse(mark, 1.6, 1.6);
        painter.setFont(prizeFont);
        painter.setPen(QColor(0, 0, 0, 160));
        const QRectF prize(row.left() + 38, row.top(), row.width() - 42, 18);
        painter.drawText(prize.translated(1, 1), Qt::AlignRight | Qt::AlignVCenter, prizes[question - 1]);
        painter.setPen(text);
        painter.drawText(prize, Qt::AlignRight | Qt::AlignVCenter, prizes[question - 1]);
    }
    return image;
}

QImage panel() {
    QImage image = canvas(300, 200, kField);
    QPainter painter(&image);
    smooth(painter);
    QRadialGradient field(QPointF(150, 120), 190);
    field.setColorAt(0, QColor(42, 74, 112));
    field.setColorAt(1, QColor(20, 37, 60));
    painter.fillRect(image.rect(), field);
    paintFrame(painter, image.rect());
    paintLogo(painter, QPointF(14, 40), 30);

    // A gold hairline under the title, fading out towards both ends.
    QLinearGradient hairline(12, 0, 288, 0);
    hairline.setColorAt(0, QColor(230, 180, 70, 0));
    hairline.setColorAt(0.2, QColor(230, 180, 70, 200));
    hairline.setColorAt(0.8, QColor(230, 180, 70, 200));
    hairline.setColorAt(1, QColor(230, 180, 70, 0));
    painter.fillRect(QRectF(12, 54, 276, 1), hairline);

    const QRectF box(274.5, 8.5, 16, 16);
    painter.setBrush(vertical(box, QColor(40, 66, 98), QColor(14, 26, 44)));
    painter.setPen(QPen(kLine, 1));
    painter.drawRoundedRect(box, 2.5, 2.5);
    painter.setPen(QPen(QColor(226, 234, 242), 1.8, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = box.adjusted(4.5, 4.5, -4.5, -4.5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.bottomLeft(), cross.topRight());
    return image;
}

QImage icon() {
    QImage image = canvas(64, 64, QColor(14, 26, 44));
    QPainter painter(&image);
    smooth(painter);
    const QRectF medal(3, 3, 58, 58);
    QLinearGradient ring(medal.topLeft(), medal.bottomRight());
    ring.setColorAt(0, QColor(255, 242, 180));
    ring.setColorAt(0.5, QColor(196, 132, 30));
    ring.setColorAt(1, QColor(255, 214, 110));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ring);
    painter.drawEllipse(medal);
    QRadialGradient inside(QPointF(32, 24), 30);
    inside.setColorAt(0, QColor(58, 98, 150));
    inside.setColorAt(1, QColor(10, 22, 42));
    painter.setBrush(inside);
    painter.drawEllipse(medal.adjusted(5, 5, -5, -5));
    const QFont letter = font("Liberation Serif", 40, true, true);
    const double width = textWidth("Q", letter);
    paintGold(painter, textPath("Q", letter, QPointF(32 - width / 2 - 1, 45)), 1.6);
    return image;
}

QImage barButton(const QString& caption, int width, int height, Look look) {
    QImage image = canvas(width, height, QColor(100, 130, 145));
    QPainter painter(&image);
    smooth(painter);
    const QRectF face(0, 0, width, 18);
    paintBarFace(painter, face, look);
    const bool pressed = look == Look::Pressed;
    centredText(painter, pressed ? face.translated(1, 1) : face, caption, font("Liberation Sans", 11, true),
                look == Look::Hover ? QColor(0, 24, 44) : kInk,
                pressed ? QColor(0, 0, 0, 0) : QColor(200, 222, 232, 120));
    return image;
}

QImage windowButton(WindowSign sign, const QImage& ground, Look look) {
    QImage image = ground.copy();
    QPainter painter(&image);
    smooth(painter);
    const QRectF face = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(face, 3, 3);
    painter.save();
    painter.setClipPath(shape);
    paintBarFace(painter, face, look);
    painter.restore();
    painter.strokePath(shape, QPen(QColor(50, 78, 96), 1));
    const QPointF centre = face.center() + (look == Look::Pressed ? QPointF(0.5, 0.5) : QPointF());
    painter.setPen(QPen(look == Look::Hover ? QColor(0, 24, 44) : kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    if (sign == WindowSign::Minimise) {
        painter.drawLine(centre + QPointF(-4.5, 3), centre + QPointF(4.5, 3));
    } else {
        painter.drawLine(centre + QPointF(-4, -4), centre + QPointF(4, 4));
        painter.drawLine(centre + QPointF(-4, 4), centre + QPointF(4, -4));
    }
    return image;
}

}  // namespace pictures::quorvant
