// Pasting into every kind of text box: the keys that paste the clipboard and the middle click that
// pastes the X selection. Only a platform with a selection (X11) hands over what other programs
// own: offscreen these tests skip, and a run on a display of its own (toolkit_tests_x11) runs them.
#include "toolkit/edit.h"
#include "toolkit/memo.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void middleClick(QWidget* receiver, QPoint at) {
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const auto held = type == QEvent::MouseButtonPress ? Qt::MiddleButton : Qt::NoButton;
        QMouseEvent event(type, QPointF(at), QPointF(receiver->mapToGlobal(at)), Qt::MiddleButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(receiver, &event);
    }
}

void key(QWidget* receiver, int key, Qt::KeyboardModifiers modifiers) {
    for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers);
        QApplication::sendEvent(receiver, &event);
    }
}

class SelectionPaste : public testing::Test {
protected:
    void SetUp() override {
        if (!QGuiApplication::clipboard()->supportsSelection()) GTEST_SKIP() << "no X selection on this platform";
        window.show();
    }
    void TearDown() override {
        QGuiApplication::clipboard()->clear(QClipboard::Selection);
        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    }

    QWidget window;
};

TEST_F(SelectionPaste, WithoutAnOwnerInsertsNothing) {
    // Nobody owns the selection: Qt's own paste crashed here.
    QGuiApplication::clipboard()->clear(QClipboard::Selection);
    tk::Memo memo(&window, 0, 0, 200, 100);
    memo.appendLine("line");
    tk::Edit edit(&window, 0, 110, 100, 20, "12");
    middleClick(memo.viewport(), {20, 10});
    middleClick(&edit, {5, 5});
    EXPECT_EQ(memo.lines(), std::vector<std::string>{"line"});
    EXPECT_EQ(edit.text(), "12");
}

TEST_F(SelectionPaste, KeysPasteNothingWhenNobodyOwnsTheClipboard) {
    // Ctrl+V and Shift+Insert with an empty clipboard: Qt's own paste crashed here, too.
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    tk::Memo memo(&window, 0, 0, 200, 100);
    memo.appendLine("line");
    tk::Edit edit(&window, 0, 110, 100, 20, "12");
    for (QWidget* box : {static_cast<QWidget*>(&memo), static_cast<QWidget*>(&edit)}) {
        key(box, Qt::Key_V, Qt::ControlModifier);
        key(box, Qt::Key_Insert, Qt::ShiftModifier);
    }
    EXPECT_EQ(memo.lines(), std::vector<std::string>{"line"});
    EXPECT_EQ(edit.text(), "12");
}

TEST_F(SelectionPaste, InsertsTheSelectedTextUnderThePointer) {
    QGuiApplication::clipboard()->setText("xy", QClipboard::Selection);
    tk::Memo memo(&window, 0, 0, 200, 100);
    memo.appendLine("first");
    memo.appendLine("second");
    const QRect second = memo.cursorRect(QTextCursor(memo.document()->lastBlock()));
    middleClick(memo.viewport(), second.center());
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"first", "xysecond"}));

    tk::Edit edit(&window, 0, 110, 100, 20, "12");
    edit.setCursorPosition(0);
    middleClick(&edit, {2, 10});
    EXPECT_EQ(edit.text(), "xy12");
}

}  // namespace
