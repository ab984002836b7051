// The main window through its real object: start-up, the answer road, the countdown and blink,
// a new game, the hand-over to the trainer, and a bad or missing bank.
#include "game_fixture.h"

#include "velmora/correct_answer_window.h"
#include "velmora/lifelines.h"
#include "velmora/main_window.h"
#include "velmora/statistics.h"
#include "velmora/trainer.h"

#include "toolkit/application.h"
#include "toolkit/colors.h"

#include <cstdio>
#include <set>

#include <gmock/gmock.h>

using namespace velmora_testing;
using testing::HasSubstr;

namespace {

class MainWindowTest : public GameTest {};

TEST_F(MainWindowTest, StartsWithQuestionOneOnScreenAndNoCountdown) {
    start(bank15());
    EXPECT_TRUE(errors.messages.empty());
    EXPECT_EQ(Form1->CurrentLevel, 1);
    EXPECT_EQ(Form1->GameOver, 0);
    EXPECT_EQ(Form1->Difficulty, 0);
    EXPECT_EQ(Form1->Label29->caption(), "Q1.1");
    EXPECT_EQ(Form1->CorrectAnswer, "R1.1");
    std::multiset<std::string> shown{Form1->Label9->caption(), Form1->Label10->caption(), Form1->Label11->caption(),
                                     Form1->Label12->caption()};
    EXPECT_EQ(shown, (std::multiset<std::string>{"R1.1", "W1.1a", "W1.1b", "W1.1c"}));
    EXPECT_EQ(Form1->Label2->caption(), "60");
    EXPECT_FALSE(Form1->Timer1.Enabled());
    EXPECT_FALSE(Form1->Timer2.Enabled());
    for (int level = 1; level <= 15; ++level) EXPECT_EQ(Form1->LadderLabel(level)->fontColor(), tk::clSkyBlue);
    EXPECT_EQ(Form1->LadderLabel(15)->caption(), "15");
    EXPECT_EQ(Form1->LadderLabel(1)->geometry().right() + 1, 630);
    EXPECT_EQ(Form1->LadderLabel(15)->geometry().right() + 1, 630);
    EXPECT_EQ(Form1->Left(), 196);
    EXPECT_EQ(Form1->Top(), 112);
    EXPECT_EQ(Form1->client()->size(), QSize(666, 473));
}

TEST_F(MainWindowTest, AWrongAnswerShowsTheLossAndTheRightAnswerAndEndsTheGame) {
    start(bank15());
    answerRight();
    answerRight();
    ASSERT_EQ(Form1->CurrentLevel, 3);
    EXPECT_EQ(Form1->LadderLabel(2)->fontColor(), tk::clRed);
    EXPECT_EQ(Form1->LadderLabel(3)->fontColor(), tk::clSkyBlue);
    answerWrong();
    EXPECT_TRUE(Form2->Visible());
    EXPECT_TRUE(Form7->Visible());
    EXPECT_EQ(Form7->Label1->caption(), "R3.1");
    EXPECT_EQ(Form1->GameOver, 1);
    EXPECT_EQ(statLines()[2], "1");
    EXPECT_EQ(statLines()[15], "0");
    // The game stays over: clicks change nothing.
    answerRight();
    EXPECT_EQ(Form1->CurrentLevel, 3);
    Form1->AdvanceLevel();
    EXPECT_EQ(Form1->CurrentLevel, 3);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(MainWindowTest, FifteenRightAnswersWinAndCountTheWin) {
    start(allRightBank());
    for (int level = 1; level <= 15; ++level) {
        EXPECT_EQ(Form1->Label29->caption(), "Q" + std::to_string(level));
        Form1->SpeedButton3->click();  // every answer carries the right text
    }
    EXPECT_TRUE(Form3->Visible());
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(Form1->CurrentLevel, 16);
    EXPECT_EQ(Form1->GameOver, 1);
    EXPECT_EQ(Form1->Label1->fontColor(), tk::clRed);
    EXPECT_EQ(statLines()[15], "1");
}

TEST_F(MainWindowTest, AnAnswerCountsAsRightOnlyWhenItsBytesEqualTheRightAnswer) {
    std::string text = record("Q", "Ответ", "ответ", "Ответ ", "x", "K1");
    for (int level = 2; level <= 15; ++level) text += record("Q", "R", "a", "b", "c", "K" + std::to_string(level));
    start(text);
    for (int place = 1; place <= 4; ++place)
        if (Form1->Answers[place] == "ответ") Form1->AnswerButton(place)->click();
    EXPECT_EQ(Form1->GameOver, 1);
    EXPECT_EQ(Form1->CurrentLevel, 1);
}

TEST_F(MainWindowTest, CountdownLosesOnTheSixtyFirstTickWithOnlyTheLossWindow) {
    start(bank15());
    for (int tick = 1; tick <= 10; ++tick) Form1->Timer1Timer();
    EXPECT_EQ(Form1->Label2->caption(), "50");
    EXPECT_FALSE(Form1->Timer2.Enabled());
    Form1->Timer1Timer();
    EXPECT_EQ(Form1->Label2->caption(), "49");
    EXPECT_TRUE(Form1->Timer2.Enabled());  // the blink starts with the tick that writes 49
    for (int tick = 12; tick <= 60; ++tick) Form1->Timer1Timer();
    EXPECT_EQ(Form1->Label2->caption(), "0");
    EXPECT_EQ(Form1->GameOver, 0);
    Form1->Timer1Timer();
    EXPECT_EQ(Form1->GameOver, 1);
    EXPECT_EQ(Form1->Label2->caption(), "0");
    EXPECT_TRUE(Form2->Visible());
    EXPECT_FALSE(Form7->Visible());
    EXPECT_EQ(statLines()[0], "1");
    EXPECT_TRUE(Form1->Timer2.Enabled());  // the blink goes on after a time-out
    Form1->Timer1Timer();
    EXPECT_EQ(statLines()[0], "1");
}

TEST_F(MainWindowTest, TheBlinkAlternatesTheNoticeAndAnAnswerStopsIt) {
    start(bank15());
    Form1->Timer2.setEnabled(true);
    Form1->Timer2Timer();
    EXPECT_FALSE(Form1->Label6->enabledLook());
    Form1->Timer2Timer();
    EXPECT_TRUE(Form1->Label6->enabledLook());
    Form1->Timer2Timer();
    answerRight();
    EXPECT_FALSE(Form1->Timer2.Enabled());
    EXPECT_TRUE(Form1->Label6->enabledLook());
    EXPECT_EQ(Form1->Label2->caption(), "60");
}

TEST_F(MainWindowTest, ANewGameResetsTheLadderAndTheLifelinesAndDrawsAgain) {
    start(bank({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 30}));
    Form1->Timer1.setEnabled(true);
    for (int level = 1; level <= 4; ++level) answerRight();
    Form1->Button7->setEnabled(false);
    Form1->Timer1Timer();
    answerWrong();
    ASSERT_EQ(Form1->GameOver, 1);
    std::set<std::string> lastQuestions;
    for (int game = 0; game < 20; ++game) {
        Form1->N2Click();
        lastQuestions.insert(Form1->Questions[15].Text);
    }
    EXPECT_EQ(Form1->GameOver, 0);
    EXPECT_EQ(Form1->CurrentLevel, 1);
    EXPECT_EQ(Form1->Label29->caption(), "Q1.1");
    EXPECT_EQ(Form1->Label2->caption(), "60");
    EXPECT_GT(lastQuestions.size(), 5u);
    for (int level = 1; level <= 15; ++level) EXPECT_EQ(Form1->LadderLabel(level)->fontColor(), tk::clSkyBlue);
    EXPECT_TRUE(Form1->Button7->isEnabled());
    EXPECT_TRUE(Form1->Timer1.Enabled());  // a new game leaves the countdown as it was
    EXPECT_TRUE(Form2->Visible());         // and the windows of the last game open
}

TEST_F(MainWindowTest, TheTrainerTakesOverAtTheMainWindowsPlaceWithTheTimersStopped) {
    start(bank15());
    Form1->Show();
    Form1->setLeft(240);
    Form1->setTop(150);
    Form1->Timer1.setEnabled(true);
    Form1->Timer2.setEnabled(true);
    Form1->Timer2Timer();
    Form1->N4Click();
    EXPECT_FALSE(Form1->Timer1.Enabled());
    EXPECT_FALSE(Form1->Timer2.Enabled());
    EXPECT_FALSE(Form1->Label6->enabledLook());  // the notice keeps the look it had
    EXPECT_TRUE(Form8->Timer1.Enabled());
    EXPECT_TRUE(Form8->Visible());
    EXPECT_FALSE(Form1->Visible());
    EXPECT_EQ(Form8->Left(), 240);
    EXPECT_EQ(Form8->Top(), 150);
    EXPECT_EQ(Form1->Label29->caption(), "Q1.1");
}

TEST_F(MainWindowTest, TheCorrectAnswerWindowNamesTheAnswerCurrentWhenItIsActivated) {
    start(bank15());
    answerWrong();
    EXPECT_EQ(Form7->Label1->caption(), "R1.1");
    Form1->N2Click();
    answerRight();
    Form7->FormActivate();
    EXPECT_EQ(Form7->Label1->caption(), "R2.1");
    Form7->Button1->click();
    EXPECT_FALSE(Form7->Visible());
}

TEST_F(MainWindowTest, AMissingBankLeavesTheDesignCaptionsAndEveryAnswerCountsAsRight) {
    folder.write("stat.txt", zeroStats());
    createWindowsOnly();
    ASSERT_GE(errors.messages.size(), 1u);
    EXPECT_THAT(errors.messages[0], HasSubstr("base.txt"));
    EXPECT_EQ(Form1->Label29->caption(), "Label29");
    EXPECT_EQ(Form1->Label12->caption(), "Label9");
    EXPECT_EQ(Form1->Label2->caption(), "60");
    Form1->SpeedButton2->click();
    EXPECT_EQ(Form1->CurrentLevel, 2);
    EXPECT_EQ(Form1->GameOver, 0);
}

TEST_F(MainWindowTest, ARefusedBankDrawsNoGameAndANewGameTriesTheFileAgain) {
    start(bank15() + "\r\n");
    ASSERT_GE(errors.messages.size(), 1u);
    EXPECT_THAT(errors.messages[0], AllOf(HasSubstr("base.txt"), HasSubstr("16")));
    EXPECT_FALSE(LevelBoundsValid(Form1->LevelBounds));
    EXPECT_EQ(Form1->Label29->caption(), "Label29");
    errors.messages.clear();
    tk::dispatch([] { Form1->N2Click(); });  // still the bad bank: refused again, nothing drawn
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_THAT(errors.messages[0], HasSubstr("base.txt"));
    EXPECT_EQ(Form1->Label29->caption(), "Label29");
    EXPECT_EQ(Form1->CurrentLevel, 1);
    folder.write("base.txt", bank15());
    tk::dispatch([] { Form1->N2Click(); });
    EXPECT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(Form1->Label29->caption(), "Q1.1");
    EXPECT_EQ(Form1->LevelBounds[16], 16);
}

TEST_F(MainWindowTest, ABankMissingAtANewGameKeepsTheQuestionOnScreen) {
    start(bank15());
    answerRight();
    std::remove("base.txt");
    tk::dispatch([] { Form1->N2Click(); });
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_THAT(errors.messages[0], HasSubstr("base.txt"));
    EXPECT_EQ(Form1->CurrentLevel, 1);
    EXPECT_EQ(Form1->Label29->caption(), "Q2.1");
    EXPECT_EQ(Form1->LadderLabel(1)->fontColor(), tk::clSkyBlue);
}

}  // namespace
