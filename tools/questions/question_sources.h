#pragma once
// The readable UTF-8 question sources and the shipped files made from them: Velmora's base.txt,
// Quorvant's scrambled bank0.txt and bank.txt, and the first stat.txt. All shipped files are
// Windows-1251 with CR LF after every line.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace questions {

// A fault in a source, worded for the author: "FILE:LINE: what is wrong".
struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One question as its source gives it, every text already in Windows-1251.
struct Record {
    int line = 0;                      // of the "Q:" line
    int level = 0;                     // Velmora's heading; 0 in Quorvant, whose blocks the bank's length sets
    std::string question;
    std::string stored;                // Quorvant's "I:" field, empty without one
    std::vector<std::string> answers;  // Velmora's right answer first, Quorvant's in A to D order
    int right = 0;                     // index of the right answer in `answers`
};

// Velmora source: "== N" level headings (1 to 15, in order), each followed by records of one
// "Q:" question, one "R:" right answer and three "W:" wrong answers. Returns base.txt: six-line
// records whose level key is the heading's number. The records alone serve checks of the content.
std::string velmoraBank(std::string_view source, const std::string& fileName);
std::vector<Record> velmoraRecords(std::string_view source, const std::string& fileName);

// Quorvant source: records of "Q:", an optional "I:" (the stored, never shown field), "A:" to
// "D:" and "R:" naming the right letter. Returns a bank: one scrambled question line per record,
// or the records in the order of the file.
std::string quorvantBank(std::string_view source, const std::string& fileName);
std::vector<Record> quorvantRecords(std::string_view source, const std::string& fileName);

// Scrambles Windows-1251 text so that Quorvant's decoding (c >= 54 gives c - 22, smaller bytes give
// c + 202) turns it back. Every byte must be 32 or more.
std::string scramble(std::string_view text);

// The first statistics file: 16 zero counters.
std::string firstStatistics();

}  // namespace questions
