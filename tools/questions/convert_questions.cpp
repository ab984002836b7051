// Build-time tool: turns the readable question sources into the files that the games read.
//   convert_questions velmora SOURCE base.txt
//   convert_questions quorvant SOURCE bank.txt
//   convert_questions stat stat.txt
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "question_sources.h"

namespace {

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + name);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + name);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "velmora") {
            writeFile(args[2], questions::velmoraBank(readFile(args[1]), args[1]));
        } else if (args.size() == 3 && args[0] == "quorvant") {
            writeFile(args[2], questions::quorvantBank(readFile(args[1]), args[1]));
        } else if (args.size() == 2 && args[0] == "stat") {
            writeFile(args[1], questions::firstStatistics());
        } else {
            std::fprintf(stderr,
                         "usage: convert_questions velmora|quorvant SOURCE OUTPUT\n"
                         "       convert_questions stat OUTPUT\n");
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "convert_questions: %s\n", e.what());
        return 1;
    }
    return 0;
}
