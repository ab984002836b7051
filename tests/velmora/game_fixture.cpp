#include "game_fixture.h"

#include "velmora/main_window.h"
#include "velmora/trainer.h"

#include "toolkit/text_file.h"

namespace velmora_testing {

std::string record(const std::string& text, const std::string& correct, const std::string& wrong1,
                   const std::string& wrong2, const std::string& wrong3, const std::string& key) {
    std::string lines;
    for (const std::string* line : {&text, &correct, &wrong1, &wrong2, &wrong3, &key}) lines += *line + "\r\n";
    return lines;
}

std::string bank(const std::vector<int>& sizes) {
    std::string text;
    for (int n = 1; n <= static_cast<int>(sizes.size()); ++n)
        for (int i = 1; i <= sizes[n - 1]; ++i) {
            const std::string id = std::to_string(n) + "." + std::to_string(i);
            text += record("Q" + id, "R" + id, "W" + id + "a", "W" + id + "b", "W" + id + "c", "K" + std::to_string(n));
        }
    return text;
}

std::string bank15() { return bank(std::vector<int>(15, 1)); }

std::string allRightBank() {
    std::string text;
    for (int n = 1; n <= 15; ++n) {
        const std::string right = "R" + std::to_string(n);
        text += record("Q" + std::to_string(n), right, right, right, right, "K" + std::to_string(n));
    }
    return text;
}

std::string statFile(const std::vector<int>& counts) {
    std::string text;
    for (int count : counts) text += std::to_string(count) + "\r\n";
    return text;
}

std::string zeroStats() { return statFile(std::vector<int>(16, 0)); }

std::vector<std::string> statLines() {
    tk::TextFile file;
    file.Assign("stat.txt");
    file.Reset();
    std::vector<std::string> lines;
    while (!file.Eof()) lines.push_back(file.ReadLine());
    file.Close();
    return lines;
}

GameTest::~GameTest() { windows.reset(); }

void GameTest::start(const std::string& bankText, bool withStats) {
    folder.write("base.txt", bankText);
    if (withStats) folder.write("stat.txt", zeroStats());
    createWindowsOnly();
}

void GameTest::createWindowsOnly() { windows = createWindows(); }

int GameTest::rightPlace() const {
    for (int place = 1; place <= 4; ++place)
        if (Form1->Answers[place] == Form1->CorrectAnswer) return place;
    return 0;
}

void GameTest::answerRight() { Form1->AnswerButton(rightPlace())->click(); }

void GameTest::answerWrong() { Form1->AnswerButton(rightPlace() % 4 + 1)->click(); }

}  // namespace velmora_testing
