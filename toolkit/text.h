#pragma once
// Game texts are Windows-1251 bytes, as the data files hold them; they become Unicode only on screen.
#include <QString>
#include <string>
#include <string_view>

namespace tk {

// Windows-1251 bytes to screen text.
QString toScreen(std::string_view cp1251);
// Screen text to Windows-1251 bytes; a character the code page lacks becomes a zero byte.
std::string fromScreen(const QString& text);
// The screen text with a break opportunity (a zero-width space) after every 40 characters without
// a blank, for a wrapping label: it wraps only between words and would cut a long file name or
// quoted text off at its right edge.
QString breakable(const QString& text);
// A UTF-8 source literal as Windows-1251 bytes.
std::string cp1251(std::string_view utf8);

namespace literals {
// "Вопрос № "_cp is the literal in the games' own encoding.
inline std::string operator""_cp(const char* utf8, std::size_t size) { return cp1251({utf8, size}); }
}  // namespace literals

}  // namespace tk
