// Any bytes after the first as stat.txt, the first choosing the line to count: the statistics
// window shows the 16 lines held, and a loss either is reported in the error box and leaves the
// file as it was and the other lines untouched, or rewrites the file as exactly the 16 lines held,
// the counted one now a plain decimal number.
#include "fuzz_application.h"
#include "fuzz_setup.h"
#include "velmora/main_window.h"
#include "velmora/statistics.h"
#include "velmora/windows.h"

#include "toolkit/form.h"
#include "toolkit/random.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

fuzz_setup::RecordingErrorBox* errors = nullptr;

void writeFile(const char* name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

std::string readFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string zeroTally() {
    std::string lines;
    for (int n = 1; n <= 16; ++n) lines += "0\r\n";
    return lines;
}

// Shows and hides a window, as the player's close button would, and lets the event loop's work
// follow as in the program.
void showOnce(tk::Form& window) {
    window.Show();
    window.Hide();
    fuzz_setup::deliverQueuedEvents();
}

bool isDecimal(const std::string& text) {
    const std::size_t digits = !text.empty() && text[0] == '-' ? 1 : 0;
    return text.size() > digits && text.find_first_not_of("0123456789", digits) == std::string::npos;
}

}  // namespace

// Each input frees about 70 KB (two windows shown and hidden). ASan's default quarantine of 256 MB
// of freed blocks would keep the process near 500 MB, where the run's memory limit no longer sees
// a real growth; 16 MB still holds what the last two hundred inputs freed.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz_setup::enterTempFolder(argc, argv, "velmora_stat");
    // Qt keeps memory across a show and hide (caches, the native window made anew), which the
    // check after each input would take for a leak, scanning the whole heap every time; the check
    // at the end of the run stays.
    fuzz_setup::addDefaultFlags(argc, argv, {"-detect_leaks=0"});
    std::string bank;
    for (int n = 1; n <= LevelCount; ++n)
        bank += "Q\r\nR\r\nW\r\nW\r\nW\r\nK" + std::to_string(n) + "\r\n";
    writeFile(BankFileName, bank);
    tk::setSeedSource([] { return 1u; });
    errors = &fuzz_setup::startApplication(argc, argv, "velmora_stat_fuzzer");
    static const auto windows = createWindows();  // for the whole run, as in the program
    // A first showing of each window with a good tally: the set-up works, and what Qt sets up
    // once is done before the first input.
    writeFile(StatFileName, zeroTally());
    showOnce(*Form6);
    showOnce(*Form2);
    if (!errors->messages.empty()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int line = 1 + data[0] % 16;
    const std::string stat(reinterpret_cast<const char*>(data) + 1, size - 1);
    writeFile(StatFileName, stat);
    auto& held = Form1->StatLines;
    held = {};  // not loaded: the next window reads this file

    errors->messages.clear();
    showOnce(*Form6);
    if (errors->messages.empty())
        for (int n = 1; n <= 16; ++n)
            if (Form6->Counts[n]->caption() != held[n]) __builtin_trap();

    errors->messages.clear();
    const auto before = held;
    Form1->CurrentLevel = line;
    showOnce(*Form2);
    for (int n = 1; n <= 16; ++n)
        if (n != line && held[n] != before[n]) __builtin_trap();
    if (!errors->messages.empty()) {
        if (held[line] != before[line] || readFile(StatFileName) != stat) __builtin_trap();
        return 0;
    }
    std::string rewritten;
    for (int n = 1; n <= 16; ++n) rewritten += held[n] + "\r\n";
    if (!isDecimal(held[line]) || readFile(StatFileName) != rewritten) __builtin_trap();
    return 0;
}
