#include "game_fixture.h"

#include "velmora/main_window.h"
#include "velmora/trainer.h"

#include "toolkit/colors.h"
#include "toolkit/controls.h"
#include "toolkit/text.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <algorithm>
#include <filesystem>

using namespace tk::literals;

namespace {

// The question texts of a set, which name each drawn record.
std::vector<std::string> texts(const QuestionSet& questions) {
    std::vector<std::string> result;
    for (int level = 1; level <= 15; ++level) result.push_back(questions[level].Text);
    return result;
}

// The game's windows, with ways to play the trainer.
class TrainerPlay : public velmora_testing::GameTest {
protected:
    tk::SpeedButton* button(int place) const {
        return std::array{Form8->SpeedButton1, Form8->SpeedButton2, Form8->SpeedButton3, Form8->SpeedButton4}
            .at(place - 1);
    }
    tk::Label* answerLabel(int place) const {
        return std::array{Form8->Label6, Form8->Label9, Form8->Label10, Form8->Label11}.at(place - 1);
    }
    int place(bool right) const {
        for (int i = 1; i <= 4; ++i)
            if ((Form8->Answers[i] == Form8->CorrectAnswer) == right) return i;
        return 0;
    }
    void answer(bool right) const { button(place(right))->click(); }
    // Level 1 of the current set with a sky-blue ladder, then right answers up to `level`.
    void climbTo(int level) const {
        Form8->RestartRound();
        for (int i = 1; i < level; ++i) answer(true);
    }
    std::vector<tk::Color> ladderColors() const {
        std::vector<tk::Color> colors;
        for (int level = 1; level <= 15; ++level) colors.push_back(Form8->LadderLabel(level)->fontColor());
        return colors;
    }
    // The question on screen is Questions[CurrentLevel], its four answers beside the buttons.
    void expectShown() const {
        const QuestionRecord& question = Form8->Questions[Form8->CurrentLevel];
        EXPECT_EQ(Form8->Label29->caption(), question.Text);
        EXPECT_EQ(Form8->CorrectAnswer, question.Correct);
        std::vector<std::string> shown, expected{question.Correct, question.Wrong1, question.Wrong2, question.Wrong3};
        for (int i = 1; i <= 4; ++i) {
            EXPECT_EQ(answerLabel(i)->caption(), Form8->Answers[i]);
            shown.push_back(Form8->Answers[i]);
        }
        std::sort(shown.begin(), shown.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(shown, expected);
    }
};

class Trainer : public TrainerPlay {
protected:
    Trainer() { start(velmora_testing::bank(std::vector<int>(15, 3))); }
};

}  // namespace

TEST_F(Trainer, StartsHiddenOnLevelOneOfItsOwnSet) {
    EXPECT_TRUE(errors.messages.empty());
    EXPECT_FALSE(Form8->Visible());
    EXPECT_EQ(Form8->caption(), "Velmora (тренажер)"_cp);
    EXPECT_EQ(Form8->CurrentLevel, 1);
    EXPECT_EQ(Form8->AnswerMark, "+ ");
    EXPECT_EQ(Form8->LevelBounds, Form1->LevelBounds);
    expectShown();
    EXPECT_EQ(Form8->Label3->caption(), "0");
    EXPECT_EQ(Form8->Label5->caption(), "00:00:00");
    EXPECT_TRUE(Form8->Memo1->lines().empty());
    EXPECT_TRUE(Form8->CheckBox1->Checked());
    EXPECT_FALSE(Form8->Timer1.Enabled());
    EXPECT_EQ(Form8->Timer1.interval(), 1000);
    EXPECT_EQ(ladderColors(), std::vector<tk::Color>(15, tk::clSkyBlue));
    // Right-aligned labels keep their right edges.
    EXPECT_EQ(Form8->Label3->geometry().right() + 1, 602);
    EXPECT_EQ(Form8->Label5->geometry().right() + 1, 601);
    EXPECT_EQ(Form8->Label1->geometry().right() + 1, 630);
    EXPECT_EQ(Form8->Label1->y(), 32);
    EXPECT_EQ(Form8->Label15->y(), 256);
}

TEST_F(Trainer, SharesTheMainWindowsBackground) {
    // The test program's application, like the game's, shares the design pictures while windows
    // are made: one decoded copy behind both windows, the same picture as a decode of its own.
    EXPECT_EQ(Form8->Image1->picture().constBits(), Form1->Image1->picture().constBits());
    EXPECT_EQ(Form8->Image1->picture(), testing_support::decodedDesignPicture("background.jpg"));
}

// Every road of one click: right or wrong, at each level, with the box checked or not.
TEST_F(Trainer, EveryRoadOfOneAnswer) {
    for (const bool checked : {true, false})
        for (const bool right : {true, false})
            for (int level = 1; level <= 15; ++level) {
                SCOPED_TRACE(testing::Message() << "level " << level << (right ? " right" : " wrong")
                                                << (checked ? " checked" : " unchecked"));
                climbTo(level);
                Form8->CheckBox1->setChecked(checked);
                const auto before = texts(Form8->Questions);
                const std::string logged = Form8->Questions[level].Text + "   " + Form8->CorrectAnswer;
                const auto linesBefore = Form8->Memo1->lines().size();
                const std::string counterBefore = Form8->Label3->caption();

                answer(right);

                const auto lines = Form8->Memo1->lines();
                ASSERT_EQ(lines.size(), linesBefore + 1);
                EXPECT_EQ(lines.back(), (right ? "+ " : "- ") + logged);
                EXPECT_EQ(Form8->Label3->caption(),
                          right ? std::to_string(std::stoi(counterBefore) + 1) : counterBefore);
                std::vector<tk::Color> ladder(15, tk::clSkyBlue);
                if (level < 15) std::fill_n(ladder.begin(), level, tk::clRed);
                EXPECT_EQ(ladderColors(), ladder);
                const bool redraw = !right && checked;
                const int next = level == 15 ? 1 : redraw ? level : level + 1;
                EXPECT_EQ(Form8->CurrentLevel, next);
                EXPECT_EQ(texts(Form8->Questions) != before, redraw);
                EXPECT_EQ(Form8->AnswerMark, "+ ");
                expectShown();
                EXPECT_TRUE(errors.messages.empty());
            }
}

TEST_F(Trainer, CounterAndLogAreNeverCleared) {
    climbTo(15);
    answer(true);  // the ladder starts again at level 1
    answer(false);
    answer(true);
    EXPECT_EQ(Form8->Label3->caption(), "16");
    EXPECT_EQ(Form8->Memo1->lines().size(), 17u);
    EXPECT_EQ(Form8->Memo1->lines()[15].substr(0, 2), "- ");
    // Not by the player's Ctrl+Z either.
    QKeyEvent undo(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::sendEvent(Form8->Memo1, &undo);
    EXPECT_EQ(Form8->Memo1->lines().size(), 17u);
}

// An answer text equal to the right one counts as right whichever button carries it.
TEST_F(Trainer, AnAnswerIsRightByItsText) {
    const int wrong = place(false);
    Form8->Answers[wrong] = Form8->CorrectAnswer;
    button(wrong)->click();
    EXPECT_EQ(Form8->Label3->caption(), "1");
    EXPECT_EQ(Form8->Memo1->lines().back().substr(0, 2), "+ ");
}

TEST_F(Trainer, ClockLagsOneTickAndShowsEveryHourDigit) {
    const auto ticks = [](int count) {
        for (int i = 0; i < count; ++i) Form8->Timer1Timer();
        return Form8->Label5->caption();
    };
    EXPECT_EQ(ticks(1), "00:00:00");
    EXPECT_EQ(ticks(1), "00:00:01");
    EXPECT_EQ(ticks(3601 - 2), "01:00:00");
    EXPECT_EQ(Form8->ElapsedClock.seconds, 1);
    Form8->ElapsedClock = {59, 59, 9};
    EXPECT_EQ(ticks(2), "10:00:00");
    Form8->ElapsedClock = {59, 59, 99};
    EXPECT_EQ(ticks(1), "99:59:59");
    EXPECT_EQ(ticks(1), "100:00:00");
    EXPECT_EQ(Form8->Label5->geometry().right() + 1, 601);
}

TEST_F(Trainer, AFailedRedrawLeavesTheLevelAndTheSet) {
    climbTo(7);
    std::filesystem::remove("base.txt");
    const auto before = texts(Form8->Questions);
    const std::string logged = "- " + Form8->Questions[7].Text + "   " + Form8->CorrectAnswer;
    answer(false);
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("base.txt"), std::string::npos);
    EXPECT_EQ(Form8->Memo1->lines().back(), logged);
    EXPECT_EQ(Form8->LadderLabel(7)->fontColor(), tk::clRed);
    EXPECT_EQ(Form8->CurrentLevel, 8);  // the next question of the old set stands
    EXPECT_EQ(texts(Form8->Questions), before);
    EXPECT_EQ(Form8->AnswerMark, "+ ");
    expectShown();
}

// Opening and closing hand play over both ways, each window taking the other's place.
TEST_F(Trainer, HandOverWithTheMainWindow) {
    Form1->setLeft(210);
    Form1->setTop(130);
    Form1->Show();
    Form1->N4Click();
    EXPECT_TRUE(Form8->Visible());
    EXPECT_FALSE(Form1->Visible());
    EXPECT_EQ(Form8->Left(), 210);
    EXPECT_EQ(Form8->Top(), 130);
    EXPECT_TRUE(Form8->Timer1.Enabled());
    EXPECT_FALSE(Form1->Timer1.Enabled());
    EXPECT_FALSE(Form1->Timer2.Enabled());

    answer(true);
    Form8->Timer1Timer();
    Form8->setLeft(260);
    Form8->setTop(170);
    Form8->close();  // the close box: the trainer hides
    EXPECT_FALSE(Form8->Visible());
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Form1->Left(), 260);
    EXPECT_EQ(Form1->Top(), 170);
    EXPECT_TRUE(Form1->Timer1.Enabled());
    EXPECT_TRUE(Form1->Timer2.Enabled());
    EXPECT_TRUE(Form8->Timer1.Enabled());  // the clock runs on while hidden

