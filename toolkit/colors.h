#pragma once
// Colours as the games name them: a value with red in the low byte, then green, then blue.
#include <QColor>
#include <cstdint>

namespace tk {

using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) { return Color(r) | Color(g) << 8 | Color(b) << 16; }
inline QColor toQColor(Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

constexpr Color clBlack = rgb(0, 0, 0);
constexpr Color clMaroon = rgb(128, 0, 0);
constexpr Color clGreen = rgb(0, 128, 0);
constexpr Color clTeal = rgb(0, 128, 128);
constexpr Color clRed = rgb(255, 0, 0);
constexpr Color clLime = rgb(0, 255, 0);
constexpr Color clYellow = rgb(255, 255, 0);
constexpr Color clFuchsia = rgb(255, 0, 255);
constexpr Color clAqua = rgb(0, 255, 255);
constexpr Color clWhite = rgb(255, 255, 255);
constexpr Color clSkyBlue = rgb(166, 202, 240);
constexpr Color clCream = rgb(255, 251, 240);
// The desktop's button face and window colours, fixed to the classic values the windows were drawn for.
constexpr Color clBtnFace = rgb(212, 208, 200);
constexpr Color clWindow = rgb(255, 255, 255);
constexpr Color clGrayText = rgb(128, 128, 128);

}  // namespace tk
