#pragma once
// The question list of a game: the draw of 15 scrambled lines from the two banks into spisok.txt,
// the decoding of a stored line, and the split of a decoded line into its "*"-ended fields.
// The window's handlers (DrawQuestionList, DecodeBankLine, ShowQuestionLine, vopros) are built on
// these functions, which need no window.
#include "toolkit/text_file.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvant {

constexpr int kQuestionsPerGame = 15;
// Fields 1..505 of a question line; slot 0 is not a field.
using QuestionFieldSlots = std::array<std::string, 506>;

// One stored byte to its character: 32 + ((c - 54) mod 224), so 54 gives a blank, 53 gives 255,
// 0 gives 202 and 255 gives 233.
inline char decodeByte(unsigned char c) { return static_cast<char>(c >= 54 ? c - 22 : c + 202); }
std::string decodeBankLine(std::string_view stored);

// Puts the k-th "*"-ended field of the line into fields[k]. Text after the last "*" is dropped,
// slots the line does not reach keep what they held, and fields past the last slot are ignored.
// Returns the number of fields stored.
int splitQuestionFields(std::string_view decoded, QuestionFieldSlots& fields);

// Lines per block: lines / blocks rounded to the nearest integer, ties to even.
std::int64_t blockSize(std::int64_t lines, int blocks);

// The draw of one game. `list` has just been created empty for writing; 5 lines are drawn from
// "bank0.txt" and 10 from "bank.txt" through `bank`, one from each consecutive block, and both
// files are closed. `lineBuffer` is left as reading the lines not picked into it would leave it
// (they are passed over, and only the last is copied); `pickedLine` takes the pick of the current
// block, kept from block to block (a block of no lines writes it again).
void drawQuestionList(tk::TextFile& bank, tk::TextFile& list, std::string& lineBuffer, std::string& pickedLine);

}  // namespace quorvant
