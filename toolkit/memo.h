#pragma once
// A multi-line text box with both scroll bars. The program appends lines; the player may type too.
#include "controls.h"

#include <QPlainTextEdit>
#include <string>
#include <vector>

namespace tk {

class Memo : public QPlainTextEdit {
public:
    Memo(QWidget* parent, int left, int top, int width, int height, const Font& font = {});

    // Adds one line (Windows-1251 text) after the last one. Undo and Redo reach only what the
    // player typed since.
    void appendLine(const std::string& line);
    // The lines as they stand, the player's typing included; none when the box is empty.
    std::vector<std::string> lines() const;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace tk
