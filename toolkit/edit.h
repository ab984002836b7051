#pragma once
// A one-line edit field, and the up-down spinner that can be attached to one.
#include "controls.h"

#include <QLineEdit>
#include <QWidget>
#include <string>

class QToolButton;

namespace tk {

class Edit : public QLineEdit {
public:
    Edit(QWidget* parent, int left, int top, int width, int height, const std::string& text,
         const Font& font = {});

    // Windows-1251 text.
    std::string text() const;
    void setText(const std::string& text);
};

// Up and down arrows at the right side of an edit field. An arrow, clicked or pressed as a key in
// the field, steps the number in the field by the increment within min..max (no wrap-around) and
// writes the result into the field. The field's own text is the number to step from when it is a
// number within the range; otherwise the spinner steps from its last position. Typing in the field
// is never restricted.
class UpDown : public QWidget {
public:
    UpDown(Edit& edit, int min, int max, int increment, int position = 0);

    int position() const { return position_; }
    void stepUp() { step(increment_); }
    void stepDown() { step(-increment_); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int delta);

    Edit& edit_;
    QToolButton* up_;
    QToolButton* down_;
    int min_;
    int max_;
    int increment_;
    int position_;
};

}  // namespace tk
