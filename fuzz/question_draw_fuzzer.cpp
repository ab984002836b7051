// Any bytes as the two bank files (split where the first two bytes say): the draw always writes
// exactly 15 lines into the list and closes every file.
#include "fuzz_setup.h"
#include "quorvant/question_list.h"
#include "toolkit/random.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz_setup::enterTempFolder(argc, argv, "question_draw");
    tk::setSeedSource([] { return 1u; });
    return 0;
}

namespace {

void writeFile(const char* name, const std::uint8_t* data, std::size_t size) {
    std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t split = std::min<std::size_t>((data[0] << 8 | data[1]), size - 2);
    writeFile("bank0.txt", data + 2, split);
    writeFile("bank.txt", data + 2 + split, size - 2 - split);

    tk::Randomize();
    tk::TextFile bank, list;
    bank.setCtrlZEndsFile(true);
    std::string lineBuffer, pickedLine;
    list.Assign("spisok.txt");
    list.Rewrite();
    quorvant::drawQuestionList(bank, list, lineBuffer, pickedLine);
    if (bank.isOpen() || list.isOpen()) __builtin_trap();

    std::ifstream in("spisok.txt", std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = written.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
    if (lines != 15) __builtin_trap();
    return 0;
}
