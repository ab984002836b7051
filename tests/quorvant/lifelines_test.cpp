// The three lifelines: their looks, their spending, and the outcomes of their draws.
#include "game_fixture.h"
#include "quorvant/lifelines.h"
#include "quorvant/main_window.h"
#include "quorvant/message_panel.h"
#include "toolkit/controls.h"
#include "toolkit/text.h"

#include <filesystem>
#include <cstdio>

using namespace quorvant_testing;
using namespace tk::literals;

namespace {

TEST(LifelineTexts, SpecialistNamesTheLetterInTwentyNineCharacters) {
    EXPECT_EQ(lifelines::specialistNames(3), "Я считаю правильным ответ \"C\""_cp);
    for (int letter = 1; letter <= 4; ++letter) {
        const std::string text = lifelines::specialistNames(letter);
        EXPECT_EQ(text.size(), 29u);  // one byte a character
        EXPECT_EQ(text.substr(26), "\"" + std::string(1, char('A' + letter - 1)) + "\"");
    }
    EXPECT_EQ(lifelines::specialistDoesNotKnow(), "Я не знаю правильного ответа!"_cp);
}

TEST(LifelineTexts, TheRightLetterTakesTheTopShareAndAGivesUpItsOwn) {
    EXPECT_EQ(lifelines::audienceShares(1, 40, 59, 0, 1), (std::array{40, 59, 0, 1}));
    EXPECT_EQ(lifelines::audienceShares(2, 45, 10, 20, 25), (std::array{10, 45, 20, 25}));
    EXPECT_EQ(lifelines::audienceShares(3, 45, 10, 20, 25), (std::array{20, 10, 45, 25}));
    EXPECT_EQ(lifelines::audienceShares(4, 45, 10, 20, 25), (std::array{25, 10, 20, 45}));
    EXPECT_EQ(lifelines::audienceText({40, 59, 0, 1}), "Голоса распределились так: A-40%  B-59%  C-0%  D-1%"_cp);
}

class Lifelines : public QuorvantGame {
protected:
    Lifelines() { showWindows(); }

