// Any bytes as a text file, read through a sequence of ReadLine, SkipLines and Eof calls that the
// input chooses: every answer is the same as that of a plain reader going byte by byte (a line
// ends at LF, CR bytes are dropped, a byte 26 ends the file when asked, past the end lines are
// empty), and the file is read to its end at the same line.
#include "fuzz_setup.h"
#include "toolkit/text_file.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

namespace {

class PlainReader {
public:
    PlainReader(std::string bytes, bool ctrlZEndsFile) : bytes_(std::move(bytes)) {
        if (ctrlZEndsFile) bytes_ = bytes_.substr(0, bytes_.find('\x1A'));
    }
    bool eof() const { return at_ >= bytes_.size(); }
    std::string readLine() {
        std::string line;
        for (; at_ < bytes_.size() && bytes_[at_] != '\n'; ++at_)
            if (bytes_[at_] != '\r') line += bytes_[at_];
        if (at_ < bytes_.size()) ++at_;
        return line;
    }
    std::int64_t skipLines(std::int64_t count, std::string* last) {
        std::int64_t skipped = 0;
        for (; skipped < count && !eof(); ++skipped) {
            std::string line = readLine();
            if (last) *last = line;
        }
        return skipped;
    }

private:
    std::string bytes_;
    std::size_t at_ = 0;
};

// Line counts to pass: small ones that are walked, and large ones that are counted in chunks.
std::int64_t skipCount(std::uint8_t choice) {
    if (choice == 63) return INT64_MAX;
    return choice < 32 ? choice : (choice - 31) * 29;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz_setup::enterTempFolder(argc, argv, "text_file");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool ctrlZEndsFile = input.ConsumeBool();
    const auto operations = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 64));
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    std::ofstream("t.txt", std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    tk::TextFile file;
    file.Assign("t.txt");
    file.setCtrlZEndsFile(ctrlZEndsFile);
    file.Reset();
    PlainReader plain(bytes, ctrlZEndsFile);
    std::string last, plainLast;
    for (const std::uint8_t operation : operations) {
        switch (operation & 3) {
        case 0:
            if (file.ReadLine() != plain.readLine()) __builtin_trap();
            break;
        case 1:
            if (file.Eof() != plain.eof()) __builtin_trap();
            break;
        case 2:
            if (file.SkipLines(skipCount(operation >> 2)) != plain.skipLines(skipCount(operation >> 2), nullptr))
                __builtin_trap();
            break;
        case 3:
            if (file.SkipLines(skipCount(operation >> 2), &last) != plain.skipLines(skipCount(operation >> 2), &plainLast) ||
                last != plainLast)
                __builtin_trap();
            break;
        }
    }
    while (!plain.eof())
        if (file.Eof() || file.ReadLine() != plain.readLine()) __builtin_trap();
    if (!file.Eof() || !file.ReadLine().empty()) __builtin_trap();
    file.Close();
    return 0;
}
