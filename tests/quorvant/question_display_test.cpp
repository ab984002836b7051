// A question line on screen, and vopros moving on after a right answer.
#include "game_fixture.h"
#include "quorvant/main_window.h"
#include "toolkit/controls.h"
#include "toolkit/text.h"

using namespace quorvant_testing;
using namespace tk::literals;

namespace {

class QuestionDisplay : public QuorvantGame {
protected:
    QuestionDisplay() { showWindows(); }
    void show(const std::string& decoded) {
        form().LineBuffer = decoded;
        form().ShowQuestionLine();
    }
    std::vector<std::string> captions() {
        return {form().Label1->caption(), form().Label2->caption(), form().Label3->caption(),
                form().Label4->caption(), form().Label5->caption(), form().Label6->caption()};
    }
};

TEST_F(QuestionDisplay, ShowsTheFieldsAndTheLastMarkedAnswer) {
    form().AnsweredCount = 6;
    show("#Q?*note*A*#B*C*#D*tail");
    EXPECT_EQ(captions(), (std::vector<std::string>{"#Q?", "A", "B", "C", "D", "Вопрос № 7"_cp}));
    EXPECT_EQ(form().CorrectIndex, 4);
    show("Q2*n*a*b*c*d*");
    EXPECT_EQ(form().CorrectIndex, 4);  // no mark: the previous right answer stays
}

TEST_F(QuestionDisplay, ShortAndEmptyLinesKeepTheOlderFields) {
    show("Q1*n*A1*#B1*C1*D1*");
    show("Q2*n*A2*B2*");
    EXPECT_EQ(captions(), (std::vector<std::string>{"Q2", "A2", "B2", "C1", "D1", "Вопрос № 1"_cp}));
    form().AnsweredCount = 1;
    show("");
    EXPECT_EQ(captions(), (std::vector<std::string>{"Q2", "A2", "B2", "C1", "D1", "Вопрос № 2"_cp}));
    EXPECT_EQ(form().CorrectIndex, 2);
}

TEST_F(QuestionDisplay, VoprosSetsTheGuaranteedSumAndShowsTheNextQuestion) {
    const std::pair<int, const char*> sums[] = {{1, "0"}, {4, "0"}, {5, "5000"}, {9, "5000"}, {10, "100 000"}, {14, "100 000"}};
    for (auto [count, sum] : sums) {
        folder.write("list.txt", linesFile({questionLine("n", 3)}));
        form().QuestionListFile.Assign("list.txt");
        form().QuestionListFile.Reset();
        form().GameActive = true;
        form().AnsweredCount = count;
        form().vopros();
        EXPECT_EQ(form().SafeSumText, sum);
        EXPECT_EQ(form().Label1->caption(), "Qn");
        EXPECT_EQ(form().Label6->caption(), "Вопрос № "_cp + std::to_string(count + 1));
        EXPECT_TRUE(form().QuestionListFile.isOpen());
        form().QuestionListFile.Close();
    }
}

TEST_F(QuestionDisplay, VoprosAfterTheFifteenthClosesTheListAndChangesNoCaption) {
    folder.write("list.txt", linesFile({}));
    form().QuestionListFile.Assign("list.txt");
    form().QuestionListFile.Reset();
    form().GameActive = false;  // the win has ended the game already
    form().AnsweredCount = 15;
    form().Label1->setCaption("win");
    const auto before = captions();
    form().vopros();
    EXPECT_EQ(captions(), before);
    EXPECT_FALSE(form().QuestionListFile.isOpen());
    EXPECT_FALSE(form().GameActive);
    EXPECT_EQ(form().SafeSumText, "100 000");
}

}  // namespace
