#include "toolkit/form.h"

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
