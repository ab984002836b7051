// The answer buttons: looks and label positions, and the judging with its waits, in order.
#include "game_fixture.h"
#include "quorvant/main_window.h"
#include "toolkit/controls.h"
#include "toolkit/shape.h"
#include "toolkit/text.h"

#include <functional>

using namespace quorvant_testing;
using namespace tk::literals;

namespace {

// Records each wait with what the window holds at that moment.
class TimelineWaiter : public tk::Waiter {
public:
    explicit TimelineWaiter(std::function<std::string()> snapshot) : snapshot_(std::move(snapshot)) { tk::setWaiter(this); }
    ~TimelineWaiter() override { tk::setWaiter(nullptr); }
    void wait(int milliseconds) override { timeline.push_back(std::to_string(milliseconds) + " " + snapshot_()); }
    std::vector<std::string> timeline;

private:
    std::function<std::string()> snapshot_;
};

class AnswerButtons : public QuorvantGame {
protected:
    AnswerButtons() {
        showWindows();
        form().SoundOn = false;
    }
    tk::Image* picture(int letter) {
        tk::Image* const pictures[] = {form().Image13, form().Image14, form().Image15, form().Image16};
        return pictures[letter - 1];
    }
    tk::Label* label(int letter) {
        tk::Label* const labels[] = {form().Label2, form().Label3, form().Label4, form().Label5};
        return labels[letter - 1];
    }
};

TEST_F(AnswerButtons, PictureAndLabelChangeLooksAsOneButtonInEveryState) {
    EXPECT_EQ(label(2)->pos(), QPoint(421, 450));  // as designed, one pixel right of its rest
    EXPECT_EQ(picture(2)->geometry(), QRect(356, 439, 283, 43));
    EXPECT_EQ(label(4)->geometry(), QRect(420, 492, 201, 25));
    label(2)->OnMouseEnter();
    EXPECT_EQ(lookOf(picture(2)), "images\\varb1.jpg");
    label(2)->OnMouseDown(tk::MouseButton::Right);
    EXPECT_EQ(lookOf(picture(2)), "images\\varb11.jpg");
    EXPECT_EQ(label(2)->pos(), QPoint(421, 451));
    picture(2)->OnMouseUp(tk::MouseButton::Middle);  // no game: only looks
    EXPECT_EQ(lookOf(picture(2)), "images\\varb1.jpg");
    EXPECT_EQ(label(2)->pos(), QPoint(420, 450));
    picture(3)->OnMouseDown(tk::MouseButton::Left);
    picture(3)->OnMouseLeave();
    EXPECT_EQ(lookOf(picture(3)), "images\\varc.jpg");
    EXPECT_EQ(label(3)->pos(), QPoint(125, 492));
    EXPECT_TRUE(waits.waits.empty());
    EXPECT_EQ(lookOf(picture(1)), "design");
}

TEST_F(AnswerButtons, RightAnswerWaitsRepaintsClimbsAndShowsTheNextQuestion) {
    start();
    const int letter = rightLetter();
    const std::string base = "images\\var" + std::string(1, char('a' + letter - 1));
    TimelineWaiter waiter([&] { return lookOf(picture(letter)) + " " + std::to_string(form().Shape1->Top()); });
    picture(letter)->OnMouseDown(tk::MouseButton::Left);
    release(letter);
    std::vector<std::string> expected{"2000 " + base + "1.jpg 301"};
    for (int top = 301; top >= 282; --top) expected.push_back("50 " + base + "2.jpg " + std::to_string(top));
    expected.push_back("2000 " + base + "2.jpg 282");
    EXPECT_EQ(waiter.timeline, expected);
    EXPECT_EQ(lookOf(picture(letter)), base + ".jpg");
    EXPECT_EQ(form().AnsweredCount, 1);
    EXPECT_EQ(form().Label6->caption(), "Вопрос № 2"_cp);
    EXPECT_EQ(form().Label1->caption().substr(0, 2), "Qa");
    EXPECT_TRUE(form().GameActive);
}

TEST_F(AnswerButtons, PraiseNamesThePrizeWithItsSoundBeforeTheBarMoves) {
    start();
    form().SoundOn = true;
    media.clearLog();
    const int letter = rightLetter();
    std::vector<std::string> praiseSeen;
    TimelineWaiter waiter([&] { return form().Label1->caption(); });
    release(letter);
    const std::string praise = waiter.timeline.at(1).substr(3);
    bool known = false;
    for (int i = 1; i <= 9; ++i) known |= praise == form().PraiseTexts[i] + " Есть 500 баллов"_cp;
    EXPECT_TRUE(known) << tk::toScreen(praise).toStdString();
    EXPECT_EQ(media.log().front(), "open vin.wav");
}

TEST_F(AnswerButtons, WrongAnswerShowsTheLossTextThenTheWrongLookAndWaits) {
    start();
    const int letter = rightLetter() % 4 + 1;
    const std::string base = "images\\var" + std::string(1, char('a' + letter - 1));
    const auto question = form().Label6->caption();
    TimelineWaiter waiter([&] { return lookOf(picture(letter)) + (form().GameActive ? " active" : " over"); });
    release(letter);
    EXPECT_EQ(waiter.timeline, (std::vector<std::string>{"2000 " + base + "1.jpg active", "2500 " + base + "3.jpg over"}));
    EXPECT_EQ(form().Label1->caption(),
              "Как сильно вы ошибаетесь! Ваш выигрыш сегодня составил 0 баллов. Нажми \"Старт\" для начала новой игры."_cp);
    EXPECT_EQ(form().Label6->caption(), question);
    EXPECT_FALSE(form().QuestionListFile.isOpen());
    release(letter);  // after the loss only the look changes
    EXPECT_EQ(waiter.timeline.size(), 2u);
    EXPECT_EQ(lookOf(picture(letter)), base + "1.jpg");
}

TEST_F(AnswerButtons, ALossFromQuestionSixOnLeavesTheGuaranteedSum) {
    start();
    for (int k = 0; k < 5; ++k) answerRight();
    answerWrong();
    EXPECT_NE(form().Label1->caption().find(" 5000 баллов."_cp), std::string::npos);
    start();
    for (int k = 0; k < 10; ++k) answerRight();
    form().SoundOn = true;
    media.clearLog();
    answerWrong();
    EXPECT_NE(form().Label1->caption().find(" 100 000 баллов."_cp), std::string::npos);
    EXPECT_EQ(media.log().front(), "open fol.wav");
}

TEST_F(AnswerButtons, FifteenRightAnswersWinWithoutMovingTheBar) {
    start();
    for (int k = 0; k < 14; ++k) answerRight();
    EXPECT_EQ(form().Shape1->Top(), 301 - 14 * 19);
    form().SoundOn = true;
    media.clearLog();
    waits.waits.clear();
    answerRight();
    EXPECT_EQ(waits.waits, (std::vector<int>{2000, 2000}));
    EXPECT_EQ(form().Label1->caption(), "Все! Поздравляю! Вы выиграли 3 000 000 баллов"_cp);
    EXPECT_EQ(form().Label6->caption(), "Вопрос № 15"_cp);
    EXPECT_EQ(form().Shape1->Top(), 301 - 14 * 19);
    EXPECT_FALSE(form().GameActive);
    EXPECT_FALSE(form().QuestionListFile.isOpen());
    ASSERT_GE(media.log().size(), 2u);
    EXPECT_EQ(media.log()[0], "open vin.wav");
    EXPECT_NE(std::find(media.log().begin(), media.log().end(), "open million.wav"), media.log().end());
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(AnswerButtons, AClearedCaptionIsStillJudged) {
    start();
    const int wrong = rightLetter() % 4 + 1;
    label(wrong)->setCaption("");
    label(wrong)->OnMouseUp(tk::MouseButton::Left);
    EXPECT_EQ(waits.waits, (std::vector<int>{2000, 2500}));
    EXPECT_FALSE(form().GameActive);
}

TEST_F(AnswerButtons, TheSecondClickOfADoubleClickIsJudgedAgainstTheNextQuestion) {
    // Question 1's right answer is A, question 2's is B.
    folder.write("bank0.txt", bankOf("a", 50, [](int k) { return k <= 10 ? 1 : 2; }));
    windows.reset();
    showWindows();
    form().SoundOn = false;
    start();
    release(1);
    EXPECT_EQ(form().Label6->caption(), "Вопрос № 2"_cp);
    release(1);  // queued behind the first: question 2 is open now
    EXPECT_FALSE(form().GameActive);
    EXPECT_EQ(form().AnsweredCount, 1);
}

TEST_F(AnswerButtons, WithCorrectIndexOutsideTheLettersEveryAnswerIsWrong) {
    folder.write("bank0.txt", linesFile(std::vector<std::string>(50, encodeLine("Q*n*A*B*C*D*"))));
    windows.reset();
    showWindows();
    form().SoundOn = false;
    start();
    EXPECT_EQ(form().CorrectIndex, 0);
    release(1);
    EXPECT_FALSE(form().GameActive);
}

TEST_F(AnswerButtons, TheCountNeverPassesTheLadderWhenAnEffectFails) {
    start();
    form().SoundOn = true;
    media.missing.insert("vin.wav");
    for (int k = 0; k < 20 && form().GameActive; ++k) {
        answerRight();
        ASSERT_LE(form().AnsweredCount, 15);
    }
    stop();
}

}  // namespace
