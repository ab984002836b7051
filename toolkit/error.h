#pragma once
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tk {

// Every failure in the games is thrown as an Error; the one handler dispatcher shows its message.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text as a message quotes it (Windows-1251 bytes): at most its first 100 characters, with "…"
// after a cut, so that a huge line cannot swamp the error box; a control byte in a visible form
// ("\0" for a NUL, which would otherwise end the message there; "\x1A" for the others).
inline std::string quoted(std::string_view text) {
    constexpr size_t kLongest = 100;
    std::string result;
    for (const char c : text.substr(0, kLongest)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0) {
            result += "\\0";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            result += escape;
        } else {
            result += c;
        }
    }
    if (text.size() > kLongest) result += '\x85';  // the ellipsis in Windows-1251
    return result;
}

// A failed file operation in the layer's one wording: what failed, the file, the cause, as in
// `Cannot open file "stat.txt": No such file or directory`.
inline Error fileError(std::string_view what, std::string_view name, std::string_view cause) {
    return Error(std::string(what) + " \"" + quoted(name) + "\": " + std::string(cause));
}

// The same, with the cause given as an errno value.
inline Error fileError(std::string_view what, std::string_view name, int error) {
    return fileError(what, name, std::strerror(error));
}

}  // namespace tk
