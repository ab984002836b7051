#include "text_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>

namespace tk {

bool pasteSelection(const QMouseEvent& release, const std::function<void(const QString&)>& insert) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (release.button() != Qt::MiddleButton || !clipboard->supportsSelection()) return false;
    // The text alone, read through the clipboard's own text conversion, which copes with a
    // selection nobody owns.
    const QString text = clipboard->text(QClipboard::Selection);
    if (!text.isEmpty()) insert(text);
    return true;
}

}  // namespace tk
