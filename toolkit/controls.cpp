#include "controls.h"
#include "application.h"
#include "jpeg.h"
#include "text.h"
#include "text_file.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace tk {
namespace {

QString faceFor(const std::string& family) {
    if (family == "Times New Roman") return "Liberation Serif";
    return "Liberation Sans";  // "MS Sans Serif" and "Arial" alike
}

MouseButton toMouseButton(Qt::MouseButton button) {
    if (button == Qt::RightButton) return MouseButton::Right;
    if (button == Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::Left;
}

}  // namespace

QFont toQFont(const Font& font) {
    QFont result(faceFor(font.family));
    result.setPixelSize(font.height);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

// ---- Control ----

Control::Control(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_Hover, false); }

void Control::place(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

void Control::setHint(const std::string& hint) { setToolTip(toScreen(hint)); }

void Control::setHandCursor() { setCursor(Qt::PointingHandCursor); }

void Control::enterEvent(QEnterEvent*) { dispatch(OnMouseEnter); }

void Control::leaveEvent(QEvent*) { dispatch(OnMouseLeave); }

void Control::mousePressEvent(QMouseEvent* event) {
    const MouseButton button = toMouseButton(event->button());
    if (OnMouseDown) dispatch([&] { OnMouseDown(button); });
}

void Control::mouseReleaseEvent(QMouseEvent* event) {
    const MouseButton button = toMouseButton(event->button());
    const bool inside = rect().contains(event->position().toPoint());
    // Only the left button holds the mouse for its control: the release of another button belongs
    // to the control under the pointer, if any, wherever the press began.
    Control* const receiver = button == MouseButton::Left
                                  ? this
                                  : dynamic_cast<Control*>(QApplication::widgetAt(event->globalPosition().toPoint()));
    if (receiver && receiver->OnMouseUp) dispatch([&] { receiver->OnMouseUp(button); });
    if (inside && button == MouseButton::Left) dispatch(OnClick);
}

// ---- Label ----

Label::Label(QWidget* parent, int left, int top, const std::string& caption, const Font& font)
    : Control(parent), caption_(caption), font_(font) {
    move(left, top);
    QWidget::setFont(toQFont(font_));
    fitToText();
}

void Label::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    fitToText();
    update();
}

void Label::setFont(const Font& font) {
    font_ = font;
    QWidget::setFont(toQFont(font_));
    fitToText();
    update();
}

void Label::setFontColor(Color color) {
    if (font_.color == color) return;
    font_.color = color;
    update();
}

void Label::setAlignment(Alignment alignment) {
    alignment_ = alignment;
    update();
}

void Label::setAutoSize(bool on) {
    autoSize_ = on;
    fitToText();
}

void Label::setWordWrap(bool on) {
    wordWrap_ = on;
    fitToText();
    update();
}

void Label::setOpaque(Color color) {
    opaque_ = true;
    background_ = color;
    update();
}

void Label::setEnabledLook(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    update();
}

int Label::textFlags() const {
    int flags = Qt::TextShowMnemonic | Qt::AlignTop;
    if (wordWrap_) flags |= Qt::TextWordWrap;
    switch (alignment_) {
    case Alignment::Left: flags |= Qt::AlignLeft; break;
    case Alignment::Right: flags |= Qt::AlignRight; break;
    case Alignment::Center: flags |= Qt::AlignHCenter; break;
    }
    return flags;
}

void Label::fitToText() {
    if (!autoSize_) return;
    const QFontMetrics metrics(toQFont(font_));
    QString text = toScreen(caption_);
    if (text.isEmpty()) text = " ";
    const QRect bounds = wordWrap_ ? metrics.boundingRect(QRect(0, 0, width(), 10000), textFlags(), text)
                                   : metrics.boundingRect(QRect(0, 0, 100000, 10000), textFlags(), text);
    const int newWidth = wordWrap_ ? width() : bounds.width();
    const int newHeight = std::max(bounds.height(), metrics.height());
    // A right-aligned label keeps its right edge when its text grows or shrinks.
    const int newLeft = alignment_ == Alignment::Right ? x() + width() - newWidth : x();
    setGeometry(newLeft, y(), newWidth, newHeight);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (opaque_) painter.fillRect(rect(), toQColor(background_));
    painter.setFont(toQFont(font_));
    const QString text = toScreen(caption_);
    if (enabled_) {
        painter.setPen(toQColor(font_.color));
        painter.drawText(rect(), textFlags(), text);
    } else {
        // The engraved look of disabled text: a light copy one pixel down-right under a grey one.
        painter.setPen(Qt::white);
        painter.drawText(rect().translated(1, 1), textFlags(), text);
        painter.setPen(toQColor(clGrayText));
        painter.drawText(rect(), textFlags(), text);
    }
}

// ---- Image ----

Image::Image(QWidget* parent, int left, int top, int width, int height) : Control(parent) {
    setGeometry(left, top, width, height);
}

void Image::setPicture(const QImage& picture) {
    picture_ = picture;
    pending_.reset();
    update();
}

void Image::setPicture(const DesignPicture& picture) {
    pending_ = picture;
    update();
}

const QImage& Image::picture() const {
    if (pending_) {
        const DesignPicture picture = *std::exchange(pending_, std::nullopt);
        picture_ = picture;
    }
    return picture_;
}

void Image::LoadFromFile(const std::string& path) { setPicture(jpeg::load(nativePath(path))); }

void Image::setStretch(bool on) {
    stretch_ = on;
    update();
}

void Image::setAlignClient() {
    stretch_ = true;
    setGeometry(parentWidget()->rect());
    parentWidget()->installEventFilter(this);
    lower();
}

bool Image::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

void Image::paintEvent(QPaintEvent*) {
    const QImage* shown = nullptr;
    dispatch([&] { shown = &picture(); });
    if (!shown || shown->isNull()) return;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), *shown);
    } else {
        painter.drawImage(0, 0, *shown);
    }
}

// ---- Bevel ----

Bevel::Bevel(QWidget* parent, int left, int top, int width, int height) : QWidget(parent) {
    setGeometry(left, top, width, height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
}

}  // namespace tk
