// The rectangle shape: brush inside, the outline by its pen mode, no mouse input of its own.
#include "toolkit/shape.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

QRgb pixelAt(QWidget& window, int x, int y) { return window.grab().toImage().pixel(x, y); }

class ShapeTest : public testing::Test {
protected:
    void SetUp() override {
        window.resize(100, 60);
        window.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(0, 0, 200));
        window.setPalette(palette);
    }
    QWidget window;
};

// Over a light "text" beneath it the yellow interior comes out dark; the black outline stays black.
TEST_F(ShapeTest, MaskPenNotMasksTheInteriorAndTheOutlineWithWhatLiesBeneath) {
    QWidget text(&window);
    text.setGeometry(20, 25, 10, 6);
    text.setAutoFillBackground(true);
    QPalette white;
    white.setColor(QPalette::Window, QColor(255, 255, 255));
    text.setPalette(white);
    tk::Shape shape(&window, 10, 20, 30, 18);
    shape.setBrushColor(tk::rgb(254, 234, 0));
    shape.setPen(tk::clBlack, tk::PenMode::MaskPenNot);
    EXPECT_EQ(pixelAt(window, 10, 20), qRgb(0, 0, 0));      // corner
    EXPECT_EQ(pixelAt(window, 25, 37), qRgb(0, 0, 0));      // bottom edge
    EXPECT_EQ(pixelAt(window, 39, 30), qRgb(0, 0, 0));      // right edge
    EXPECT_EQ(pixelAt(window, 12, 22), qRgb(254, 234, 0));  // inside, over the blue field
    EXPECT_EQ(pixelAt(window, 22, 27), qRgb(0, 0, 0));      // inside, over the white text
    EXPECT_EQ(pixelAt(window, 40, 30), qRgb(0, 0, 200));    // outside
}

TEST_F(ShapeTest, MaskPenNotKeepsTheColourBitsNotBeneathAndCopyDrawsTheColours) {
    tk::Shape masked(&window, 0, 0, 20, 20);
    masked.setBrushColor(tk::clWhite);
    masked.setPen(tk::rgb(0, 0, 255), tk::PenMode::MaskPenNot);
    EXPECT_EQ(pixelAt(window, 0, 5), qRgb(0, 0, 255 & ~200));
    EXPECT_EQ(pixelAt(window, 5, 5), qRgb(255, 255, 255 & ~200));
    tk::Shape copied(&window, 50, 0, 20, 20);
    copied.setBrushColor(tk::rgb(254, 234, 0));
    copied.setPen(tk::clRed, tk::PenMode::Copy);
    EXPECT_EQ(pixelAt(window, 50, 5), qRgb(255, 0, 0));
    EXPECT_EQ(pixelAt(window, 55, 5), qRgb(254, 234, 0));
}

TEST_F(ShapeTest, MovesByTopAndLetsTheMouseThrough) {
    tk::Shape shape(&window, 5, 40, 10, 10);
    shape.setTop(21);
    EXPECT_EQ(shape.Top(), 21);
    EXPECT_EQ(shape.Left(), 5);
    EXPECT_TRUE(shape.testAttribute(Qt::WA_TransparentForMouseEvents));
}

}  // namespace
