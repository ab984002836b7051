#include "toolkit/check_box.h"
#include "toolkit/text.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tk::literals;

namespace {

// The first and last column in which the grabbed control differs from its background colour.
std::pair<int, int> drawnColumns(const QImage& image) {
    const QRgb ground = image.pixel(0, 0);
    int first = image.width(), last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != ground) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

}  // namespace

TEST(CheckBox, CaptionStandsLeftOfTheBox) {
    QWidget window;
    tk::CheckBox withCaption(&window, 0, 0, 160, 17, "понижать категорию"_cp);
    tk::CheckBox boxOnly(&window, 0, 20, 160, 17, "");
    const auto [boxFirst, boxLast] = drawnColumns(boxOnly.grab().toImage());
    const auto [first, last] = drawnColumns(withCaption.grab().toImage());
    EXPECT_GT(boxFirst, 160 / 2);  // the box sits at the right end
    EXPECT_LT(first, boxFirst - 40);  // and the caption before it
    EXPECT_EQ(last, boxLast);
}

TEST(CheckBox, CheckedFollowsTheClicks) {
    QWidget window;
    tk::CheckBox box(&window, 0, 0, 129, 17, "x");
    EXPECT_FALSE(box.Checked());
    box.click();
    EXPECT_TRUE(box.Checked());
    box.setChecked(false);
    EXPECT_FALSE(box.Checked());
}
