// The main window: its design, the set-up when first shown, Start and stop-and-take.
#include "game_fixture.h"
#include "quorvant/main_window.h"
#include "toolkit/controls.h"
#include "toolkit/shape.h"
#include "toolkit/text.h"

#include <filesystem>

using namespace quorvant_testing;
using namespace tk::literals;

namespace {

class MainWindow : public QuorvantGame {
protected:
    MainWindow() { showWindows(); }
    std::string list() { return folder.read("spisok.txt"); }
};

TEST_F(MainWindow, IsBorderlessWithItsDesignAndSetUpWhenShown) {
    EXPECT_EQ(form().client()->size(), QSize(700, 550));
    EXPECT_TRUE(form().windowFlags() & Qt::FramelessWindowHint);
    form().resize(800, 625);  // as a window manager would
    EXPECT_EQ(form().size(), QSize(700, 550));
    EXPECT_EQ(form().caption(), "Quorvant 2.2");
    EXPECT_EQ(form().Label6->caption(), " Для  начала  игры  нажми \"Старт\""_cp);
    EXPECT_EQ(form().Label6->fontColor(), 0x00EAFEu);
    EXPECT_EQ(form().Shape1->brushColor(), 0x00EAFEu);
    EXPECT_EQ(form().Shape1->geometry(), QRect(552, 301, 132, 18));
    EXPECT_EQ(form().Image3->geometry(), QRect(6, 6, 50, 18));
    EXPECT_EQ(form().Label1->geometry(), QRect(72, 340, 553, 85));
    EXPECT_TRUE(form().SoundOn && form().FiftyAvailable && form().AudienceAvailable && form().PhoneAvailable);
    EXPECT_FALSE(form().GameActive);
    EXPECT_EQ(form().SafeSumText, "0");
    EXPECT_EQ(form().ScoreLadder[0], 0);
    EXPECT_EQ(form().ScoreLadder[1], 500);
    EXPECT_EQ(form().ScoreLadder[10], 100000);
    EXPECT_EQ(form().ScoreLadder[15], 3000000);
    EXPECT_EQ(form().PraiseTexts[9], "Вау! В десяточку!"_cp);
    // Texts lie above the pictures they stand on.
    EXPECT_EQ(form().client()->childAt(130, 455), form().Label2);
    EXPECT_EQ(form().client()->childAt(60, 440), form().Image13);
}

TEST_F(MainWindow, StartDrawsTheListAndShowsQuestionOne) {
    start();
    const auto lines = splitLines(list());
    ASSERT_EQ(lines.size(), 15u);
    const auto bank0 = splitLines(folder.read("bank0.txt")), bank = splitLines(folder.read("bank.txt"));
    for (int k = 1; k <= 5; ++k)
        EXPECT_NE(std::find(bank0.begin() + 10 * (k - 1), bank0.begin() + 10 * k, lines[k - 1]), bank0.begin() + 10 * k);
    for (int k = 1; k <= 10; ++k)
        EXPECT_NE(std::find(bank.begin() + 15 * (k - 1), bank.begin() + 15 * k, lines[4 + k]), bank.begin() + 15 * k);
    EXPECT_TRUE(form().GameActive);
    EXPECT_EQ(form().AnsweredCount, 0);
    EXPECT_EQ(form().Label6->caption(), "Вопрос № 1"_cp);
    EXPECT_EQ(form().Label1->caption().substr(0, 2), "Qa");
    EXPECT_EQ(lookOf(form().Image3), "images\\start2.jpg");
    EXPECT_EQ(lookOf(form().Image10), "images\\fifty.jpg");
    EXPECT_EQ(form().Shape1->Top(), 301);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(MainWindow, StartDuringAGameOnlyReArmsTheLifelines) {
    start();
    answerRight();
    const std::string listBefore = list();
    const auto question = form().Label1->caption();
    const int right = form().CorrectIndex;
    form().FiftyAvailable = form().PhoneAvailable = form().AudienceAvailable = false;
    form().Image11->LoadFromFile("images\\tel4.jpg");
    start();
    EXPECT_EQ(list(), listBefore);
    EXPECT_EQ(form().Label1->caption(), question);
    EXPECT_EQ(form().CorrectIndex, right);
    EXPECT_EQ(form().AnsweredCount, 1);
    EXPECT_EQ(form().Shape1->Top(), 282);
    EXPECT_TRUE(form().FiftyAvailable && form().PhoneAvailable && form().AudienceAvailable);
    EXPECT_EQ(lookOf(form().Image11), "images\\tel.jpg");
    answerRight();  // the game goes on with its list
    EXPECT_EQ(form().Label6->caption(), "Вопрос № 3"_cp);
}

TEST_F(MainWindow, StartDuringAGameWhoseListWasRemovedOnDiskLeavesTheGameAsItIs) {
    start();
    answerRight();
    const auto question = form().Label1->caption();
    std::filesystem::remove("spisok.txt");  // by another program, while the game holds it open
    start();
    EXPECT_FALSE(std::filesystem::exists("spisok.txt"));
    EXPECT_EQ(form().Label1->caption(), question);
    EXPECT_EQ(form().AnsweredCount, 1);
    EXPECT_TRUE(form().GameActive);
    answerRight();  // the game reads on from the list it holds
    EXPECT_EQ(form().Label6->caption(), "Вопрос № 3"_cp);
    stop();
    start();  // closed now, so the list is gone and a new one is drawn
    EXPECT_EQ(splitLines(list()).size(), 15u);
    EXPECT_EQ(form().AnsweredCount, 0);
}

TEST_F(MainWindow, PrizeBarStartsAt301AndAfterAGameWithRightAnswersAt300) {
    start();
    answerWrong();
    start();
    EXPECT_EQ(form().Shape1->Top(), 301);  // no right answer: the bar never moved
    answerRight();
    answerRight();
    EXPECT_EQ(form().Shape1->Top(), 301 - 2 * 19);
    answerWrong();
    start();
    EXPECT_EQ(form().Shape1->Top(), 300);
    answerRight();
    EXPECT_EQ(form().Shape1->Top(), 281);
    stop();
    start();
    EXPECT_EQ(form().Shape1->Top(), 300);
}

// The bar masks the ladder beneath it: the light prize text it marks reads dark on a yellow band.
TEST_F(MainWindow, PrizeBarShowsTheRowItMarksDarkOnYellow) {
    QImage ladder(152, 300, QImage::Format_RGB32);
    ladder.fill(QColor(20, 30, 80));
    for (int y = 279; y < 286; ++y)  // a light prize text in the row of question 1
        for (int x = 58; x < 98; ++x) ladder.setPixel(x, y, qRgb(255, 255, 255));
    form().Image18->setPicture(ladder);
    const auto pixel = [this](int x, int y) { return form().client()->grab().toImage().pixel(x, y); };
    EXPECT_EQ(pixel(620, 308), qRgb(0, 0, 0));                  // the text inside the bar
    EXPECT_EQ(pixel(560, 310), qRgb(254 & ~20, 234 & ~30, 0));  // the band around it
    EXPECT_EQ(pixel(552, 310), qRgb(0, 0, 0));                  // left edge of the outline
    EXPECT_EQ(pixel(600, 301), qRgb(0, 0, 0));                  // top edge of the outline
    EXPECT_EQ(pixel(545, 310), qRgb(20, 30, 80));               // the ladder beside the bar
    start();
    answerRight();  // the bar climbs a row and leaves the text as it is
    EXPECT_EQ(pixel(620, 308), qRgb(255, 255, 255));
    EXPECT_EQ(pixel(620, 290), qRgb(254 & ~20, 234 & ~30, 0));
}

TEST_F(MainWindow, StopPaysThePrizeReachedAndEndsTheGame) {
    start();
    stop();
    EXPECT_EQ(form().Label1->caption(), "Чтож не хотите играть дальше - до свидания! Вы выиграли 0 баллов."_cp);
    EXPECT_EQ(form().Label6->caption(), "Для начала новой игры нажми \"Старт\""_cp);
    EXPECT_FALSE(form().GameActive);
    EXPECT_FALSE(form().QuestionListFile.isOpen());
    form().Label1->setCaption("kept");
    stop();  // no game: only the look
    EXPECT_EQ(form().Label1->caption(), "kept");
    EXPECT_EQ(lookOf(form().Image9), "images\\exit2.jpg");
    start();
    for (int k = 0; k < 10; ++k) answerRight();
    stop();
    EXPECT_EQ(form().Label1->caption(), "Чтож не хотите играть дальше - до свидания! Вы выиграли 100000 баллов."_cp);
}

TEST_F(MainWindow, AListThatCannotBeDeletedWhileNoGameRunsEndsStartBeforeTheGame) {
    folder.write("spisok.txt", "left from an earlier run\r\n");
    tk::TextFile holder;  // held open by the program: undeletable
    holder.Assign("spisok.txt");
    holder.Reset();
    start();
    EXPECT_FALSE(form().GameActive);
    EXPECT_EQ(list(), "left from an earlier run\r\n");
    EXPECT_TRUE(form().FiftyAvailable);
    release(1);  // no game: no list to meet
    stop();
    EXPECT_TRUE(errors.messages.empty());
    holder.Close();
    start();  // a list left from before is deleted by the next Start
    EXPECT_TRUE(form().GameActive);
    EXPECT_EQ(splitLines(list()).size(), 15u);
}

TEST_F(MainWindow, AMissingBankIsReportedAndLeavesAGameThatStopEnds) {
    start();
    answerRight();
    std::filesystem::remove("bank.txt");
    stop();
    start();
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("bank.txt"), std::string::npos);
    EXPECT_NE(errors.messages[0].find("No such file"), std::string::npos);
    EXPECT_TRUE(form().GameActive);
    EXPECT_EQ(form().AnsweredCount, 1);  // as the previous game left it
    EXPECT_TRUE(form().QuestionListFile.isOpen());
    start();  // the list is held open: Start ends at the guard
    EXPECT_EQ(errors.messages.size(), 1u);
    stop();
    EXPECT_FALSE(form().GameActive);
    folder.write("bank.txt", bankOf("b", 150));
    start();
    EXPECT_EQ(form().Label6->caption(), "Вопрос № 1"_cp);
    EXPECT_EQ(errors.messages.size(), 1u);
}

TEST_F(MainWindow, AMissingLookEndsStartWhereItIsLoaded) {
    std::filesystem::rename("images/start2.jpg", "images/start2.kept");
    start();
    EXPECT_EQ(errors.messages.size(), 1u);
    EXPECT_FALSE(form().GameActive);
    EXPECT_FALSE(std::filesystem::exists("spisok.txt"));

    // A missing lifeline look comes after the game and its lifelines are marked: nothing is drawn.
    std::filesystem::rename("images/start2.kept", "images/start2.jpg");
    std::filesystem::remove("images/tel.jpg");
    form().FiftyAvailable = form().AudienceAvailable = form().PhoneAvailable = false;
    start();
    EXPECT_EQ(errors.messages.size(), 2u);
    EXPECT_TRUE(form().GameActive);
    EXPECT_TRUE(form().FiftyAvailable && form().AudienceAvailable && form().PhoneAvailable);
    EXPECT_EQ(lookOf(form().Image10), "images\\fifty.jpg");
    EXPECT_FALSE(std::filesystem::exists("spisok.txt"));
    EXPECT_EQ(form().Label6->caption(), " Для  начала  игры  нажми \"Старт\""_cp);

    // Such a game has no list: stop still ends it, without an error.
    form().Image9MouseUp(tk::MouseButton::Left);
    EXPECT_EQ(errors.messages.size(), 2u);
    EXPECT_FALSE(form().GameActive);
}

}  // namespace
