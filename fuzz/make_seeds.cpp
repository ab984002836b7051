// make_seeds MODE MAX_LEN FOLDER [FILE...]: writes a fuzzer's seed corpus into FOLDER (made
// afresh), in the form the fuzzer takes its input, cut from the files the build ships or made here:
//   files    each file as it is
//   heads    the first MAX_LEN bytes of each file, for a reader of headers
//   lines    8 lines spread over each file, one seed each, without their line breaks
//   list     a question list as the draw writes it: the first 5 lines of the first file and the
//            first 10 of the second
//   banks    two banks behind the two bytes that say where the first ends: the first 10 lines of
//            the first file and the first 20 of the second
//   groups   a question bank of one record (6 lines) from each group of records with one key, and
//            three small good banks (see goodBanks)
//   counted  the file behind a byte 0, which picks the first line to count, and four tallies
//            behind the byte that picks theirs (see tallies)
//   reads    text files of a few kilobytes behind the reads to make in them (see readsInTexts)
// A seed longer than MAX_LEN, the length the fuzzer's run allows, is an error: the run would cut it.
#include "velmora/question_bank.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "make_seeds: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file's lines, each with its line break.
std::vector<std::string> linesOf(const fs::path& path) {
    const std::string text = readFile(path);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string firstLines(const fs::path& path, std::size_t count) {
    std::string text;
    const auto lines = linesOf(path);
    for (std::size_t k = 0; k < std::min(count, lines.size()); ++k) text += lines[k];
    return text;
}

std::string withoutBreak(const std::string& line) { return line.substr(0, line.find_first_of("\r\n")); }

std::string oneRecordPerGroup(const fs::path& path) {
    constexpr std::size_t kRecordLines = 6;
    const auto lines = linesOf(path);
    std::string bank, lastKey;
    for (std::size_t start = 0; start + kRecordLines <= lines.size(); start += kRecordLines) {
        const std::string key = withoutBreak(lines[start + kRecordLines - 1]);
        if (start > 0 && key == lastKey) continue;
        for (std::size_t k = start; k < start + kRecordLines; ++k) bank += lines[k];
        lastKey = key;
    }
    return bank;
}

// Good Velmora banks to start from: a scan needs at least 15 records, far more bytes than the
// fuzzer's first inputs, so without them the draw would hardly ever be reached. One with LF line
// breaks, one with CR LF and none after the last line, and one whose first record has no key and
// whose groups hold one to three records.
std::vector<std::string> goodBanks() {
    std::string lf, crlf, unkeyedStart = "Q\nR\nW\nW\nW\n\n";
    for (int n = 1; n <= LevelCount; ++n) {
        const std::string key = "K" + std::to_string(n);
        lf += "Q\nR\nW\nW\nW\n" + key + "\n";
        crlf += "Q\r\nR\r\nW\r\nW\r\nW\r\n" + key + "\r\n";
        for (int copy = 0; copy < n % 3 + 1; ++copy) unkeyedStart += "Q\nR\nW\nW\nW\n" + key + "\n";
    }
    crlf.resize(crlf.size() - 2);
    return {lf, crlf, unkeyedStart};
}

// Velmora's tallies to start from, each behind the byte that picks the line to count: 16 zeroes, a
// count about to wrap round, a short file, and one line too many.
std::vector<std::string> tallies() {
    std::string zeroes = "\x01", full = "\x0f", shortFile = "\x06", tooLong = "\x02";
    for (int n = 1; n <= 16; ++n) zeroes += "0\r\n";
    for (int n = 1; n <= 16; ++n) full += (n == 16 ? "2147483647" : std::to_string(n * 7)) + "\r\n";
    for (int n = 1; n <= 5; ++n) shortFile += "1\n";
    for (int n = 1; n <= 17; ++n) tooLong += "-" + std::to_string(n) + "\r\n";
    return {zeroes, full, shortFile, tooLong};
}

// Inputs of the text file fuzzer as it takes them apart: the reads from the front, then the file's
// bytes, and from the back the number of reads and whether byte 26 ends the file. Files of a few
// kilobytes with lines of many lengths (one of 700 bytes), CR bytes here and there, LF and CR LF
// breaks: without them the fuzzer's first inputs would hardly pass a block's end. The same file
// plainly, with a byte 26 in its middle, and without its last line break.
std::vector<std::string> readsInTexts() {
    std::string text;
    for (int k = 0; k < 260; ++k) {
        std::string line(static_cast<std::size_t>(k * 37 % 23), static_cast<char>('a' + k % 26));
        if (k == 150) line.assign(700, 'L');
        if (k % 7 == 3 && !line.empty()) line[0] = '\r';
        text += line + (k % 2 ? "\r\n" : "\n");
    }
    const std::string reads = {
        char(40 << 2 | 3), 0, char(5 << 2 | 2), 1, char(62 << 2 | 2), 0, char(33 << 2 | 3), char(63 << 2 | 3), 1};
    const std::string count(1, static_cast<char>(reads.size()));
    std::string withCtrlZ = text;
    withCtrlZ[withCtrlZ.size() / 2] = '\x1A';
    return {reads + text + count + '\0', reads + withCtrlZ + count + '\1',
            reads + text.substr(0, text.size() - 1) + count + '\0'};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_seeds files|heads|lines|list|banks|groups|counted|reads MAX_LEN FOLDER [FILE...]\n");
        return 2;
    }
    const std::string mode = argv[1];
    const std::size_t maxLength = std::strtoul(argv[2], nullptr, 10);
    const fs::path folder = argv[3];
    const std::vector<fs::path> files(argv + 4, argv + argc);
    fs::remove_all(folder);
    fs::create_directories(folder);
    int written = 0;
    auto seed = [&](const std::string& bytes) {
        ++written;
        if (bytes.size() > maxLength) {
            std::fprintf(stderr, "make_seeds: seed %d of mode %s has %zu bytes, more than the run's %zu\n", written,
                         mode.c_str(), bytes.size(), maxLength);
            std::exit(1);
        }
        std::ofstream(folder / ("seed" + std::to_string(written)), std::ios::binary) << bytes;
    };
    auto seeds = [&](const std::vector<std::string>& made) {
        for (const auto& bytes : made) seed(bytes);
    };

    if (mode == "files") {
        for (const auto& file : files) seed(readFile(file));
    } else if (mode == "heads") {
        for (const auto& file : files) seed(readFile(file).substr(0, maxLength));
    } else if (mode == "lines") {
        constexpr std::size_t kPerFile = 8;
        for (const auto& file : files) {
            const auto lines = linesOf(file);
            for (std::size_t k = 0; k < kPerFile && k < lines.size(); ++k) seed(withoutBreak(lines[k * lines.size() / kPerFile]));
        }
    } else if (mode == "list" && files.size() == 2) {
        seed(firstLines(files[0], 5) + firstLines(files[1], 10));
    } else if (mode == "banks" && files.size() == 2) {
        const std::string first = firstLines(files[0], 10);
        const std::string split{static_cast<char>(first.size() >> 8), static_cast<char>(first.size() & 0xFF)};
        seed(split + first + firstLines(files[1], 20));
    } else if (mode == "groups") {
        for (const auto& file : files) seed(oneRecordPerGroup(file));
        seeds(goodBanks());
    } else if (mode == "counted") {
        for (const auto& file : files) seed(std::string(1, '\0') + readFile(file));
        seeds(tallies());
    } else if (mode == "reads" && files.empty()) {
        seeds(readsInTexts());
    } else {
        std::fprintf(stderr, "make_seeds: unknown mode or wrong number of files: %s\n", mode.c_str());
        return 2;
    }
    return 0;
}
