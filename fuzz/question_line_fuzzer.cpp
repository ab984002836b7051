// Any bytes as a stored question line: decoding keeps the length and gives only characters from
// 32 up; splitting stores at most 505 fields, which joined with "*" give the line up to its last
// "*" (when none were dropped).
#include "quorvant/question_list.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string decoded = quorvant::decodeBankLine({reinterpret_cast<const char*>(data), size});
    if (decoded.size() != size) __builtin_trap();
    for (const char c : decoded)
        if (static_cast<unsigned char>(c) < 32) __builtin_trap();

    static quorvant::QuestionFieldSlots fields;
    const int count = quorvant::splitQuestionFields(decoded, fields);
    if (count < 0 || count > 505) __builtin_trap();
    if (count < 505) {
        std::string joined;
        for (int k = 1; k <= count; ++k) joined += fields[k] + "*";
        const auto lastStar = decoded.rfind('*');
        if (joined != (lastStar == std::string::npos ? "" : decoded.substr(0, lastStar + 1))) __builtin_trap();
    }
    return 0;
}
