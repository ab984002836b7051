#include "edit.h"
#include "convert.h"
#include "text.h"

#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>
#include <charconv>

namespace tk {
namespace {

constexpr int kUpDownWidth = 16;

// The field's text as a plain decimal number, if it is one.
bool decimalValue(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end;
}

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, int top, int height) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setGeometry(0, top, kUpDownWidth, height);
    button->setFocusPolicy(Qt::NoFocus);
    // Held down, an arrow keeps stepping.
    button->setAutoRepeat(true);
    return button;
}

}  // namespace

Edit::Edit(QWidget* parent, int left, int top, int width, int height, const std::string& text, const Font& font)
    : QLineEdit(toScreen(text), parent) {
    setGeometry(left, top, width, height);
    setFont(toQFont(font));
}

std::string Edit::text() const { return fromScreen(QLineEdit::text()); }

void Edit::setText(const std::string& text) { QLineEdit::setText(toScreen(text)); }

UpDown::UpDown(Edit& edit, int min, int max, int increment, int position)
    : QWidget(edit.parentWidget()), edit_(edit), min_(min), max_(max), increment_(increment),
      position_(position) {
    setGeometry(edit.x() + edit.width(), edit.y(), kUpDownWidth, edit.height());
    setFocusPolicy(Qt::NoFocus);
    const int upperHeight = edit.height() / 2;
    up_ = arrowButton(this, Qt::UpArrow, 0, upperHeight);
    down_ = arrowButton(this, Qt::DownArrow, upperHeight, edit.height() - upperHeight);
    connect(up_, &QToolButton::clicked, this, [this] { stepUp(); });
    connect(down_, &QToolButton::clicked, this, [this] { stepDown(); });
    edit.installEventFilter(this);
}

void UpDown::step(int delta) {
    int typed = 0;
    if (decimalValue(edit_.text(), typed) && typed >= min_ && typed <= max_) position_ = typed;
    position_ = std::clamp(position_ + delta, min_, max_);
    edit_.setText(IntToStr(position_));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            key == Qt::Key_Up ? stepUp() : stepDown();
            return true;
        }
    }
    return false;
}

}  // namespace tk
