#pragma once
// Push buttons and glyph buttons.
#include "controls.h"

#include <QAbstractButton>
#include <QPushButton>
#include <functional>
#include <string>

namespace tk {

// A push button: '&' in the caption marks its mnemonic; Enter or Space on it when focused clicks it.
class Button : public QPushButton {
public:
    Button(QWidget* parent, int left, int top, int width, int height, const std::string& caption,
           const Font& font = {});

    void setHint(const std::string& hint);
    // Enter in the window presses the default button, Esc the cancel button.
    void setDefaultButton();
    void setCancelButton();
    std::function<void()> OnClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A flat-faced button that shows a picture; the colour of the picture's lower-left pixel is drawn
// transparent. It takes no keyboard focus.
class SpeedButton : public QAbstractButton {
public:
    SpeedButton(QWidget* parent, int left, int top, int width, int height, const QImage& glyph);

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap glyph_;
    QPixmap disabledGlyph_;
};

// Puts the given widgets in this keyboard focus order; the first of them that takes the focus
// holds it when the window is first shown.
void setTabOrder(std::initializer_list<QWidget*> widgets);

}  // namespace tk
