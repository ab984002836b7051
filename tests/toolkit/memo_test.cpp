#include "toolkit/memo.h"
#include "toolkit/text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tk::literals;

namespace {

void press(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &event);
}

void type(QWidget& widget, const QString& text) {
    for (const QChar c : text) press(widget, c.toUpper().unicode(), Qt::NoModifier, c);
}

}  // namespace

TEST(Memo, AppendsLinesAfterWhatThePlayerTyped) {
    QWidget window;
    tk::Memo memo(&window, 8, 8, 200, 100);
    EXPECT_TRUE(memo.lines().empty());

    memo.appendLine("+ Вопрос   Ответ"_cp);
    memo.appendLine("   ");
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"+ Вопрос   Ответ"_cp, "   "}));

    // The player types at the end of the last line; the next appended line still starts a line.
    memo.moveCursor(QTextCursor::End);
    memo.insertPlainText("abc");
    memo.appendLine("- x");
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"+ Вопрос   Ответ"_cp, "   abc", "- x"}));
}

TEST(Memo, LongLinesScrollInsteadOfWrapping) {
    QWidget window;
    tk::Memo memo(&window, 0, 0, 120, 80);
    window.show();
    memo.appendLine(std::string(300, 'x'));
    EXPECT_EQ(memo.document()->blockCount(), 1);
    EXPECT_EQ(memo.document()->firstBlock().layout()->lineCount(), 1);
    EXPECT_GT(memo.horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(memo.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(memo.verticalScrollBar()->isVisible());
}

// The program's lines stay in the log: Ctrl+Z and Ctrl+Shift+Z take back and bring back only what
// the player typed after the last of them.
TEST(Memo, UndoAndRedoReachOnlyThePlayersTyping) {
    QWidget window;
    tk::Memo memo(&window, 8, 8, 200, 100);
    const auto undo = [&] { press(memo, Qt::Key_Z, Qt::ControlModifier); };
    const auto redo = [&] { press(memo, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); };
    memo.appendLine("+ one");
    memo.appendLine("- two");
    undo();
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"+ one", "- two"}));

    memo.moveCursor(QTextCursor::End);
    type(memo, "abc");
    EXPECT_EQ(memo.lines().back(), "- twoabc");
    undo();
    undo();
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"+ one", "- two"}));
    redo();
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"+ one", "- twoabc"}));

    memo.appendLine("+ three");
    undo();
    redo();
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"+ one", "- twoabc", "+ three"}));
}
