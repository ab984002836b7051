// make_seeds MODE FOLDER FILE...: writes a fuzzer's seed corpus into FOLDER (made afresh), cut
// from the files the build ships, in the form the fuzzer takes its input:
//   files    each file as it is
//   lines    8 lines spread over each file, one seed each, without their line breaks
//   list     a question list as the draw writes it: the first 5 lines of the first file and the
//            first 10 of the second
//   banks    two banks behind the two bytes that say where the first ends: the first 10 lines of
//            the first file and the first 20 of the second
//   groups   a question bank of one record (6 lines) from each group of records with one key
//   counted  the file behind a byte 0, which picks the first line to count
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_seeds files|lines|list|banks|groups|counted FOLDER FILE...\n");
        return 2;
    }
    const std::string mode = argv[1];
    const fs::path folder = argv[2];
    const std::vector<fs::path> files(argv + 3, argv + argc);
    fs::remove_all(folder);
    fs::create_directories(folder);
    int written = 0;
    auto seed = [&](const std::string& bytes) {
        std::ofstream(folder / ("seed" + std::to_string(++written)), std::ios::binary) << bytes;
    };

    if (mode == "files") {
        for (const auto& file : files) seed(readFile(file));
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
    } else if (mode == "counted") {
        for (const auto& file : files) seed(std::string(1, '\0') + readFile(file));
    } else {
        std::fprintf(stderr, "make_seeds: unknown mode or wrong number of files: %s\n", mode.c_str());
        return 2;
    }
    return 0;
}
