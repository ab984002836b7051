#pragma once
// The four answer buttons A to D of the main window: a picture with a transparent label over it.
#include <array>

namespace quorvant {

struct AnswerButtonDesign {
    int pictureLeft, pictureTop;  // every picture is 283 x 43
    int labelLeft, labelTop;      // rest position; pressed is one pixel right and down
    const char* pictureBase;      // look files: base + "", "1", "11", "2", "3" + ".jpg"
    const char* designPicture;    // shown until the first look is loaded
};

// By letter number - 1 (A, B, C, D).
inline constexpr std::array<AnswerButtonDesign, 4> kAnswerButtons{{
    {59, 439, 125, 450, "images\\vara", "vara.jpg"},
    {356, 439, 420, 450, "images\\varb", "varb.jpg"},
    {59, 483, 125, 492, "images\\varc", "varc.jpg"},
    {356, 483, 420, 492, "images\\vard", "vard.jpg"},
}};

}  // namespace quorvant
