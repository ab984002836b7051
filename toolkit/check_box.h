#pragma once
// A check box with its caption on the left of the box, drawn on the window colour.
#include "controls.h"

#include <QCheckBox>
#include <string>

namespace tk {

class CheckBox : public QCheckBox {
public:
    CheckBox(QWidget* parent, int left, int top, int width, int height, const std::string& caption,
             const Font& font = {});

    bool Checked() const { return isChecked(); }
};

}  // namespace tk
