#include "check_box.h"
#include "text.h"

namespace tk {

CheckBox::CheckBox(QWidget* parent, int left, int top, int width, int height, const std::string& caption,
                   const Font& font)
    : QCheckBox(toScreen(caption), parent) {
    setGeometry(left, top, width, height);
    setFont(toQFont(font));
    // Mirrored layout puts the box at the right end and the caption before it.
    setLayoutDirection(Qt::RightToLeft);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

}  // namespace tk
