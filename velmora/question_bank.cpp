#include "question_bank.h"

#include "toolkit/error.h"
#include "toolkit/random.h"
#include "toolkit/text_file.h"

#include <cstdint>

namespace {

constexpr std::int64_t RecordLines = 6;

// Reads the next six lines into a record; past the end of the file they are empty.
void ReadRecord(tk::TextFile& bank, QuestionRecord& record) {
    record.Text = bank.ReadLine();
    record.Correct = bank.ReadLine();
    record.Wrong1 = bank.ReadLine();
    record.Wrong2 = bank.ReadLine();
    record.Wrong3 = bank.ReadLine();
    record.LevelKey = bank.ReadLine();
}

}  // namespace

void ScanLevelGroups(LevelBoundsTable& LevelBounds) {
    LevelBounds = {};
    tk::TextFile bank;
    bank.Assign(BankFileName);
    bank.Reset();
    // Bounds are gathered aside and taken only for a bank of exactly 15 groups, so a bank with more
    // never writes past the table.
    LevelBoundsTable found{};
    std::string previousKey, key;
    int record = 1;
    int group = 1;
    while (!bank.Eof()) {
        // Only a record's key, its last line, matters here; past the end of the file it is empty.
        bank.SkipLines(RecordLines - 1);
        key = bank.ReadLine();
        if (key != previousKey) {
            if (group <= LevelCount) found[group] = record;
            ++group;
        }
        previousKey = key;
        ++record;
    }
    bank.Close();
    const int groups = group - 1;
    if (groups != LevelCount)
        throw tk::Error(std::string("The question bank \"") + BankFileName + "\" has " + std::to_string(groups) +
                        " level groups; it must have exactly " + std::to_string(LevelCount));
    found[LevelCount + 1] = record;
    LevelBounds = found;
}

bool LevelBoundsValid(const LevelBoundsTable& LevelBounds) {
    if (LevelBounds[1] < 1) return false;
    for (int n = 1; n <= LevelCount; ++n)
        if (LevelBounds[n] >= LevelBounds[n + 1]) return false;
    return true;
}

void DrawQuestions(const LevelBoundsTable& LevelBounds, int& RandomBound, QuestionSet& Questions) {
    if (!LevelBoundsValid(LevelBounds))
        throw tk::Error(std::string("No game can be drawn from \"") + BankFileName + "\": its level groups are unknown");
    tk::TextFile bank;
    bank.Assign(BankFileName);
    bank.Reset();
    RandomBound = LevelBounds[LevelCount + 1] - 1;
    int nextRecord = 1;
    for (int n = 1; n <= LevelCount; ++n) {
        // The choice runs over the whole bank until it falls into group n: every record of the
        // group is equally likely.
        int r;
        do {
            r = 1 + tk::Random(RandomBound);
        } while (r < LevelBounds[n] || r >= LevelBounds[n + 1]);
        // r lies past the record chosen for level n - 1, as the groups follow one another; the
        // records between are passed over unread.
        bank.SkipLines(RecordLines * (r - nextRecord));
        ReadRecord(bank, Questions[n]);
        nextRecord = r + 1;
    }
    bank.Close();
}

void ShuffleAnswers(AnswerSet& Answers) {
    std::array<double, 5> keys{};
    for (int i = 1; i <= 4; ++i) keys[i] = tk::RandomReal();
    // Sorted into descending order of independent keys: every order is equally likely.
    for (int i = 1; i <= 3; ++i)
        for (int j = i + 1; j <= 4; ++j)
            if (keys[i] < keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(Answers[i], Answers[j]);
            }
}

void DealAnswers(const QuestionRecord& question, AnswerSet& Answers, std::string& CorrectAnswer) {
    Answers[1] = question.Correct;
    CorrectAnswer = question.Correct;
    Answers[2] = question.Wrong1;
    Answers[3] = question.Wrong2;
    Answers[4] = question.Wrong3;
    ShuffleAnswers(Answers);
}
