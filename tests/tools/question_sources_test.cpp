#include "question_sources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using questions::SourceError;

namespace {

// Quorvant's own reading of a stored byte.
std::string decode(const std::string& stored) {
    std::string text;
    for (const unsigned char c : stored) text += static_cast<char>(c >= 54 ? c - 22 : c + 202);
    return text;
}

std::vector<std::string> crLfLines(const std::string& file) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < file.size();) {
        const auto end = file.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line, the last one too, ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(file.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string velmoraRecord(const std::string& question) {
    return "Q: " + question + "\nR: Ной\nW: Моисей\nW: Авраам\nW: Давид\n";
}

// A good Velmora source with one record per level.
std::string velmoraSource(int levels = 15) {
    std::string source = "# comment\n\n";
    for (int level = 1; level <= levels; ++level)
        source += "== " + std::to_string(level) + "\n" + velmoraRecord("Вопрос " + std::to_string(level));
    return source;
}

std::string errorOf(const auto& convert, const std::string& source) {
    try {
        convert(source, "src.txt");
    } catch (const SourceError& e) {
        return e.what();
    }
    return "no error";
}

std::string velmoraError(const std::string& source) { return errorOf(questions::velmoraBank, source); }
std::string quorvantError(const std::string& source) { return errorOf(questions::quorvantBank, source); }

const std::string quorvantRecord =
    "Q: Столица Франции?\nI: подсказка\nA: Лион\nB: Париж\nC: Ницца\nD: Марсель\nR: B\n";

}  // namespace

TEST(Scramble, EveryShownCharacterSurvivesAndAvoidsLineBreaks) {
    for (int d = 32; d <= 255; ++d) {
        const std::string stored = questions::scramble(std::string(1, static_cast<char>(d)));
        const int c = static_cast<unsigned char>(stored[0]);
        EXPECT_GE(c, 32) << d;
        EXPECT_EQ(decode(stored), std::string(1, static_cast<char>(d))) << d;
    }
    EXPECT_EQ(questions::scramble("\xE9\xEA"), "\xFF\x20");  // 233 -> 255, 234 -> 32
}

TEST(VelmoraBank, SixLineRecordsInWindows1251WithLevelKeys) {
    const auto lines = crLfLines(questions::velmoraBank("\xEF\xBB\xBF" + velmoraSource(), "src.txt"));
    ASSERT_EQ(lines.size(), 15u * 6);
    EXPECT_EQ(lines[0], "\xC2\xEE\xEF\xF0\xEE\xF1 1");  // "Вопрос 1"
    EXPECT_EQ(lines[1], "\xCD\xEE\xE9");                // "Ной"
    EXPECT_EQ(lines[5], "1");
    EXPECT_EQ(lines[89], "15");
}

TEST(VelmoraBank, FaultsNameTheFileAndLine) {
    const std::string good = velmoraSource();
    EXPECT_EQ(velmoraError(velmoraSource(14)), "src.txt:86: expected 15 levels, found 14");
    EXPECT_EQ(velmoraError(good + "== 16\n" + velmoraRecord("Ещё")), "src.txt:93: more than 15 levels");
    EXPECT_EQ(velmoraError("== 2\n"), "src.txt:1: expected the heading \"== 1\"");
    EXPECT_EQ(velmoraError("== 1\n== 2\n"), "src.txt:2: level 1 has no question");
    EXPECT_EQ(velmoraError("Q: Вопрос\n"), "src.txt:1: a record before the heading \"== 1\"");
    EXPECT_EQ(velmoraError("== 1\nQ: Вопрос\nR: Ной\nW: Сим\nW: Хам\n== 2\n"),
              "src.txt:6: expected \"W:\" here, found \"==\"");
    EXPECT_EQ(velmoraError("== 1\nQ: Вопрос\nR: Ной\nW: Сим\nW: Хам\n"),
              "src.txt:5: the file ends inside a record; \"W:\" expected");
    EXPECT_EQ(velmoraError("== 1\n" + velmoraRecord("Вопрос") + "W: Лишний\n"),
              "src.txt:7: \"W:\" outside a record (Q:, R: and three W:)");
    EXPECT_EQ(velmoraError("== 1\nQ: Вопрос\nR:\n"), "src.txt:3: empty text");
    EXPECT_EQ(velmoraError("== 1\nQ: Что значит 水?\n"),
              "src.txt:2: a character that Windows-1251 cannot hold");
    EXPECT_EQ(velmoraError("== 1\nQ: Хлеб & вино\n"), "src.txt:2: '&' cannot be shown by the games");
    EXPECT_EQ(velmoraError("== 1\n" + velmoraRecord("Вопрос") + "== 2\n" + velmoraRecord("Вопрос")),
              "src.txt:8: the question of line 2 again");
    EXPECT_EQ(velmoraError("== 1\nвопрос без метки\n"), "src.txt:2: expected \"== N\" or \"X: text\"");
}

TEST(QuorvantBank, ScrambledLinesThatDecodeToTheFields) {
    const auto lines = crLfLines(questions::quorvantBank(
        quorvantRecord + "Q: Без второго\r\nA: 1\r\nB: 2\r\nC: 3\r\nD: 4\r\nR: D\r\n", "src.txt"));
    ASSERT_EQ(lines.size(), 2u);
    // "Столица Франции?*подсказка*Лион*#Париж*Ницца*Марсель*" in Windows-1251
    EXPECT_EQ(
        decode(lines[0]),
        "\xD1\xF2\xEE\xEB\xE8\xF6\xE0 \xD4\xF0\xE0\xED\xF6\xE8\xE8?*\xEF\xEE\xE4\xF1\xEA\xE0\xE7\xEA\xE0*"
        "\xCB\xE8\xEE\xED*#\xCF\xE0\xF0\xE8\xE6*\xCD\xE8\xF6\xF6\xE0*\xCC\xE0\xF0\xF1\xE5\xEB\xFC*");
    EXPECT_EQ(decode(lines[1]), "\xC1\xE5\xE7 \xE2\xF2\xEE\xF0\xEE\xE3\xEE**1*2*3*#4*");
}

TEST(QuorvantBank, FaultsNameTheFileAndLine) {
    EXPECT_EQ(quorvantError("Q: Звезда * ли?\n"), "src.txt:1: '*' ends a field and cannot stand in a text");
    EXPECT_EQ(quorvantError("Q: Вопрос\nA: #1\n"), "src.txt:2: an answer cannot begin with '#'");
    EXPECT_EQ(quorvantError("Q: Вопрос\nA: 1\nB: 2\nC: 3\nD: 4\nR: E\n"),
              "src.txt:6: \"R:\" names one letter, A to D");
    EXPECT_EQ(quorvantError("Q: Вопрос\nA: 1\nB: 2\nC: 3\nD: 4\nR: AB\n"),
              "src.txt:6: \"R:\" names one letter, A to D");
    EXPECT_EQ(quorvantError("Q: Вопрос\nA: 1\nB: 2\nD: 4\nR: A\n"),
              "src.txt:4: expected \"C:\" here, found \"D:\"");
    EXPECT_EQ(quorvantError("Q: Вопрос\nA: 1\tи 2\n"), "src.txt:2: a control character in the text");
    EXPECT_EQ(quorvantError(quorvantRecord + quorvantRecord), "src.txt:8: the question of line 1 again");
    EXPECT_EQ(quorvantError("# nothing\n"), "src.txt:1: no question");
}

TEST(FirstStatistics, SixteenZeroLines) {
    EXPECT_EQ(crLfLines(questions::firstStatistics()), std::vector<std::string>(16, "0"));
}
