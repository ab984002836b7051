#pragma once
// Integer text conversion with the forms the games accept and write.
#include <cstdint>
#include <string>

namespace tk {

// Optional leading blanks, then either an optional sign and decimal digits within 32 bits, or,
// without a sign, hexadecimal digits after "$", "x" or "0x" that fit 32 bits (two's complement).
// Anything else throws tk::Error "'<text>' is not a valid integer value" (the text quoted as
// messages quote data: cut after 100 characters, control bytes shown).
std::int32_t StrToInt(const std::string& text);
std::string IntToStr(std::int64_t value);

}  // namespace tk
