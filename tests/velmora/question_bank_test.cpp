// The bank's grouping rules, the draw and the shuffle, on banks written by the tests.
#include "game_fixture.h"

#include "velmora/question_bank.h"

#include "toolkit/error.h"

#include <gmock/gmock.h>
#include <fstream>
#include <map>
#include <set>

using namespace velmora_testing;
using testing::HasSubstr;

namespace {

class BankTest : public ::testing::Test {
protected:
    BankTest() { testing_support::fixSeed(7); }

    LevelBoundsTable scan(const std::string& text) {
        folder.write("base.txt", text);
        LevelBoundsTable bounds{};
        ScanLevelGroups(bounds);
        return bounds;
    }
    // The message of a refused scan, checking that the table is left all zero.
    std::string refusal(const std::string& text) {
        folder.write("base.txt", text);
        LevelBoundsTable bounds{};
        bounds.fill(99);
        try {
            ScanLevelGroups(bounds);
        } catch (const tk::Error& error) {
            EXPECT_EQ(bounds, LevelBoundsTable{});
            EXPECT_FALSE(LevelBoundsValid(bounds));
            return error.what();
        }
        ADD_FAILURE() << "the bank was not refused";
        return {};
    }
    QuestionSet draw(const LevelBoundsTable& bounds) {
        QuestionSet questions{};
        int randomBound = 0;
        DrawQuestions(bounds, randomBound, questions);
        EXPECT_EQ(randomBound, bounds[16] - 1);
        return questions;
    }

