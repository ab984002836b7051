#include "statistics.h"

#include "main_window.h"

#include "toolkit/convert.h"
#include "toolkit/text.h"
#include "toolkit/text_file.h"

#include <cstdint>

using namespace tk::literals;

TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm6* Form6 = nullptr;

namespace {

void readStatLines(tk::TextFile& file, std::array<std::string, 17>& lines) {
    for (int i = 1; i <= 16; ++i) lines[i] = file.ReadLine();
}

// A count of the file with more games added: a 32-bit count, as the file holds it, wraps round.
std::string addGames(const std::string& line, int games) {
    return tk::IntToStr(static_cast<std::int32_t>(static_cast<std::uint32_t>(tk::StrToInt(line)) +
                                                  static_cast<std::uint32_t>(games)));
}

}  // namespace

void LoadStatistics() {
    auto& lines = Form1->StatLines;
    if (!lines[1].empty()) return;
    tk::TextFile file;
    file.Assign(StatFileName);
    file.Reset();
    readStatLines(file, lines);
    file.Close();
}

void CountGameEnd() {
    LoadStatistics();
    TForm1& game = *Form1;
    const int n = game.CurrentLevel;
    game.StatLines[n] = addGames(game.StatLines[n], 1);
    ++game.UnwrittenCounts[n];
    // Read again under a lock that another copy of the game waits for until the new counts are in
    // place, and written whole (a crash or a full disk never leaves the tally half written). A file
    // removed meanwhile is made anew from the counts in memory.
    auto lines = game.StatLines;
    tk::TextFile file;
    file.Assign(StatFileName);
    if (file.ResetForUpdate()) {
        readStatLines(file, lines);
        for (int i = 1; i <= 16; ++i)
            if (game.UnwrittenCounts[i] != 0) lines[i] = addGames(lines[i], game.UnwrittenCounts[i]);
    }
    for (int i = 1; i <= 16; ++i) file.WriteLine(lines[i]);
    file.Close();
    game.StatLines = lines;
    game.UnwrittenCounts = {};
}

TForm2::TForm2() : tk::Form("Вы проиграли 8-((("_cp) {
    setLeft(392);
    setTop(293);
    setOuterSize(239, 95);
    Label1 = new tk::Label(client(), 16, 16, "Вы проиграли 8-((("_cp, {.height = 20, .bold = true, .color = tk::clFuchsia});
    OnShow = [this] { FormShow(); };
}

void TForm2::FormShow() { CountGameEnd(); }

TForm3::TForm3() : tk::Form("Выиграл!!!"_cp) {
    setLeft(374);
    setTop(297);
    setOuterSize(297, 84);
    Label1 = new tk::Label(client(), 16, 8, "УРАААА!!! Вы ВЫИГРАЛИ 8-)))"_cp, {.height = 16, .bold = true, .color = tk::clTeal});
    OnShow = [this] { FormShow(); };
}

void TForm3::FormShow() { CountGameEnd(); }

TForm6::TForm6() : tk::Form("Статистика"_cp) {
    setLeft(385);
    setTop(214);
    setOuterSize(123, 312);
    // Row of line n: the wins (line 16) on top at 8, question 1 at the bottom at 248.
    const auto rightAligned = [this](int rightEdge, int top, const std::string& caption) {
        auto* label = new tk::Label(client(), 0, top, caption);
        label->setAlignment(tk::Alignment::Right);
        label->setLeft(rightEdge - label->width());
        return label;
    };
    for (int n = 1; n <= 16; ++n) {
        const int top = 248 - 16 * (n - 1);
        Legends[n] = rightAligned(48, top, n == 16 ? "Выиграл"_cp : tk::IntToStr(n));
        Counts[n] = rightAligned(80, top, "Label1");
    }
    OnShow = [this] { FormShow(); };
}

void TForm6::FormShow() {
    LoadStatistics();
    for (int n = 1; n <= 16; ++n) Counts[n]->setCaption(Form1->StatLines[n]);
}
