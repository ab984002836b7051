#include "convert.h"
#include "error.h"

#include <cctype>

namespace tk {

std::int32_t StrToInt(const std::string& text) {
    auto fail = [&]() -> std::int32_t { throw Error("'" + quoted(text) + "' is not a valid integer value"); };
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) return fail();

    int base = 10;
    bool negative = false;
    if (text[i] == '$' || text[i] == 'x' || text[i] == 'X') {
        base = 16;
        ++i;
    } else if (text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    } else if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return fail();

    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        int digit;
        if (std::isdigit(c)) digit = c - '0';
        else if (base == 16 && std::isxdigit(c)) digit = std::tolower(c) - 'a' + 10;
        else return fail();
        value = value * base + digit;
        if (value > 0xFFFFFFFFull) return fail();
    }
    if (base == 16) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull) return fail();
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value))
                    : static_cast<std::int32_t>(value);
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

}  // namespace tk
