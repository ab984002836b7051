#include "question_list.h"
#include "main_window.h"
#include "toolkit/controls.h"
#include "toolkit/text.h"
#include "toolkit/convert.h"
#include "toolkit/random.h"

#include <algorithm>
#include <climits>
#include <cmath>

using namespace tk::literals;

namespace quorvant {

std::string decodeBankLine(std::string_view stored) {
    std::string decoded(stored.size(), '\0');
    std::transform(stored.begin(), stored.end(), decoded.begin(),
                   [](char c) { return decodeByte(static_cast<unsigned char>(c)); });
    return decoded;
}

int splitQuestionFields(std::string_view decoded, QuestionFieldSlots& fields) {
    const int lastSlot = static_cast<int>(fields.size()) - 1;
    int field = 1;
    size_t start = 0;
    for (size_t star = decoded.find('*'); star != std::string_view::npos && field <= lastSlot;
         star = decoded.find('*', start)) {
        fields[field++].assign(decoded.substr(start, star - start));
        start = star + 1;
    }
    return field - 1;
}

std::int64_t blockSize(std::int64_t lines, int blocks) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    return static_cast<std::int64_t>(std::nearbyint(static_cast<double>(lines) / blocks));
}

namespace {

// Passes over the next `count` lines of the bank, leaving lineBuffer as reading them one by one
// into it would: holding the last of them, empty when that lies past the end of the file.
void passLines(tk::TextFile& bank, std::int64_t count, std::string& lineBuffer) {
    if (bank.SkipLines(count, &lineBuffer) < count) lineBuffer.clear();
}

// Draws one line from each of `blocks` consecutive blocks of the bank file `name` into `list`.
void drawFromBank(tk::TextFile& bank, const char* name, int blocks, tk::TextFile& list, std::string& lineBuffer,
                  std::string& pickedLine) {
    bank.Assign(name);
    bank.Reset();
    const std::int64_t lines = bank.SkipLines(INT64_MAX, &lineBuffer);
    bank.Close();
    bank.Reset();
    const std::int64_t size = blockSize(lines, blocks);
    for (int block = 0; block < blocks; ++block) {
        const std::int64_t pick = tk::Random(static_cast<int>(std::min<std::int64_t>(size, INT_MAX))) + 1;
        if (size > 0) {  // lines 1 to size of the block; the pick goes into pickedLine
            passLines(bank, pick - 1, lineBuffer);
            pickedLine = bank.ReadLine();
            passLines(bank, size - pick, lineBuffer);
        }
        list.WriteLine(pickedLine);
    }
}

}  // namespace

void drawQuestionList(tk::TextFile& bank, tk::TextFile& list, std::string& lineBuffer, std::string& pickedLine) {
    drawFromBank(bank, "bank0.txt", 5, list, lineBuffer, pickedLine);
    bank.Close();
    drawFromBank(bank, "bank.txt", 10, list, lineBuffer, pickedLine);
    bank.Close();
    list.Close();
}

}  // namespace quorvant

void TForm1::DrawQuestionList() { quorvant::drawQuestionList(BankFile, QuestionListFile, LineBuffer, PickedLine); }

void TForm1::DecodeBankLine() { LineBuffer = quorvant::decodeBankLine(LineBuffer); }

void TForm1::ShowQuestionLine() {
    quorvant::splitQuestionFields(LineBuffer, QuestionFields);
    Label1->setCaption(QuestionFields[1]);
    tk::Label* const answerLabels[] = {Label2, Label3, Label4, Label5};
    for (int letter = 1; letter <= 4; ++letter) {
        std::string& answer = QuestionFields[letter + 2];
        if (!answer.empty() && answer.front() == '#') {
            CorrectIndex = letter;
            answer.erase(0, 1);
        }
        answerLabels[letter - 1]->setCaption(answer);
    }
    Label6->setCaption("Вопрос № "_cp + tk::IntToStr(AnsweredCount + 1));
}

void TForm1::vopros() {
    if (AnsweredCount < 5) SafeSumText = "0";
    else if (AnsweredCount < 10) SafeSumText = "5000";
    else SafeSumText = "100 000";
    LineBuffer = QuestionListFile.ReadLine();
    DecodeBankLine();
    if (AnsweredCount == quorvant::kQuestionsPerGame) {
        GameActive = false;
        QuestionListFile.Close();
    }
    if (!GameActive) return;
    ShowQuestionLine();
}
