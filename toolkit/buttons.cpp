#include "buttons.h"
#include "application.h"
#include "text.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace tk {

Button::Button(QWidget* parent, int left, int top, int width, int height, const std::string& caption,
               const Font& font)
    : QPushButton(toScreen(caption), parent) {
    setGeometry(left, top, width, height);
    setFont(toQFont(font));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { dispatch(OnClick); });
}

void Button::setHint(const std::string& hint) { setToolTip(toScreen(hint)); }

void Button::setDefaultButton() { setDefault(true); }

void Button::setCancelButton() { setProperty("cancel", true); }

void Button::keyPressEvent(QKeyEvent* event) {
    // Outside a dialog a push button leaves Enter to its window; a focused one takes it itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

SpeedButton::SpeedButton(QWidget* parent, int left, int top, int width, int height, const QImage& glyph)
    : QAbstractButton(parent) {
    setGeometry(left, top, width, height);
    setFocusPolicy(Qt::NoFocus);
    QImage picture = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = picture.isNull() ? 0 : picture.pixel(0, picture.height() - 1);
    QImage greyed = picture;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        auto* grey = reinterpret_cast<QRgb*>(greyed.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            // JPEG leaves the ground near, not exactly, its colour: take what is close to it.
            const QRgb pixel = line[x];
            const bool ground = std::abs(qRed(pixel) - qRed(transparent)) < 40 &&
                                std::abs(qGreen(pixel) - qGreen(transparent)) < 40 &&
                                std::abs(qBlue(pixel) - qBlue(transparent)) < 40;
            line[x] = ground ? qRgba(0, 0, 0, 0) : pixel;
            grey[x] = ground ? qRgba(0, 0, 0, 0) : qRgb(128, 128, 128);
        }
    }
    glyph_ = QPixmap::fromImage(picture);
    disabledGlyph_ = QPixmap::fromImage(greyed);
    connect(this, &QAbstractButton::clicked, this, [this] { dispatch(OnClick); });
}

void SpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
    const QPixmap& glyph = isEnabled() ? glyph_ : disabledGlyph_;
    const int offset = isDown() ? 1 : 0;
    painter.drawPixmap((width() - glyph.width()) / 2 + offset, (height() - glyph.height()) / 2 + offset, glyph);
}

void setTabOrder(std::initializer_list<QWidget*> widgets) {
    const QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) QWidget::setTabOrder(const_cast<QWidget*>(previous), widget);
        previous = widget;
    }
    // Qt's focus chain is a ring with no first place of its own, so the window would give its
    // first focus to whichever widget was created first.
    for (QWidget* widget : widgets)
        if (widget->focusPolicy() & Qt::TabFocus) {
            widget->setFocus();
            return;
        }
}

}  // namespace tk
