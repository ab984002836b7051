// Pointer events as the picture buttons rely on them: a left press holds the mouse for its control
// until the release, with no enter or leave meanwhile, while another button's release goes to the
// control under the pointer; a label over a picture gets its own events; a blocking wait leaves
// queued input for after the handler.
#include "toolkit/application.h"
#include "toolkit/controls.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

class MouseHoldTest : public testing::Test {
protected:
    MouseHoldTest() : picture(&window, 10, 10, 100, 40), label(&window, 30, 20, "A") {
        window.resize(300, 200);
        window.show();
        logEvents(picture, "picture");
        logEvents(label, "label");
    }

    void logEvents(tk::Control& control, const std::string& name) {
        control.OnMouseEnter = [this, name] { log.push_back("enter " + name); };
        control.OnMouseLeave = [this, name] { log.push_back("leave " + name); };
        control.OnMouseDown = [this, name](tk::MouseButton) { log.push_back("down " + name); };
        control.OnMouseUp = [this, name](tk::MouseButton) { log.push_back("up " + name); };
    }

    // Sends the event through the window, as the platform delivers it.
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(window.mapToGlobal(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(window.windowHandle(), &event);
    }
    void moveTo(QPoint at, Qt::MouseButtons held = Qt::NoButton) {
        send(QEvent::MouseMove, at, Qt::NoButton, held);
    }

    QWidget window;
    tk::Image picture;
    tk::Label label;
    std::vector<std::string> log;
};

TEST_F(MouseHoldTest, LabelOverPictureGetsItsOwnEvents) {
    moveTo({15, 15});
    log.clear();
    moveTo({32, 22});
    send(QEvent::MouseButtonPress, {32, 22}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {32, 22}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log, (std::vector<std::string>{"leave picture", "enter label", "down label", "up label"}));
}

TEST_F(MouseHoldTest, PressHoldsTheMouseUntilTheReleaseWherever) {
    moveTo({15, 15});
    log.clear();
    send(QEvent::MouseButtonPress, {15, 15}, Qt::LeftButton, Qt::LeftButton);
    moveTo({32, 22}, Qt::LeftButton);
    moveTo({250, 150}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {250, 150}, Qt::LeftButton, Qt::NoButton);
    // The pointer's leave is told only once the mouse is let go.
    EXPECT_EQ(log, (std::vector<std::string>{"down picture", "up picture", "leave picture"}));
}

TEST_F(MouseHoldTest, AnotherButtonsReleaseGoesToTheControlUnderThePointer) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        log.clear();
        // Pressed on the picture, released over the label standing on it, then over no control.
        for (const QPoint end : {QPoint(32, 22), QPoint(250, 150)}) {
            moveTo({15, 15});
            send(QEvent::MouseButtonPress, {15, 15}, button, button);
            moveTo(end, button);
            send(QEvent::MouseButtonRelease, end, button, Qt::NoButton);
        }
        std::vector<std::string> ups;
        std::copy_if(log.begin(), log.end(), std::back_inserter(ups), [](const std::string& e) { return e.starts_with("up"); });
        EXPECT_EQ(ups, (std::vector<std::string>{"up label"})) << testing::PrintToString(log);
    }
}

TEST(BlockingWait, LeavesQueuedEventsForAfterTheHandler) {
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    tk::Sleep(5);
    EXPECT_FALSE(handled);
    QCoreApplication::processEvents();
    EXPECT_TRUE(handled);
}

}  // namespace