    testing_support::TempFolder folder;
};

// Records with the given keys, each record's text its number.
std::string keyed(const std::vector<std::string>& keys) {
    std::string text;
    for (size_t i = 0; i < keys.size(); ++i) {
        const std::string id = std::to_string(i + 1);
        text += record("Q" + id, "R" + id, "a", "b", "c", keys[i]);
    }
    return text;
}

// Keys of 12 further groups, so that a bank starting with other keys has 15 groups in all.
std::vector<std::string> withTwelveMore(std::vector<std::string> keys) {
    for (int n = 1; n <= 12; ++n) keys.push_back("tail" + std::to_string(n));
    return keys;
}

TEST_F(BankTest, FifteenRecordsOfFifteenKeysAlwaysDrawTheSameQuestionsInFileOrder) {
    const LevelBoundsTable bounds = scan(bank15());
    EXPECT_EQ(bounds, (LevelBoundsTable{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_TRUE(LevelBoundsValid(bounds));
    for (int game = 0; game < 3; ++game) {
        const QuestionSet questions = draw(bounds);
        for (int n = 1; n <= 15; ++n) {
            const std::string id = std::to_string(n) + ".1";
            EXPECT_EQ(questions[n].Text, "Q" + id);
            EXPECT_EQ(questions[n].Correct, "R" + id);
            EXPECT_EQ(questions[n].Wrong3, "W" + id + "c");
            EXPECT_EQ(questions[n].LevelKey, "K" + std::to_string(n));
        }
    }
}

TEST_F(BankTest, OnlyAChangeOfKeyOpensAGroup) {
    // A, A, B, A: records 1-2, 3, 4.
    LevelBoundsTable bounds = scan(keyed(withTwelveMore({"A", "A", "B", "A"})));
    EXPECT_EQ(bounds[1], 1);
    EXPECT_EQ(bounds[2], 3);
    EXPECT_EQ(bounds[3], 4);
    EXPECT_EQ(bounds[4], 5);
    EXPECT_EQ(bounds[16], 17);
    // Letter case and a trailing blank make different keys.
    bounds = scan(keyed(withTwelveMore({"Key", "key", "key ", "key "})));
    EXPECT_EQ(bounds[1], 1);
    EXPECT_EQ(bounds[2], 2);
    EXPECT_EQ(bounds[3], 3);
    EXPECT_EQ(bounds[4], 5);
}

TEST_F(BankTest, RecordsWithAnEmptyKeyAtTheStartBelongToNoLevelAndAreNeverDrawn) {
    std::vector<std::string> keys{"", ""};
    for (int n = 1; n <= 15; ++n) keys.push_back("K" + std::to_string(n));
    const LevelBoundsTable bounds = scan(keyed(keys));
    EXPECT_EQ(bounds[1], 3);
    EXPECT_EQ(bounds[16], 18);
    for (int game = 0; game < 50; ++game) {
        const QuestionSet questions = draw(bounds);
        EXPECT_EQ(questions[1].Text, "Q3");
    }
}

TEST_F(BankTest, ABankWithoutExactlyFifteenGroupsIsRefusedNamingTheFileAndTheGroupsFound) {
    // A stray blank line after the last record is one more record with an empty key.
    EXPECT_THAT(refusal(bank15() + "\r\n"), AllOf(HasSubstr("base.txt"), HasSubstr("16")));
    EXPECT_THAT(refusal(bank(std::vector<int>(14, 2))), AllOf(HasSubstr("base.txt"), HasSubstr("14")));
    // Far more groups than the table has room for.
    EXPECT_THAT(refusal(bank(std::vector<int>(40, 1))), HasSubstr("40"));
    EXPECT_THAT(refusal(""), HasSubstr(" 0 "));
}

TEST_F(BankTest, AMissingBankFailsNamingTheFile) {
    LevelBoundsTable bounds{};
    try {
        ScanLevelGroups(bounds);
        FAIL();
    } catch (const tk::Error& error) {
        EXPECT_THAT(error.what(), HasSubstr("base.txt"));
    }
    int randomBound = 0;
    QuestionSet questions{};
    EXPECT_THROW(DrawQuestions(bounds, randomBound, questions), tk::Error);
}

TEST_F(BankTest, LineEndsAndAMissingFinalLineBreakReadTheSame) {
    const std::string crlf = bank({1, 2, 1, 3, 1, 1, 2, 1, 1, 1, 1, 4, 1, 1, 2});
    std::string lf;
    for (char c : crlf)
        if (c != '\r') lf += c;
    const std::string unterminated = crlf.substr(0, crlf.size() - 2);
    const LevelBoundsTable expected = scan(crlf);
    testing_support::fixSeed(11);
    const QuestionSet fromCrlf = draw(expected);
    for (const std::string& text : {lf, unterminated}) {
        EXPECT_EQ(scan(text), expected);
        testing_support::fixSeed(11);
        const QuestionSet questions = draw(expected);
        for (int n = 1; n <= 15; ++n) {
            EXPECT_EQ(questions[n].Text, fromCrlf[n].Text);
            EXPECT_EQ(questions[n].LevelKey, fromCrlf[n].LevelKey);
        }
    }
}

TEST_F(BankTest, EveryRecordOfAGroupIsDrawnAboutEquallyOften) {
    // Level 1 has 4 records; the last level's 3 records end the file.
    const LevelBoundsTable bounds = scan(bank({4, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3}));
    std::map<std::string, int> first, last;
    const int games = 3000;
    for (int game = 0; game < games; ++game) {
        const QuestionSet questions = draw(bounds);
        ++first[questions[1].Text];
        ++last[questions[15].Text];
        EXPECT_EQ(questions[2].Text, "Q2.1");
    }
    ASSERT_EQ(first.size(), 4u);
    for (const auto& [text, count] : first) EXPECT_NEAR(count, games / 4, games / 4 / 5) << text;
    ASSERT_EQ(last.size(), 3u);
    for (const auto& [text, count] : last) EXPECT_NEAR(count, games / 3, games / 3 / 5) << text;
}

// Bytes this process has read from files so far.
long long bytesRead() {
    std::ifstream io("/proc/self/io");
    std::string field;
    long long value = 0;
    while (io >> field >> value)
        if (field == "rchar:") return value;
    return -1;
}

TEST_F(BankTest, ADrawReadsTheBankOnceFromItsStart) {
    // Large groups with the chosen records far apart: rereading would read much more than the file.
    const std::string text = bank(std::vector<int>(15, 400));
    const LevelBoundsTable bounds = scan(text);
    for (int game = 0; game < 5; ++game) {
        const long long before = bytesRead();
        const QuestionSet questions = draw(bounds);
        const long long read = bytesRead() - before;
        EXPECT_LE(read, static_cast<long long>(text.size()) + 65536);
        for (int n = 1; n <= 15; ++n) EXPECT_EQ(questions[n].LevelKey, "K" + std::to_string(n));
    }
}

TEST_F(BankTest, ABankShortenedAfterTheScanGivesEmptyRecordsInsteadOfFailing) {
    const LevelBoundsTable bounds = scan(bank15());
    folder.write("base.txt", bank(std::vector<int>(10, 1)));
    const QuestionSet questions = draw(bounds);
    EXPECT_EQ(questions[10].Text, "Q10.1");
    EXPECT_EQ(questions[11].Text, "");
    EXPECT_EQ(questions[15].LevelKey, "");
}

TEST(Shuffle, EveryPlaceAndEveryOrderComesAboutEquallyOften) {
    testing_support::fixSeed(3);
    std::map<int, int> rightAt;
    std::set<std::string> orders;
    const int shuffles = 8000;
    for (int i = 0; i < shuffles; ++i) {
        AnswerSet answers{"", "R", "a", "b", "c"};
        ShuffleAnswers(answers);
        for (int place = 1; place <= 4; ++place)
            if (answers[place] == "R") ++rightAt[place];
        orders.insert(answers[1] + answers[2] + answers[3] + answers[4]);
    }
    for (int place = 1; place <= 4; ++place) EXPECT_NEAR(rightAt[place], shuffles / 4, shuffles / 4 / 10);
    EXPECT_EQ(orders.size(), 24u);
    // Equal texts stay, both of them.
    AnswerSet twins{"", "same", "same", "x", "y"};
    ShuffleAnswers(twins);
    EXPECT_EQ(std::count(twins.begin(), twins.end(), "same"), 2);
}

}  // namespace
