#include "toolkit/memo.h"
#include "toolkit/text.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tk::literals;

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
