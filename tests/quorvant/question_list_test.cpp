// Stored question lines: decoding, the split into fields, block sizes and the draw into the list.
#include "game_fixture.h"
#include "quorvant/question_list.h"
#include "toolkit/error.h"

#include <set>

using namespace quorvant;
using namespace quorvant_testing;

namespace {

TEST(Decoding, MapsTheBoundaryBytes) {
    EXPECT_EQ(decodeByte(54), char(32));
    EXPECT_EQ(decodeByte(53), char(255));
    EXPECT_EQ(decodeByte(0), char(202));
    EXPECT_EQ(decodeByte(255), char(233));
}

TEST(Decoding, IsOneToOneOnPrintableBytesAndKeepsTheLength) {
    std::set<unsigned char> seen;
    for (int c = 32; c <= 255; ++c) {
        const auto d = static_cast<unsigned char>(decodeByte(static_cast<unsigned char>(c)));
        EXPECT_GE(d, 32);
        seen.insert(d);
    }
    EXPECT_EQ(seen.size(), 224u);
    for (int c = 0; c < 32; ++c) EXPECT_EQ(decodeByte(c), decodeByte(c + 224));
    const std::string stored("\x00\x0a\x36\xff", 4);
    EXPECT_EQ(decodeBankLine(stored), std::string("\xca\xd4\x20\xe9", 4));
    EXPECT_EQ(decodeBankLine(encodeLine("Q1*x*#A*")), "Q1*x*#A*");
}

TEST(Splitting, StoresStarEndedFieldsAndDropsTheTail) {
    QuestionFieldSlots fields;
    fields[6] = "old D";
    EXPECT_EQ(splitQuestionFields("Why?**#yes*no*tail", fields), 4);
    EXPECT_EQ(fields[1], "Why?");
    EXPECT_EQ(fields[2], "");
    EXPECT_EQ(fields[3], "#yes");
    EXPECT_EQ(fields[4], "no");
    EXPECT_EQ(fields[5], "");  // never written
    EXPECT_EQ(fields[6], "old D");
    EXPECT_EQ(splitQuestionFields("", fields), 0);
    EXPECT_EQ(splitQuestionFields("no star at all", fields), 0);
    EXPECT_EQ(fields[1], "Why?");
}

TEST(Splitting, IgnoresFieldsPastTheLastSlot) {
    std::string line;
    for (int k = 1; k <= 600; ++k) line += std::to_string(k) + "*";
    QuestionFieldSlots fields;
    EXPECT_EQ(splitQuestionFields(line, fields), 505);
    EXPECT_EQ(fields[505], "505");
    EXPECT_EQ(fields[0], "");
}

TEST(BlockSize, RoundsToNearestWithTiesToEven) {
    EXPECT_EQ(blockSize(12, 5), 2);
    EXPECT_EQ(blockSize(13, 5), 3);
    EXPECT_EQ(blockSize(2, 5), 0);
    EXPECT_EQ(blockSize(125, 10), 12);
    EXPECT_EQ(blockSize(135, 10), 14);
    EXPECT_EQ(blockSize(100, 10), 10);
    EXPECT_EQ(blockSize(5, 10), 0);
    EXPECT_EQ(blockSize(15, 10), 2);
    EXPECT_EQ(blockSize(0, 5), 0);
}

// The draw on its own, in a folder holding the two banks.
class Draw : public testing::Test {
protected:
    Draw() { testing_support::fixSeed(7); }

    std::vector<std::string> draw() {
        bank.setCtrlZEndsFile(true);
        list.Assign("spisok.txt");
        list.Rewrite();
        drawQuestionList(bank, list, lineBuffer, pickedLine);
        return splitLines(folder.read("spisok.txt"));
    }
    // The line number within `bankLines` of a drawn line (0: not there).
    static int lineNumber(const std::string& bankText, const std::string& line) {
        const auto lines = splitLines(bankText);
        for (size_t k = 0; k < lines.size(); ++k)
            if (lines[k] == line) return static_cast<int>(k) + 1;
        return 0;
    }