    // Opening again resets nothing.
    const auto lines = Form8->Memo1->lines();
    const int level = Form8->CurrentLevel;
    Form1->N4Click();
    EXPECT_EQ(Form8->Memo1->lines(), lines);
    EXPECT_EQ(Form8->CurrentLevel, level);
    EXPECT_EQ(Form8->Label3->caption(), "1");
    EXPECT_EQ(Form8->Label5->caption(), "00:00:00");
    EXPECT_EQ(Form8->ElapsedClock.seconds, 1);
    Form8->Close();
}

TEST_F(Trainer, PictureIsKeptAsAnArtifact) {
    Form8->Memo1->appendLine("+ Вопрос 1.2   Ответ 1.2"_cp);
    const QDir artifacts(QCoreApplication::applicationDirPath() + "/../artifacts");
    QDir().mkpath(artifacts.path());
    const QImage picture = Form8->grab().toImage();
    EXPECT_EQ(picture.size(), QSize(666, 490));
    EXPECT_TRUE(picture.save(artifacts.filePath("velmora_trainer_offscreen.png")));
}

namespace {

// Creation without a usable bank: missing, or refused for a blank line that makes a 16th group.
class TrainerWithoutBank : public TrainerPlay, public testing::WithParamInterface<bool> {
protected:
    TrainerWithoutBank() {
        if (GetParam()) start(velmora_testing::bank15() + "\r\n");
        else createWindowsOnly();
    }
};

}  // namespace

