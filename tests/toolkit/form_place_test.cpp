#include "toolkit/form.h"

#include <QWindow>
#include <gtest/gtest.h>

// A window keeps its outer place across hiding and showing, and takes a place given while hidden.
TEST(FormPlace, KeptWhileHiddenAndTakenOnShow) {
    tk::Form form("place");
    form.setClientSize(200, 100);
    form.setLeft(120);
    form.setTop(80);
    form.Show();
    EXPECT_EQ(form.Left(), 120);
    EXPECT_EQ(form.Top(), 80);

    QPoint seenOnHide;
    form.OnHide = [&] { seenOnHide = {form.Left(), form.Top()}; };
    form.Hide();
    EXPECT_EQ(seenOnHide, QPoint(120, 80));
    EXPECT_EQ(form.Left(), 120);

    form.setLeft(300);
    EXPECT_EQ(form.Left(), 300);
    EXPECT_EQ(form.Top(), 80);
    form.Show();
    EXPECT_EQ(form.pos(), QPoint(300, 80));
    EXPECT_EQ(form.size(), QSize(200, 100));
    form.Hide();
    form.Show();
    EXPECT_EQ(form.pos(), QPoint(300, 80));
    form.Hide();
}

// A borderless window has no border to resize it by; a framed one may be resized.
TEST(FormPlace, ABorderlessWindowKeepsItsSize) {
    tk::Form borderless("borderless");
    borderless.setBorderless(1);
    borderless.setClientSize(200, 100);
    borderless.resize(300, 200);
    EXPECT_EQ(borderless.size(), QSize(202, 102));
    EXPECT_EQ(borderless.minimumSize(), borderless.maximumSize());
    tk::Form framed("framed");
    framed.setClientSize(200, 100);
    framed.resize(300, 200);
    EXPECT_EQ(framed.size(), QSize(300, 200));
}

// An owned window is a window of its own, transient for its owner each time it is shown.
TEST(FormPlace, AnOwnedWindowIsTransientForItsOwner) {
    tk::Form owner("owner");
    owner.setClientSize(200, 100);
    tk::Form owned("owned");
    owned.setBorderless();
    owned.setStayOnTop();
    owned.setOwner(owner);
    owned.setClientSize(50, 40);
    owner.Show();
    for (int shown = 0; shown < 2; ++shown) {
        owned.Show();
        EXPECT_TRUE(owned.isWindow());
        ASSERT_NE(owned.windowHandle(), nullptr);
        EXPECT_EQ(owned.windowHandle()->transientParent(), owner.windowHandle());
        EXPECT_TRUE(owned.windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(owned.size(), QSize(50, 40));
        owned.Hide();
    }
    owner.Hide();
}
