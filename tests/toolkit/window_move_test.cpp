// A borderless window moved by a control standing in for its title bar, on a platform that
// offers no move of its own (the offscreen one, like a bare X server): the layer moves it.
#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

void send(QWidget* receiver, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, receiver->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(receiver, &event);
}

TEST(WindowMove, TheWindowFollowsThePointerUntilTheReleaseWhateverTheButton) {
    tk::Form window("moved");
    window.setBorderless();
    window.setClientSize(300, 200);
    window.move(100, 80);
    window.show();
    tk::Image strip(window.client(), 50, 5, 200, 18);
    strip.OnMouseDown = [&](tk::MouseButton) { window.startMove(); };
    int releases = 0;
    strip.OnMouseUp = [&](tk::MouseButton) { ++releases; };

    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        const QPoint origin = window.pos();
        const QPoint grip = strip.mapToGlobal(QPoint(20, 9));
        QCursor::setPos(grip);
        send(&strip, QEvent::MouseButtonPress, grip, button, button);
        send(&strip, QEvent::MouseMove, grip + QPoint(30, 10), Qt::NoButton, button);
        EXPECT_EQ(window.pos(), origin + QPoint(30, 10));
        send(&strip, QEvent::MouseMove, grip + QPoint(-40, 25), Qt::NoButton, button);
        send(&strip, QEvent::MouseButtonRelease, grip + QPoint(-45, 20), button, Qt::NoButton);
        EXPECT_EQ(window.pos(), origin + QPoint(-45, 20));

        // After the release the pointer moves alone.
        send(&strip, QEvent::MouseMove, grip + QPoint(90, 90), Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(window.pos(), origin + QPoint(-45, 20));
    }
    EXPECT_EQ(releases, 0);  // the move takes the release
}

}  // namespace
