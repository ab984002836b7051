// What a large Velmora bank costs: the scan and the draw of a 1,000,000-record base.txt, alone and
// together as at start-up, beside plainly reading the same file line by line and beside the floor
// of two memchr line counts of it (the start-up reads it twice), and the peak memory of a process that scans and draws
// from banks of 10,000 and of 1,000,000 records. The two peaks should be about the same, since the
// bank is read from the file and never held in memory.
#include "velmora/question_bank.h"

#include "bench/line_count.h"
#include "toolkit/random.h"
#include "toolkit/text_file.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kSmallBank = 10'000;
constexpr int kLargeBank = 1'000'000;
// The text lines of the banks are 60 to 100 bytes long (the large bank takes about 400 MiB), and
// in a further bank of kLargeBank records 10 to 26 bytes (about 100 MiB, far more lines per byte).
struct LineLengths {
    int shortest, longest;
};
constexpr LineLengths kLongLines{60, 100}, kShortLines{10, 26};

// Text lines: words of Windows-1251 lower-case Cyrillic letters (0xE0..0xFF) between blanks,
// ending in a question mark now and then.
std::vector<std::string> linePool(std::mt19937& random, LineLengths lengths) {
    std::uniform_int_distribution<int> length(lengths.shortest, lengths.longest), wordLength(2, 11), letter(0xE0, 0xFF);
    std::vector<std::string> pool(4096);
    for (auto& line : pool) {
        const auto size = static_cast<std::size_t>(length(random));
        while (line.size() < size) {
            if (!line.empty()) line += ' ';
            for (int k = wordLength(random); k > 0 && line.size() < size; --k) line += static_cast<char>(letter(random));
        }
        if (random() % 3 == 0) line.back() = '?';
    }
    return pool;
}

// A bank of `records` records in 15 level groups of nearly equal size, keys "1" to "15".
void writeBank(const std::filesystem::path& file, int records, LineLengths lengths) {
    std::mt19937 random(records);
    const auto pool = linePool(random, lengths);
    std::ofstream out(file, std::ios::binary);
    std::string chunk;
    for (int k = 0; k < records; ++k) {
        for (int line = 0; line < 5; ++line) chunk += pool[random() % pool.size()] + "\r\n";
        chunk += std::to_string(1 + static_cast<long long>(k) * LevelCount / records) + "\r\n";
        if (chunk.size() > (1 << 20)) {
            out << chunk;
            chunk.clear();
        }
    }
    out << chunk;
    if (!out) std::abort();
}

// A temporary folder with one subfolder per bank, each holding its base.txt; made once for the
// whole run. The current directory is the large bank's folder.
struct BenchFolder {
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora_bench.XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        path = pattern;
        for (int records : {kSmallBank, kLargeBank}) {
            std::filesystem::create_directory(bankFolder(records));
            writeBank(bankFolder(records) / BankFileName, records, kLongLines);
        }
        std::filesystem::create_directory(shortLinedBankFolder());
        writeBank(shortLinedBankFolder() / BankFileName, kLargeBank, kShortLines);
        std::filesystem::current_path(bankFolder(kLargeBank));
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path bankFolder(int records) const { return path / std::to_string(records); }
    std::filesystem::path shortLinedBankFolder() const { return path / "short-lined"; }
    std::filesystem::path path;
};

const BenchFolder* folder = nullptr;

// For a benchmark's run, the current directory is the large bank's folder with long lines
// (argument 0) or with short lines (1).
struct InLargeBankFolder {
    explicit InLargeBankFolder(const benchmark::State& state) {
        std::filesystem::current_path(state.range(0) ? folder->shortLinedBankFolder() : folder->bankFolder(kLargeBank));
    }
    ~InLargeBankFolder() { std::filesystem::current_path(folder->bankFolder(kLargeBank)); }
};

