// The tally in stat.txt: loaded once on first need, counted when the loss or win window appears,
// shown by the statistics window; and what each kind of bad file leaves behind.
#include "game_fixture.h"

#include "tests/support/child_process.h"

#include "velmora/correct_answer_window.h"
#include "velmora/main_window.h"
#include "velmora/statistics.h"

#include <gmock/gmock.h>
#include <filesystem>
#include <sys/stat.h>

using namespace velmora_testing;
using testing::HasSubstr;

namespace {

class StatisticsTest : public GameTest {
protected:
    // Loses the current game at the given level.
    void loseAt(int level) {
        Form1->N2Click();
        while (Form1->CurrentLevel < level) answerRight();
        answerWrong();
        Form2->Hide();
        Form7->Hide();
    }
    void win() {
        Form1->N2Click();
        while (Form1->GameOver == 0) answerRight();
        Form3->Hide();
    }
    std::string shownCount(int line) { return Form6->Counts[line]->caption(); }
};

TEST_F(StatisticsTest, LossesCountAtTheirQuestionAndWinsAtLineSixteen) {
    start(bank15(), false);
    folder.write("stat.txt", statFile({5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 9}));
    loseAt(1);
    loseAt(7);
    loseAt(7);
    win();
    loseAt(15);
    EXPECT_EQ(statLines(), (std::vector<std::string>{"6", "0", "0", "0", "0", "0", "2", "0", "0", "0", "0", "0",
                                                      "0", "0", "3", "10"}));
    EXPECT_EQ(folder.read("stat.txt").substr(0, 6), "6\r\n0\r\n");
    EXPECT_TRUE(errors.messages.empty());
    // Only this game's file is left in the folder: the rewrite's temporary file is gone.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
    EXPECT_EQ(files, 2);
}

// Another copy of the game counted meanwhile: the count is added to what the file holds now, and
// the statistics window shows that. A file removed meanwhile is made anew from the counts in memory.
TEST_F(StatisticsTest, ACountIsAddedToWhatTheFileHoldsNow) {
    start(bank15());
    loseAt(2);
    folder.write("stat.txt", statFile(std::vector<int>(16, 50)) + "extra\r\n");
    loseAt(3);
    const std::vector<std::string> held{"50", "50", "51", "50", "50", "50", "50", "50",
                                        "50", "50", "50", "50", "50", "50", "50", "50"};
    EXPECT_EQ(statLines(), held);
    Form1->N3Click();
    EXPECT_EQ(shownCount(3), "51");
    Form6->Hide();

    std::filesystem::remove("stat.txt");
    loseAt(3);
    EXPECT_EQ(statLines()[2], "52");
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(StatisticsTest, ExtraLinesAreDroppedAndMissingOnesWrittenEmpty) {
    start(bank15(), false);
    folder.write("stat.txt", "3\r\n4\n");
    loseAt(2);
    const std::vector<std::string> lines = statLines();
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "3");
    EXPECT_EQ(lines[1], "5");
    EXPECT_EQ(lines[15], "");
    loseAt(3);  // a missing line is no number
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_THAT(errors.messages[0], HasSubstr("not a valid integer"));
    EXPECT_EQ(statLines()[1], "5");
}

TEST_F(StatisticsTest, WithoutStatTxtTheGameStillEndsAndTheFileIsTriedAgainLater) {
    start(bank15(), false);
    answerWrong();
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_THAT(errors.messages[0], HasSubstr("stat.txt"));
    EXPECT_TRUE(Form2->Visible());
    EXPECT_TRUE(Form7->Visible());
    EXPECT_EQ(Form1->GameOver, 1);
    EXPECT_EQ(Form1->StatLines[1], "");
    EXPECT_FALSE(std::filesystem::exists("stat.txt"));

    Form1->N3Click();
    EXPECT_EQ(errors.messages.size(), 2u);
    EXPECT_TRUE(Form6->Visible());
    for (int line = 1; line <= 16; ++line) EXPECT_EQ(shownCount(line), "Label1");
    Form6->Hide();

    folder.write("stat.txt", zeroStats());
    Form2->Hide();
    loseAt(4);
    EXPECT_EQ(statLines()[3], "1");
    EXPECT_EQ(errors.messages.size(), 2u);
}

TEST_F(StatisticsTest, ALineThatIsNoNumberFailsOnlyItsOwnCount) {
    start(bank15(), false);
    folder.write("stat.txt", "0\r\nabc\r\n" + statFile(std::vector<int>(14, 0)));
    loseAt(2);
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_THAT(errors.messages[0], HasSubstr("abc"));
    EXPECT_EQ(Form1->GameOver, 1);
    EXPECT_EQ(Form1->StatLines[2], "abc");
    loseAt(1);
    EXPECT_EQ(statLines()[0], "1");
    EXPECT_EQ(statLines()[1], "abc");
}

TEST_F(StatisticsTest, AHugeLineOrOneWithANulIsQuotedShortAndWhole) {
    start(bank15(), false);
    const std::string huge(10'000'000, '7');
    const std::string withNul("0\0 5", 4);
    folder.write("stat.txt", "0\r\n" + huge + "x\r\n" + withNul + "\r\n" + statFile(std::vector<int>(13, 0)));
    loseAt(2);
    loseAt(3);
    ASSERT_EQ(errors.messages.size(), 2u);
    EXPECT_EQ(errors.messages[0], "'" + huge.substr(0, 100) + "\x85' is not a valid integer value");
    EXPECT_EQ(errors.messages[1], "'0\\0 5' is not a valid integer value");
}

TEST_F(StatisticsTest, AnEmptyFirstLineMakesEveryCountReadTheFileAgain) {
    start(bank15(), false);
    folder.write("stat.txt", "\r\n" + statFile(std::vector<int>(15, 0)));
    loseAt(2);
    EXPECT_EQ(Form1->StatLines[1], "");
    folder.write("stat.txt", "\r\n" + statFile(std::vector<int>(15, 7)));
    loseAt(2);
    EXPECT_EQ(statLines()[1], "8");
    loseAt(1);
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_THAT(errors.messages[0], HasSubstr("not a valid integer"));
}

TEST_F(StatisticsTest, AGameEndingWhileItsWindowIsStillOpenIsNotCounted) {
    start(bank15());
    answerWrong();
    Form1->N2Click();
    answerRight();
    answerWrong();  // the loss window from the first game is still open
    EXPECT_EQ(statLines()[0], "1");
    EXPECT_EQ(statLines()[1], "0");
    EXPECT_EQ(Form1->GameOver, 1);
}

TEST_F(StatisticsTest, TheStatisticsWindowShowsTheCountsOfTheMomentItOpened) {
    start(bank15(), false);
    folder.write("stat.txt", statFile({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 99}));
    Form1->N3Click();
    EXPECT_EQ(shownCount(16), "99");
    EXPECT_EQ(shownCount(1), "1");
    EXPECT_EQ(Form6->Legends[16]->caption(), "\xC2\xFB\xE8\xE3\xF0\xE0\xEB");  // "Выиграл"
    // Wins on top, question 1 at the bottom; both columns right-aligned.
    EXPECT_EQ(Form6->Counts[16]->y(), 8);
    EXPECT_EQ(Form6->Counts[1]->y(), 248);
    EXPECT_EQ(Form6->Counts[10]->geometry().right() + 1, 80);
    EXPECT_EQ(Form6->Legends[10]->geometry().right() + 1, 48);
    win();
    EXPECT_EQ(shownCount(16), "99");
    Form1->N3Click();  // only brings it to the front
    EXPECT_EQ(shownCount(16), "99");
    Form6->Hide();
    Form1->N3Click();
    EXPECT_EQ(shownCount(16), "100");
}

TEST_F(StatisticsTest, ALinkedStatTxtCountsInTheFileItNamesAndStaysALink) {
    start(bank15(), false);
    std::filesystem::create_directory("saved");
    folder.write("saved/stat.txt", zeroStats());
    std::filesystem::create_symlink("saved/stat.txt", "stat.txt");
    loseAt(2);
    loseAt(2);
    win();
    EXPECT_TRUE(std::filesystem::is_symlink("stat.txt"));
    EXPECT_EQ(folder.read("saved/stat.txt"), statFile({0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_TRUE(errors.messages.empty());
}

// The count of a loss cannot be written (a stat.txt the player may not write), and while its error
// box is open the countdown runs out and shows the loss window again: the window is shown already,
// so the loss is not counted a second time. Once the player mends the file, the next game that
// ends writes both games. Played as the player in a child process, which answers with the number
// of error boxes.
TEST_F(StatisticsTest, ACountdownRunningOutBehindTheErrorBoxCountsTheLossOnce) {
    start(bank15(), false);
    chmod(folder.path().c_str(), 0777);
    const int boxes = testing_support::waitChild(testing_support::startChild([this] {
        if (!testing_support::dropRoot()) return 99;
        folder.write("stat.txt", zeroStats());
        chmod("stat.txt", 0444);
        errors.onClose = [](const std::string&) {
            Form1->Label2->setCaption("0");
            Form1->Timer1Timer();
        };
        answerWrong();
        errors.onClose = nullptr;
        chmod("stat.txt", 0644);
        Form2->Hide();
        Form7->Hide();
        win();
        return static_cast<int>(errors.messages.size());
    }));
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(folder.read("stat.txt"), statFile({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
}

// Two copies of the game in one folder, each winning game after game at the same time.
TEST_F(StatisticsTest, TwoCopiesCountingAtOnceLoseNoGame) {
    start(allRightBank());
    const auto winGames = [this] {
        for (int game = 0; game < 100; ++game) win();
        return static_cast<int>(errors.messages.size());
    };
    const pid_t first = testing_support::startChild(winGames);
    const pid_t second = testing_support::startChild(winGames);
    EXPECT_EQ(testing_support::waitChild(first), 0);
    EXPECT_EQ(testing_support::waitChild(second), 0);
    EXPECT_EQ(statLines()[15], "200");
}

// Something in the way of the temporary file (a folder of its name): the tally is rewritten in
// place and every game is counted.
TEST_F(StatisticsTest, AFolderInTheTemporaryFilesPlaceStopsNoCount) {
    start(bank15());
    std::filesystem::create_directory("stat.txt.tmp");
    loseAt(2);
    win();
    EXPECT_EQ(folder.read("stat.txt"), statFile({0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_TRUE(errors.messages.empty());
}

// A named pipe put in stat.txt's place after the tally was loaded, in a folder that takes new files
// and in one that does not: refused at once with the usual box, and the game goes on. Played as the
// player in a child process that must be done within a generous time.
TEST_F(StatisticsTest, ANamedPipeInPlaceOfStatTxtIsRefusedAndTheGameGoesOn) {
    start(bank15());
    Form1->N3Click();  // loads the tally
    Form6->Hide();
    for (const bool takesNewFiles : {true, false}) {
        std::filesystem::remove("stat.txt");
        ASSERT_EQ(mkfifo("stat.txt", 0666), 0);
        chmod("stat.txt", 0666);
        chmod(folder.path().c_str(), takesNewFiles ? 0777 : 0555);
        const pid_t player = testing_support::startChild([this] {
            if (!testing_support::dropRoot()) return 99;
            Form1->N2Click();
            answerRight();
            answerWrong();
            const bool gameOver = Form1->GameOver == 1 && Form2->Visible() && Form7->Visible();
            const std::vector<std::string> refused{"Cannot open file \"stat.txt\": not a regular file"};
            return gameOver && errors.messages == refused ? 0 : 1;
        });
        EXPECT_EQ(testing_support::waitChildWithin(player, 30), 0) << (takesNewFiles ? "" : "in place");
        EXPECT_TRUE(std::filesystem::is_fifo("stat.txt"));
    }
}

// A shared install: the game folder is someone else's, stat.txt the player's. The game is played
// in a child process with a player's rights; it answers with the number of error boxes shown.
TEST_F(StatisticsTest, ASharedInstallWhoseFolderTakesNoNewFileStillCounts) {
    start(bank15());
    chmod("stat.txt", 0666);
    chmod(folder.path().c_str(), 0555);
    const auto playAsPlayer = [this](int lostAt) {
        return testing_support::waitChild(testing_support::startChild([&] {
            if (!testing_support::dropRoot()) return 99;
            loseAt(lostAt);
            return static_cast<int>(errors.messages.size());
        }));
    };
    EXPECT_EQ(playAsPlayer(3), 0);
    EXPECT_EQ(statLines()[2], "1");
    EXPECT_EQ(playAsPlayer(3), 0);  // the parent's tally was never loaded: it reads the file afresh
    EXPECT_EQ(statLines()[2], "2");
    // A stat.txt that the player may not write still fails as before.
    chmod("stat.txt", 0444);
    EXPECT_EQ(playAsPlayer(3), 1);
    EXPECT_EQ(statLines()[2], "2");
}

}  // namespace
