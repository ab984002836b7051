#include "memo.h"
#include "text.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>

namespace tk {

Memo::Memo(QWidget* parent, int left, int top, int width, int height, const Font& font)
    : QPlainTextEdit(parent) {
    setGeometry(left, top, width, height);
    setFont(toQFont(font));
    // Long lines scroll sideways instead of wrapping, as the horizontal scroll bar promises.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    setAutoFillBackground(true);
}

void Memo::appendLine(const std::string& line) {
    appendPlainText(toScreen(line));
    // The program's lines are no edit of the player's, for Undo to take back. Qt can leave no edit
    // out of its history but by dropping the history, so the player's typing can be undone back to
    // the program's last line.
    document()->clearUndoRedoStacks();
    // The view follows the newest line, but starts it at its beginning.
    horizontalScrollBar()->setValue(0);
}

std::vector<std::string> Memo::lines() const {
    std::vector<std::string> result;
    if (document()->isEmpty()) return result;  // an empty box has no lines, not one empty line
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        result.push_back(fromScreen(block.text()));
    return result;
}

void Memo::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText()) insertPlainText(source->text());
}

}  // namespace tk
