// The message panel: its design, where it opens, and what closes it.
#include "game_fixture.h"
#include "quorvant/main_window.h"
#include "quorvant/message_panel.h"
#include "toolkit/controls.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

using namespace quorvant_testing;

namespace {

class MessagePanel : public QuorvantGame {
protected:
    MessagePanel() { showWindows(); }

    // A left click at a point of the panel's client area, delivered to whatever lies there.
    void clickAt(QPoint point) {
        QWidget* target = Form5->client()->childAt(point);
        ASSERT_NE(target, nullptr);
        const QPointF local = target->mapFrom(Form5->client(), point);
        const QPointF global = target->mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
};

TEST_F(MessagePanel, IsABorderlessPictureWithACentredYellowTextAboveTheMainWindow) {
    EXPECT_FALSE(Form5->Visible());
    EXPECT_EQ(Form5->size(), QSize(302, 202));
    EXPECT_TRUE(Form5->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(Form5->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Form5->parentWidget(), Form1);  // it belongs to the main window
    Form5->resize(400, 300);
    EXPECT_EQ(Form5->size(), QSize(302, 202));
    EXPECT_EQ(Form5->Image1->geometry(), QRect(1, 1, 300, 200));
    EXPECT_EQ(Form5->Image1->picture().size(), QSize(300, 200));
    EXPECT_EQ(Form5->Label1->geometry(), QRect(8, 80, 286, 105));
    EXPECT_EQ(Form5->Label1->caption(), "");
    EXPECT_EQ(Form5->Label1->fontColor(), tk::clYellow);
    EXPECT_TRUE(Form5->Label1->font().bold);
    EXPECT_EQ(Form5->Label1->font().height, 16);
    // The rim is the window's own colour around the picture.
    const QImage shot = Form5->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), tk::toQColor(tk::clBtnFace));
    EXPECT_EQ(shot.pixelColor(301, 201), tk::toQColor(tk::clBtnFace));
}

TEST_F(MessagePanel, OpensAtTheCentreOfTheScreenWhereverTheMainWindowIs) {
    form().setLeft(0);
    form().setTop(0);
    start();
    form().Image11MouseUp(tk::MouseButton::Left);
    ASSERT_TRUE(Form5->Visible());
    EXPECT_EQ(Form5->frameGeometry().center(), Form5->screen()->geometry().center());
    QCoreApplication::processEvents();  // the platform reports the activation
    EXPECT_TRUE(Form5->isActiveWindow());
}

TEST_F(MessagePanel, AClickOnTheTextLeavesItOpenAndOneOnThePictureClosesIt) {
    start();
    form().Image12MouseUp(tk::MouseButton::Left);
    ASSERT_TRUE(Form5->Visible());
    const std::string vote = Form5->Label1->caption();

    clickAt({150, 120});  // inside the text's rectangle
    EXPECT_TRUE(Form5->Visible());
    clickAt({150, 30});  // the picture above the text
    EXPECT_FALSE(Form5->Visible());
    QCoreApplication::processEvents();
    EXPECT_TRUE(form().isActiveWindow());
    EXPECT_EQ(Form5->Label1->caption(), vote);  // kept for the next showing

    // Shown again it opens with the text it had until a lifeline writes a new one.
    start();
    form().Image10MouseUp(tk::MouseButton::Left);
    EXPECT_FALSE(Form5->Visible());
    EXPECT_TRUE(errors.messages.empty());
}

}  // namespace