    // A question open with the right answer at `right` and the answers "A".."D".
    void openQuestion(int right) {
        form().GameActive = true;
        form().CorrectIndex = right;
        form().FiftyAvailable = form().PhoneAvailable = form().AudienceAvailable = true;
        for (int letter = 1; letter <= 4; ++letter) answer(letter)->setCaption(std::string(1, char('A' + letter - 1)));
    }
    tk::Label* answer(int letter) {
        return std::array{form().Label2, form().Label3, form().Label4, form().Label5}[letter - 1];
    }
    std::string panelText() { return Form5->Label1->caption(); }
    // The shares the audience gave A..D, read back from the panel.
    std::array<int, 4> shares() {
        const std::string text = panelText(), head = "Голоса распределились так: "_cp;
        std::array<int, 4> s{-1, -1, -1, -1};
        int end = 0;
        EXPECT_EQ(text.substr(0, head.size()), head);
        EXPECT_EQ(std::sscanf(text.c_str() + head.size(), "A-%d%%  B-%d%%  C-%d%%  D-%d%%%n", &s[0], &s[1], &s[2], &s[3], &end), 4);
        EXPECT_EQ(head.size() + end, text.size()) << text;
        return s;
    }
};

TEST_F(Lifelines, StandInTheLeftColumnWithTheirDesignPicturesAndHints) {
    EXPECT_EQ(form().Image10->geometry(), QRect(31, 127, 82, 51));
    EXPECT_EQ(form().Image11->geometry(), QRect(30, 179, 82, 51));
    EXPECT_EQ(form().Image12->geometry(), QRect(31, 230, 82, 51));
    EXPECT_EQ(tk::fromScreen(form().Image10->toolTip()), "Убрать два неправильных ответа"_cp);
    EXPECT_EQ(tk::fromScreen(form().Image11->toolTip()), "Звонок специалисту"_cp);
    EXPECT_EQ(tk::fromScreen(form().Image12->toolTip()), "Помощь извне"_cp);
    EXPECT_EQ(lookOf(form().Image10), "design");
    EXPECT_FALSE(form().Image10->picture().isNull());
}

TEST_F(Lifelines, AnAvailableLifelineFollowsThePointerAndASpentOneKeepsItsUsedLook) {
    form().Image11MouseEnter();
    EXPECT_EQ(lookOf(form().Image11), "images\\tel2.jpg");
    form().Image11MouseDown(tk::MouseButton::Left);
    EXPECT_EQ(lookOf(form().Image11), "images\\tel3.jpg");
    form().Image11MouseLeave();
    EXPECT_EQ(lookOf(form().Image11), "images\\tel.jpg");

    // No game runs: the release spends it all the same, and nothing else happens.
    form().Image11MouseUp(tk::MouseButton::Right);
    EXPECT_EQ(lookOf(form().Image11), "images\\tel4.jpg");
    EXPECT_FALSE(form().PhoneAvailable);
    EXPECT_FALSE(Form5->Visible());
    form().Image11MouseEnter();
    form().Image11MouseDown(tk::MouseButton::Left);
    form().Image11MouseLeave();
    EXPECT_EQ(lookOf(form().Image11), "images\\tel4.jpg");

    form().Image10MouseUp(tk::MouseButton::Middle);
    form().Image12MouseUp(tk::MouseButton::Left);
    EXPECT_FALSE(form().FiftyAvailable || form().AudienceAvailable);
    EXPECT_EQ(lookOf(form().Image10), "images\\fifty4.jpg");
    EXPECT_EQ(lookOf(form().Image12), "images\\piple4.jpg");
    EXPECT_FALSE(Form5->Visible());

    // Start makes them available again, with their normal looks.
    start();
    EXPECT_TRUE(form().FiftyAvailable && form().PhoneAvailable && form().AudienceAvailable);
    EXPECT_EQ(lookOf(form().Image11), "images\\tel.jpg");
    form().Image11MouseEnter();
    EXPECT_EQ(lookOf(form().Image11), "images\\tel2.jpg");
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(Lifelines, AReleaseWhoseUsedLookIsMissingDoesNothingElse) {
    std::filesystem::remove("images/piple4.jpg");
    start();
    tk::dispatch([&] { form().Image12->OnMouseUp(tk::MouseButton::Left); });
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("piple4.jpg"), std::string::npos);
    EXPECT_TRUE(form().AudienceAvailable);
    EXPECT_FALSE(Form5->Visible());
}

TEST_F(Lifelines, FiftyFiftyClearsTwoWrongAnswersLeavingEachWrongOneAboutAThirdOfTheTime) {
    std::array<int, 5> kept{};
    const int runs = 1200;
    for (int run = 0; run < runs; ++run) {
        openQuestion(3);
        form().Image10MouseUp(tk::MouseButton::Left);
        EXPECT_EQ(answer(3)->caption(), "C");
        int left = 0;
        for (int letter = 1; letter <= 4; ++letter)
            if (!answer(letter)->caption().empty() && letter != 3) ++left, ++kept[letter];
        ASSERT_EQ(left, 1);
        EXPECT_FALSE(form().FiftyAvailable);
    }
    for (int letter : {1, 2, 4}) EXPECT_NEAR(kept[letter], runs / 3, runs / 15) << "letter " << letter;
}

TEST_F(Lifelines, FiftyFiftyWithNoRightAnswerYetClearsAnyTwo) {
    std::array<int, 5> cleared{};
    for (int run = 0; run < 200; ++run) {
        openQuestion(0);
        form().Image10MouseUp(tk::MouseButton::Left);
        int count = 0;
        for (int letter = 1; letter <= 4; ++letter)
            if (answer(letter)->caption().empty()) ++count, ++cleared[letter];
        ASSERT_EQ(count, 2);
    }
    for (int letter = 1; letter <= 4; ++letter) EXPECT_GT(cleared[letter], 50);
}

TEST_F(Lifelines, TheSpecialistNamesTheRightLetterOrAdmitsNotKnowingOneTimeInFive) {
    int doesNotKnow = 0;
    const int runs = 1000;
    for (int run = 0; run < runs; ++run) {
        openQuestion(3);
        form().Image11MouseUp(tk::MouseButton::Left);
        ASSERT_TRUE(Form5->Visible());
        if (panelText() == lifelines::specialistDoesNotKnow()) ++doesNotKnow;
        else ASSERT_EQ(panelText(), "Я считаю правильным ответ \"C\""_cp);
        EXPECT_FALSE(form().PhoneAvailable);
    }
    EXPECT_NEAR(doesNotKnow, runs / 5, runs / 20);
}

TEST_F(Lifelines, WithNoRightAnswerYetThePanelKeepsItsTextUnlessTheSpecialistDoesNotKnow) {
    bool sawEmpty = false, sawDoesNotKnow = false;
    for (int run = 0; run < 40; ++run) {
        Form5->Label1->setCaption("");
        openQuestion(0);
        form().Image11MouseUp(tk::MouseButton::Left);
        ASSERT_TRUE(Form5->Visible());
        sawEmpty |= panelText().empty();
        sawDoesNotKnow |= panelText() == lifelines::specialistDoesNotKnow();
        ASSERT_TRUE(panelText().empty() || panelText() == lifelines::specialistDoesNotKnow());
    }
    EXPECT_TRUE(sawEmpty && sawDoesNotKnow);

    Form5->Label1->setCaption("before");
    openQuestion(0);
    form().Image12MouseUp(tk::MouseButton::Left);
    EXPECT_EQ(panelText(), "before");
    EXPECT_FALSE(form().AudienceAvailable);
}

TEST_F(Lifelines, TheAudienceSharesAddUpToAHundredWithFortyToSixtyNineOnTheRightLetter) {
    for (int right = 1; right <= 4; ++right)
        for (int run = 0; run < 300; ++run) {
            openQuestion(right);
            form().Image12MouseUp(tk::MouseButton::Left);
            const auto s = shares();
            EXPECT_EQ(s[0] + s[1] + s[2] + s[3], 100);
            EXPECT_GE(s[right - 1], 40);
            EXPECT_LE(s[right - 1], 69);
            // The last share drawn (D's, or A's after the swap with D) is never 0.
            EXPECT_GT(s[right == 4 ? 0 : 3], 0);
            EXPECT_FALSE(form().AudienceAvailable);
        }
}

TEST_F(Lifelines, InARealGameThePanelShowsTheSpecialistThenTheVoteAndTheClearedAnswersGetSharesToo) {
    start();
    const int right = rightLetter();
    ASSERT_GE(right, 1);
    form().Image10MouseUp(tk::MouseButton::Left);
    form().Image11MouseUp(tk::MouseButton::Left);
    ASSERT_TRUE(Form5->Visible());
    const std::string specialist = panelText();
    EXPECT_TRUE(specialist == lifelines::specialistNames(right) || specialist == lifelines::specialistDoesNotKnow());
    form().Image12MouseUp(tk::MouseButton::Left);
    EXPECT_TRUE(Form5->Visible());
    const auto s = shares();
    EXPECT_EQ(s[0] + s[1] + s[2] + s[3], 100);
    EXPECT_TRUE(errors.messages.empty());

    // Spent: another release opens nothing and changes nothing.
    Form5->Hide();
    form().Image11MouseUp(tk::MouseButton::Left);
    form().Image12MouseUp(tk::MouseButton::Left);
    EXPECT_FALSE(Form5->Visible());
}

}  // namespace