    testing_support::TempFolder folder;
    tk::TextFile bank, list;
    std::string lineBuffer, pickedLine;
};

TEST_F(Draw, TakesOneLineFromEachBlockInFileOrder) {
    const std::string bank0 = bankOf("a", 12), bank1 = bankOf("b", 125);
    folder.write("bank0.txt", bank0);
    folder.write("bank.txt", bank1);
    std::vector<std::set<int>> picked(15);
    for (int game = 0; game < 200; ++game) {
        const auto lines = draw();
        ASSERT_EQ(lines.size(), 15u);
        for (int k = 1; k <= 5; ++k) {
            const int n = lineNumber(bank0, lines[k - 1]);
            EXPECT_TRUE(n == 2 * k - 1 || n == 2 * k) << "question " << k << " from line " << n;
            picked[k - 1].insert(n);
        }
        for (int k = 1; k <= 10; ++k) {
            const int n = lineNumber(bank1, lines[4 + k]);
            EXPECT_TRUE(n > 12 * (k - 1) && n <= 12 * k) << "question " << 5 + k << " from line " << n;
            picked[4 + k].insert(n);
        }
    }
    for (int k = 0; k < 5; ++k) EXPECT_EQ(picked[k].size(), 2u);      // lines 11 and 12 never
    for (int k = 5; k < 15; ++k) EXPECT_EQ(picked[k].size(), 12u);    // lines 121..125 never
    EXPECT_FALSE(bank.isOpen());
    EXPECT_FALSE(list.isOpen());
}

TEST_F(Draw, ABlockReachingPastTheEndCanGiveAnEmptyLine) {
    folder.write("bank0.txt", bankOf("a", 13));
    folder.write("bank.txt", bankOf("b", 135));
    std::set<std::string> fifth, fifteenth;
    for (int game = 0; game < 200; ++game) {
        const auto lines = draw();
        fifth.insert(lines[4]);
        fifteenth.insert(lines[14]);
    }
    EXPECT_EQ(fifth, (std::set<std::string>{"", questionLine("a13", 13 % 4 + 1)}));
    EXPECT_EQ(fifteenth.size(), 10u);  // lines 127..135, or past the end (5 of 14 picks)
    EXPECT_TRUE(fifteenth.count(""));
}

TEST_F(Draw, AnEmptyBlockWritesThePreviousPickAgain) {
    folder.write("bank0.txt", bankOf("a", 2));
    folder.write("bank.txt", bankOf("b", 10));
    auto lines = draw();
    for (int k = 0; k < 5; ++k) EXPECT_EQ(lines[k], "");  // nothing picked yet in this run
    pickedLine = "earlier";
    lines = draw();
    for (int k = 0; k < 5; ++k) EXPECT_EQ(lines[k], "earlier");
    EXPECT_EQ(lines[5], questionLine("b1", 2));  // blocks of one line
    EXPECT_EQ(lines[14], questionLine("b10", 3));
}

// The lines passed over are not copied, yet the line buffer ends as reading them into it would leave
// it: holding the last line read and not picked.
TEST_F(Draw, LeavesTheLastLineReadAndNotPickedInTheLineBuffer) {
    folder.write("bank0.txt", bankOf("a", 12));
    const auto lines125 = splitLines(bankOf("b", 125));
    folder.write("bank.txt", bankOf("b", 125));  // the last block is lines 109 to 120
    for (int game = 0; game < 40; ++game) {
        const bool line120Picked = draw()[14] == lines125[119];
        EXPECT_EQ(lineBuffer, lines125[line120Picked ? 118 : 119]);
    }
    folder.write("bank.txt", bankOf("b", 135));  // the last block, 127 to 140, reaches past the end
    draw();
    EXPECT_EQ(lineBuffer, "");
    folder.write("bank.txt", bankOf("b", 3));  // blocks of no lines: the count's last line is left
    draw();
    EXPECT_EQ(lineBuffer, splitLines(bankOf("b", 3))[2]);
}

TEST_F(Draw, ByteTwentySixEndsABank) {
    folder.write("bank0.txt", bankOf("a", 5) + "\x1a" + bankOf("x", 5));
    folder.write("bank.txt", bankOf("b", 10));
    const auto lines = draw();
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(lines[k - 1], questionLine("a" + std::to_string(k), k % 4 + 1));
}

TEST_F(Draw, AMissingBankNamesTheFileAndLeavesTheListOpen) {
    folder.write("bank0.txt", bankOf("a", 10));
    try {
        draw();
        FAIL() << "no error";
    } catch (const tk::Error& error) {
        EXPECT_NE(std::string(error.what()).find("bank.txt"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("No such file"), std::string::npos);
    }
    EXPECT_TRUE(list.isOpen());
    EXPECT_FALSE(bank.isOpen());
}

}  // namespace