TEST_P(TrainerWithoutBank, PlaysOnWithEmptyTexts) {
    ASSERT_EQ(errors.messages.size(), 2u);  // the main window's creation, then the trainer's
    EXPECT_EQ(Form8->Label29->caption(), "Label29");
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(answerLabel(i)->caption(), "Label6");
    EXPECT_EQ(Form8->LevelBounds, LevelBoundsTable{});

    button(3)->click();  // no draw has set the mark: a line of three blanks, not counted
    EXPECT_EQ(Form8->Memo1->lines(), (std::vector<std::string>{"   "}));
    EXPECT_EQ(Form8->Label3->caption(), "0");
    EXPECT_EQ(Form8->Label29->caption(), "");
    EXPECT_EQ(Form8->CurrentLevel, 2);
    for (int i = 1; i < 15; ++i) button(1 + i % 4)->click();  // every click is right, up to and past level 15
    EXPECT_EQ(Form8->Memo1->lines().back(), "+    ");
    EXPECT_EQ(Form8->Label3->caption(), "14");
    EXPECT_EQ(Form8->CurrentLevel, 1);
    EXPECT_EQ(ladderColors(), std::vector<tk::Color>(15, tk::clSkyBlue));
    EXPECT_EQ(errors.messages.size(), 2u);

    Form8->Timer1Timer();
    Form8->Timer1Timer();
    EXPECT_EQ(Form8->Label5->caption(), "00:00:01");
}

INSTANTIATE_TEST_SUITE_P(MissingOrRefused, TrainerWithoutBank, testing::Bool(),
                         [](const auto& info) { return info.param ? "Refused" : "Missing"; });
