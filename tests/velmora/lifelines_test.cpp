// The four lifelines on the real main window: the common selection, the odds of "50/50" and "75%"
// over many seeded trials, "100%" at the top of the ladder, and lifelines after the game is over.
#include "game_fixture.h"

#include "velmora/correct_answer_window.h"
#include "velmora/lifelines.h"
#include "velmora/main_window.h"
#include "velmora/statistics.h"

#include "toolkit/text.h"

#include <QApplication>
#include <QKeyEvent>
#include <map>

using namespace velmora_testing;

namespace {

class LifelineTest : public GameTest {
protected:
    void setAnswers(const AnswerSet& answers, const std::string& correct) {
        Form1->Answers = answers;
        Form1->CorrectAnswer = correct;
    }
    std::vector<int> disabledPlaces() const {
        std::vector<int> places;
        for (int place = 1; place <= 4; ++place)
            if (!Form1->AnswerButton(place)->isEnabled()) places.push_back(place);
        return places;
    }
};

TEST(Selection, TheRightPlaceIsTheLastWithTheRightTextAndTheKeptOneIsWrong) {
    testing_support::fixSeed(5);
    std::map<int, int> kept;
    for (int trial = 0; trial < 3000; ++trial) {
        const LifelineSelection selection = SelectAnswers({"", "w1", "R", "w3", "R"}, "R");
        EXPECT_EQ(selection.k, 4);
        ++kept[selection.m];
    }
    EXPECT_EQ(kept.size(), 2u);  // never a place with the right text
    EXPECT_NEAR(kept[1], 1500, 150);
    EXPECT_NEAR(kept[3], 1500, 150);
    // When no answer is right, k stays at 1.
    EXPECT_EQ(SelectAnswers({"", "a", "b", "c", "d"}, "R").k, 1);
}

TEST_F(LifelineTest, FiftyFiftyKeepsTheRightAnswerAndEachWrongOneAboutAThirdOfTheTime) {
    start(bank15());
    Form1->Timer2.setEnabled(true);
    std::map<int, int> kept;
    const int trials = 3000;
    for (int trial = 0; trial < trials; ++trial) {
        Form1->ResetAnswerControls();
        Form1->Timer2.setEnabled(true);
        Form1->Button8->setEnabled(true);
        setAnswers({"", "a", "b", "R", "c"}, "R");
        Form1->Button8->click();
        const std::vector<int> disabled = disabledPlaces();
        ASSERT_EQ(disabled.size(), 2u);
        for (int place = 1; place <= 4; ++place)
            if (place != 3 && std::find(disabled.begin(), disabled.end(), place) == disabled.end()) ++kept[place];
        EXPECT_FALSE(Form1->Button8->isEnabled());
        EXPECT_TRUE(Form1->Timer2.Enabled());  // the blink goes on
    }
    for (int place : {1, 2, 4}) EXPECT_NEAR(kept[place], trials / 3, trials / 3 / 8) << place;
    EXPECT_EQ(Form1->Label2->caption(), "60");
}

TEST_F(LifelineTest, SeventyFiveNamesTheRightAnswerThreeTimesInFour) {
    start(bank15());
    std::map<std::string, int> named;
    const int trials = 4000;
    for (int trial = 0; trial < trials; ++trial) {
        Form1->Button5->setEnabled(true);
        Form1->AnswerButton(2)->setEnabled(false);
        Form1->Timer2.setEnabled(true);
        setAnswers({"", "a", "R", "b", "c"}, "R");
        Form1->Button5->click();
        ++named[Form4->Label2->caption()];
        EXPECT_FALSE(Form1->Button5->isEnabled());
        EXPECT_TRUE(Form1->AnswerButton(2)->isEnabled());
        EXPECT_FALSE(Form1->Timer2.Enabled());
    }
    EXPECT_NEAR(named["R"], trials * 3 / 4, trials / 40);
    for (const char* wrong : {"a", "b", "c"}) EXPECT_NEAR(named[wrong], trials / 12, trials / 60) << wrong;
    EXPECT_TRUE(Form4->Visible());
    EXPECT_EQ(Form4->caption(), "75%");
    // The other "75%" button writes into the same window; the question stays.
    EXPECT_TRUE(Form1->Button6->isEnabled());
    Form1->Button6->click();
    EXPECT_FALSE(Form1->Button6->isEnabled());
    EXPECT_EQ(Form1->Label29->caption(), "Q1.1");
}

TEST_F(LifelineTest, HundredAtQuestionFourteenPassesItAndNamesItsAnswer) {
    start(bank15());
    for (int level = 1; level <= 13; ++level) answerRight();
    ASSERT_EQ(Form1->CurrentLevel, 14);
    Form1->Timer1Timer();
    Form1->Button8->click();
    Form1->Button7->click();
    EXPECT_EQ(Form1->LadderLabel(14)->fontColor(), tk::clRed);
    EXPECT_EQ(Form1->CurrentLevel, 15);
    EXPECT_TRUE(Form7->Visible());
    EXPECT_EQ(Form7->Label1->caption(), "R14.1");
    EXPECT_EQ(Form1->Label29->caption(), "Q15.1");
    EXPECT_EQ(Form1->Label2->caption(), "60");
    EXPECT_TRUE(disabledPlaces().empty());
    EXPECT_FALSE(Form1->Button7->isEnabled());
}

TEST_F(LifelineTest, HundredAtQuestionFifteenWinsAndCountsTheWin) {
    start(bank15());
    for (int level = 1; level <= 14; ++level) answerRight();
    Form1->Button7->click();
    EXPECT_TRUE(Form7->Visible());
    EXPECT_EQ(Form7->Label1->caption(), "R15.1");
    EXPECT_TRUE(Form3->Visible());
    EXPECT_EQ(Form1->GameOver, 1);
    EXPECT_EQ(Form1->CurrentLevel, 16);
    EXPECT_EQ(statLines()[15], "1");
}

TEST_F(LifelineTest, AfterALossTheLifelinesDoNothingAndStayAvailable) {
    start(bank15());
    answerWrong();
    const std::string hint = Form4->Label2->caption();
    for (tk::Button* button : {Form1->Button8, Form1->Button5, Form1->Button6, Form1->Button7}) {
        button->click();
        EXPECT_TRUE(button->isEnabled());
    }
    EXPECT_TRUE(disabledPlaces().empty());
    EXPECT_FALSE(Form4->Visible());
    EXPECT_EQ(Form4->Label2->caption(), hint);
    EXPECT_EQ(Form1->CurrentLevel, 1);
    EXPECT_EQ(statLines()[15], "0");
}

TEST_F(LifelineTest, TheButtonsCarryTheirHintsAndTakeTheFocusInTheirOrder) {
    start(bank15());
    EXPECT_EQ(Form1->Button8->toolTip(), tk::toScreen(tk::cp1251("Компьютер убирает 2 не правильных ответа")));
    EXPECT_EQ(Form1->Button7->toolTip(), tk::toScreen(tk::cp1251("Компьютер отвечает вместо Вас")));
    EXPECT_EQ(Form1->Button5->toolTip(), Form1->Button6->toolTip());
    // Tab goes Button6, Button7, Button8, Button5 and round again; nothing else takes the focus.
    const auto nextFocus = [](QWidget* widget) {
        do widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    EXPECT_EQ(nextFocus(Form1->Button6), Form1->Button7);
    EXPECT_EQ(nextFocus(Form1->Button7), Form1->Button8);
    EXPECT_EQ(nextFocus(Form1->Button8), Form1->Button5);
    EXPECT_EQ(nextFocus(Form1->Button5), Form1->Button6);
    EXPECT_EQ(Form1->SpeedButton1->focusPolicy(), Qt::NoFocus);
}

// The first in the tab order holds the focus when the game starts, so Space spends its lifeline.
TEST_F(LifelineTest, TheSecond75HoldsTheFocusWhenTheGameStarts) {
    start(bank15());
    Form1->Show();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), Form1->Button6);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &down);
    QApplication::sendEvent(QApplication::focusWidget(), &up);
    EXPECT_FALSE(Form1->Button6->isEnabled());
    EXPECT_TRUE(Form1->Button8->isEnabled() && Form1->Button5->isEnabled() && Form1->Button7->isEnabled());
    Form4->Close();
    Form1->Hide();
}

// Enter or Space on a focused lifeline button uses the lifeline, as a click does.
TEST_F(LifelineTest, EnterOrSpaceOnAFocusedButtonActsAsAClick) {
    start(bank15());
    const auto press = [](QWidget* button, Qt::Key key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(button, &down);
        QApplication::sendEvent(button, &up);
    };
    press(Form1->Button8, Qt::Key_Return);
    EXPECT_FALSE(Form1->Button8->isEnabled());
    EXPECT_EQ(disabledPlaces().size(), 2u);
    press(Form1->Button5, Qt::Key_Enter);
    EXPECT_FALSE(Form1->Button5->isEnabled());
    press(Form1->Button6, Qt::Key_Space);
    EXPECT_FALSE(Form1->Button6->isEnabled());
    EXPECT_TRUE(Form4->Visible());
}

}  // namespace
