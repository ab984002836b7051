#include "toolkit/edit.h"
#include "toolkit/text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tk::literals;

namespace {

void pressKey(QWidget& widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

// The spinner's arrow button whose middle is at this height.
void clickArrow(tk::UpDown& upDown, int y) { static_cast<QToolButton*>(upDown.childAt(8, y))->click(); }

}  // namespace

TEST(Edit, TextIsWindows1251) {
    QWidget window;
    tk::Edit edit(&window, 0, 0, 60, 21, "Сложность"_cp);
    EXPECT_EQ(edit.text(), "Сложность"_cp);
    EXPECT_EQ(edit.QLineEdit::text(), QString::fromUtf8("Сложность"));
    edit.setText("5");
    EXPECT_EQ(edit.text(), "5");
}

TEST(UpDown, SitsAtTheRightOfItsField) {
    QWidget window;
    tk::Edit edit(&window, 80, 16, 33, 21, "0");
    tk::UpDown upDown(edit, 0, 20, 5);
    EXPECT_EQ(upDown.geometry(), QRect(113, 16, 16, 21));
}

TEST(UpDown, StepsWithinTheRangeWithoutWrapping) {
    QWidget window;
    tk::Edit edit(&window, 0, 0, 33, 21, "0");
    tk::UpDown upDown(edit, 0, 20, 5);
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
        upDown.stepUp();
        seen.push_back(edit.text());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"5", "10", "15", "20", "20"}));
    upDown.stepDown();
    EXPECT_EQ(edit.text(), "15");
    for (int i = 0; i < 4; ++i) upDown.stepDown();
    EXPECT_EQ(edit.text(), "0");
}

TEST(UpDown, StepsFromTheTypedNumberOrElseFromItsLastPosition) {
    QWidget window;
    tk::Edit edit(&window, 0, 0, 33, 21, "0");
    tk::UpDown upDown(edit, 0, 20, 5);
    edit.setText("12");
    upDown.stepUp();
    EXPECT_EQ(edit.text(), "17");
    edit.setText("abc");
    upDown.stepDown();
    EXPECT_EQ(edit.text(), "12");
    edit.setText("55");  // outside the range: not taken
    upDown.stepUp();
    EXPECT_EQ(edit.text(), "17");
}

TEST(UpDown, ArrowKeysAndArrowClicksStepIt) {
    QWidget window;
    tk::Edit edit(&window, 0, 0, 33, 21, "0");
    tk::UpDown upDown(edit, 0, 20, 5);
    window.show();
    pressKey(edit, Qt::Key_Up);
    pressKey(edit, Qt::Key_Up);
    EXPECT_EQ(edit.text(), "10");
    pressKey(edit, Qt::Key_Down);
    EXPECT_EQ(edit.text(), "5");
    clickArrow(upDown, 3);
    EXPECT_EQ(edit.text(), "10");
    clickArrow(upDown, 18);
    EXPECT_EQ(edit.text(), "5");
    // Typing is not restricted.
    edit.clear();
    for (const char* typed : {"-", "7", "x"}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
        QApplication::sendEvent(&edit, &press);
    }
    EXPECT_EQ(edit.text(), "-7x");
}
