#pragma once
// The question bank base.txt: six-line records grouped by level key into 15 level groups. The main
// window and the trainer each scan it once and draw a game's 15 questions from it; the bank is read
// from the file at every draw and never held in memory.
#include <array>
#include <string>

// One record of the bank, its six lines in file order (Windows-1251 bytes, as read).
struct QuestionRecord {
    std::string Text;
    std::string Correct;
    std::string Wrong1;
    std::string Wrong2;
    std::string Wrong3;
    std::string LevelKey;
};

using LevelBoundsTable = std::array<int, 17>;        // [1..16] used
using QuestionSet = std::array<QuestionRecord, 16>;  // [1..15] used
using AnswerSet = std::array<std::string, 5>;        // [1..4] used

constexpr int LevelCount = 15;
// The bank's file name, relative to the current directory.
constexpr const char* BankFileName = "base.txt";

// Reads base.txt and fills LevelBounds: [n] is the first record of level group n, [16] the number
// of records plus 1. A bank without exactly 15 groups is refused with a tk::Error naming the file
// and the number of groups found, and LevelBounds is then left all zero.
void ScanLevelGroups(LevelBoundsTable& LevelBounds);
// Whether LevelBounds holds the result of a successful scan.
bool LevelBoundsValid(const LevelBoundsTable& LevelBounds);
// Draws one random record of each level group into Questions[1..15], reading base.txt once, front
// to back. LevelBounds must be valid.
void DrawQuestions(const LevelBoundsTable& LevelBounds, int& RandomBound, QuestionSet& Questions);
// Puts Answers[1..4] into a random order, every order equally likely.
void ShuffleAnswers(AnswerSet& Answers);
// Deals a record's answers for showing: the right one into Answers[1] and CorrectAnswer, the wrong
// ones into Answers[2..4], then ShuffleAnswers.
void DealAnswers(const QuestionRecord& question, AnswerSet& Answers, std::string& CorrectAnswer);