void BM_ScanLevelGroups(benchmark::State& state) {
    const InLargeBankFolder inFolder(state);
    LevelBoundsTable bounds;
    for (auto _ : state) {
        ScanLevelGroups(bounds);
        benchmark::DoNotOptimize(bounds);
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(BankFileName));
}
BENCHMARK(BM_ScanLevelGroups)->ArgName("short_lines")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DrawQuestions(benchmark::State& state) {
    const InLargeBankFolder inFolder(state);
    LevelBoundsTable bounds;
    ScanLevelGroups(bounds);
    tk::Randomize();
    int randomBound = 0;
    QuestionSet questions;
    for (auto _ : state) {
        DrawQuestions(bounds, randomBound, questions);
        benchmark::DoNotOptimize(questions);
    }
}
BENCHMARK(BM_DrawQuestions)->ArgName("short_lines")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the bank adds to a window's start: its scan and the first draw.
void BM_ScanAndFirstDraw(benchmark::State& state) {
    const InLargeBankFolder inFolder(state);
    tk::Randomize();
    for (auto _ : state) {
        LevelBoundsTable bounds;
        ScanLevelGroups(bounds);
        int randomBound = 0;
        QuestionSet questions;
        DrawQuestions(bounds, randomBound, questions);
        benchmark::DoNotOptimize(questions);
    }
}
BENCHMARK(BM_ScanAndFirstDraw)->ArgName("short_lines")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The floor of BM_ScanAndFirstDraw: two passes of a memchr line count over the same file.
void BM_CountLinesTwiceWithMemchr(benchmark::State& state) {
    const InLargeBankFolder inFolder(state);
    for (auto _ : state)
        for (int pass = 0; pass < 2; ++pass) benchmark::DoNotOptimize(bench::countLinesWithMemchr(BankFileName));
}
BENCHMARK(BM_CountLinesTwiceWithMemchr)->ArgName("short_lines")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ReadBankLineByLine(benchmark::State& state) {
    const InLargeBankFolder inFolder(state);
    tk::TextFile bank;
    for (auto _ : state) {
        bank.Assign(BankFileName);
        bank.Reset();
        while (!bank.Eof()) benchmark::DoNotOptimize(bank.ReadLine());
        bank.Close();
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(BankFileName));
}
BENCHMARK(BM_ReadBankLineByLine)->ArgName("short_lines")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The peak resident size of a child process that scans and draws one game from a bank of
// state.range(0) records, and how far it grew over the resident size it started with (the pages
// it shares with this process).
void BM_PeakMemoryOfScanAndDraw(benchmark::State& state) {
    const auto bankFolder = folder->bankFolder(static_cast<int>(state.range(0)));
    long residentKb[2] = {0, 0};  // at the child's start, at its end (the peak so far)
    for (auto _ : state) {
        int channel[2];
        if (pipe(channel) != 0) std::abort();
        const pid_t child = fork();
        if (child == 0) {
            close(channel[0]);
            const auto peakKb = [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                return usage.ru_maxrss;
            };
            long report[2] = {peakKb(), 0};
            try {
                std::filesystem::current_path(bankFolder);
                LevelBoundsTable bounds;
                ScanLevelGroups(bounds);
                tk::Randomize();
                int randomBound = 0;
                QuestionSet questions;
                DrawQuestions(bounds, randomBound, questions);
            } catch (const std::exception&) {
                _exit(1);
            }
            report[1] = peakKb();
            _exit(write(channel[1], report, sizeof report) == sizeof report ? 0 : 1);
        }
        close(channel[1]);
        const bool reported = read(channel[0], residentKb, sizeof residentKb) == sizeof residentKb;
        close(channel[0]);
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
            !reported) {
            state.SkipWithError("the scan and draw in the child process failed");
            return;
        }
    }
    using benchmark::Counter;
    const auto kibibytes = [](long kb) { return Counter(kb * 1024.0, Counter::kDefaults, Counter::OneK::kIs1024); };
    state.counters["peak_rss"] = kibibytes(residentKb[1]);
    state.counters["growth"] = kibibytes(residentKb[1] - residentKb[0]);
}
BENCHMARK(BM_PeakMemoryOfScanAndDraw)->Arg(kSmallBank)->Arg(kLargeBank)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const BenchFolder benchFolder;
    folder = &benchFolder;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
