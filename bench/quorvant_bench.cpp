// What a Quorvant player would feel: the draw of a game from two banks of 1,000,000 lines each
// (beside just reading the same files line by line, and beside the floor of a memchr line count
// of both), and one look change of an answer button
// (load and decode a 283 x 43 JPEG, then paint it at once).
#include "quorvant/question_list.h"
#include "bench/line_count.h"
#include "toolkit/controls.h"
#include "toolkit/jpeg.h"
#include "toolkit/random.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

constexpr int kBankLines = 1'000'000;

// A folder holding bank0.txt, bank.txt and a look file, made once for the whole run.
struct BenchFolder {
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvant_bench.XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        path = pattern;
        std::filesystem::current_path(path);
        for (const char* name : {"bank0.txt", "bank.txt"}) {
            std::ofstream out(name, std::ios::binary);
            for (int k = 0; k < kBankLines; ++k)
                out << "g\x88\x8a\x93\x8b\x88\x8a\x36" << k << "@\x84\x8b\x82\x85@9W" << k << "@W" << k + 1
                    << "@W" << k + 2 << "@W" << k + 3 << "@\r\n";
        }
        QImage look(283, 43, QImage::Format_RGB32);
        look.fill(QColor(30, 40, 120));
        tk::jpeg::save(look, "vara1.jpg");
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

void BM_DrawFromMillionLineBanks(benchmark::State& state) {
    tk::Randomize();
    tk::TextFile bank, list;
    bank.setCtrlZEndsFile(true);
    std::string lineBuffer, pickedLine;
    for (auto _ : state) {
        list.Assign("spisok.txt");
        list.Rewrite();
        quorvant::drawQuestionList(bank, list, lineBuffer, pickedLine);
    }
}
BENCHMARK(BM_DrawFromMillionLineBanks)->Unit(benchmark::kMillisecond);

void BM_ReadBanksLineByLine(benchmark::State& state) {
    tk::TextFile bank;
    bank.setCtrlZEndsFile(true);
    for (auto _ : state) {
        for (const char* name : {"bank0.txt", "bank.txt"}) {
            bank.Assign(name);
            bank.Reset();
            while (!bank.Eof()) benchmark::DoNotOptimize(bank.ReadLine());
            bank.Close();
        }
    }
}
BENCHMARK(BM_ReadBanksLineByLine)->Unit(benchmark::kMillisecond);

void BM_CountBankLinesWithMemchr(benchmark::State& state) {
    for (auto _ : state)
        for (const char* name : {"bank0.txt", "bank.txt"}) benchmark::DoNotOptimize(bench::countLinesWithMemchr(name));
}
BENCHMARK(BM_CountBankLinesWithMemchr)->Unit(benchmark::kMillisecond);

void BM_AnswerLookChange(benchmark::State& state) {
    QWidget window;
    window.resize(700, 550);
    tk::Image picture(&window, 59, 439, 283, 43);
    window.show();
    for (auto _ : state) {
        picture.LoadFromFile("vara1.jpg");
        picture.repaintNow();
    }
}
BENCHMARK(BM_AnswerLookChange)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    BenchFolder folder;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
