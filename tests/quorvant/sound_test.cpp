// The music loop, the sound switch, minimise and restore, and the effect sounds, on a recording
// sound device.
#include "game_fixture.h"
#include "quorvant/main_window.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/media_player.h"
#include "toolkit/text.h"

#include <QCoreApplication>
#include <filesystem>

using namespace quorvant_testing;
using namespace tk::literals;

namespace {

using Log = std::vector<std::string>;

class Sound : public QuorvantGame {
protected:
    Sound() { showWindows(); }

    // The device's notices, handled as the event loop would.
    void deliverNotices() { QCoreApplication::processEvents(); }
    void pressSwitch() { form().Image17->OnMouseDown(tk::MouseButton::Left); }
    void releaseSwitch() { tk::dispatch([&] { form().Image17->OnMouseUp(tk::MouseButton::Left); }); }
    Log logSince(size_t start) const { return Log(media.log().begin() + static_cast<long>(start), media.log().end()); }
};

TEST_F(Sound, TheMusicIsOpenedWithTheWindowAndPlaysFromTheFirstShowing) {
    EXPECT_EQ(media.log(), (Log{"open forhim2.wav", "play forhim2.wav"}));
    EXPECT_TRUE(form().SoundOn);
    EXPECT_EQ(form().Image17->geometry(), QRect(648, 508, 45, 36));
    EXPECT_EQ(tk::fromScreen(form().Image17->toolTip()), "Звук включить - Выключить"_cp);
    EXPECT_EQ(lookOf(form().Image17), "design");
}

TEST_F(Sound, MusicThatRanToItsEndStartsAgainFromItsBeginningEndlessly) {
    for (int round = 0; round < 3; ++round) {
        const size_t mark = media.log().size();
        media.finish("forhim2.wav");
        deliverNotices();
        EXPECT_EQ(logSince(mark), (Log{"seek forhim2.wav 0", "play forhim2.wav"}));
    }
}

TEST_F(Sound, TheSwitchStopsTheMusicAndPlaysItOnFromWhereItStood) {
    pressSwitch();
    EXPECT_EQ(lookOf(form().Image17), "images\\sound_on1.jpg");
    size_t mark = media.log().size();
    releaseSwitch();
    EXPECT_EQ(lookOf(form().Image17), "images\\sound_off.jpg");
    EXPECT_FALSE(form().SoundOn);
    deliverNotices();  // the stop's notice restarts nothing
    EXPECT_EQ(logSince(mark), (Log{"stop forhim2.wav"}));

    pressSwitch();  // off: the press keeps the look
    EXPECT_EQ(lookOf(form().Image17), "images\\sound_off.jpg");
    mark = media.log().size();
    releaseSwitch();
    EXPECT_EQ(lookOf(form().Image17), "images\\sound_on.jpg");
    EXPECT_TRUE(form().SoundOn);
    EXPECT_EQ(logSince(mark), (Log{"play forhim2.wav"}));  // no seek
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(Sound, ASwitchMissingItsLookChangesNothing) {
    std::filesystem::remove("images/sound_off.jpg");
    const size_t mark = media.log().size();
    releaseSwitch();
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_TRUE(form().SoundOn);
    EXPECT_TRUE(logSince(mark).empty());
}

TEST_F(Sound, MinimisePausesAndRestorePlaysOnOnlyWhileTheSoundIsOn) {
    size_t mark = media.log().size();
    tk::Application::instance().OnMinimize();
    tk::Application::instance().OnRestore();
    media.finish("forhim2.wav");
    deliverNotices();
    EXPECT_EQ(logSince(mark), (Log{"pause forhim2.wav", "play forhim2.wav", "seek forhim2.wav 0", "play forhim2.wav"}));

    releaseSwitch();
    mark = media.log().size();
    tk::Application::instance().OnMinimize();
    tk::Application::instance().OnRestore();
    EXPECT_TRUE(logSince(mark).empty());
}

TEST_F(Sound, AnEndNoticeWaitingBehindTheSwitchStillRestartsTheMusic) {
    media.finish("forhim2.wav", /*wake=*/false);
    releaseSwitch();  // handled before the device's message
    EXPECT_FALSE(form().SoundOn);
    const size_t mark = media.log().size();
    deliverNotices();
    EXPECT_EQ(logSince(mark), (Log{"seek forhim2.wav 0", "play forhim2.wav"}));
    releaseSwitch();
    EXPECT_TRUE(form().SoundOn);
}

TEST_F(Sound, ANewEffectCutsOffTheOneSoundingButTheSwitchDoesNot) {
    const size_t mark = media.log().size();
    form().PlayEffect("vin.wav");
    form().PlayEffect("million.wav");
    releaseSwitch();
    EXPECT_EQ(logSince(mark), (Log{"open vin.wav", "play vin.wav", "close vin.wav", "open million.wav",
                                   "play million.wav", "stop forhim2.wav"}));
}

TEST_F(Sound, AGameWithTheEffectsMissingIsReportedAndStillPlayedToItsEnd) {
    media.missing = {"vin.wav", "million.wav", "fol.wav"};
    start();
    for (int question = 1; question <= 15; ++question) answerRight();
    EXPECT_EQ(form().AnsweredCount, 15);
    EXPECT_FALSE(form().GameActive);
    EXPECT_EQ(form().Label1->caption(), "Все! Поздравляю! Вы выиграли 3 000 000 баллов"_cp);
    ASSERT_EQ(errors.messages.size(), 16u);  // vin.wav fifteen times, then million.wav
    EXPECT_NE(errors.messages[0].find("\"vin.wav\""), std::string::npos);
    EXPECT_NE(errors.messages[15].find("\"million.wav\""), std::string::npos);

    start();
    answerWrong();
    EXPECT_FALSE(form().GameActive);
    EXPECT_NE(errors.messages.back().find("\"fol.wav\""), std::string::npos);
    start();  // the list was closed: a new game begins
    EXPECT_TRUE(form().GameActive);
    EXPECT_EQ(form().AnsweredCount, 0);
}

TEST_F(Sound, WithTheSoundOffNoEffectIsOpened) {
    releaseSwitch();
    media.missing = {"vin.wav", "fol.wav"};
    const size_t mark = media.log().size();
    start();
    answerRight();
    answerWrong();
    EXPECT_TRUE(logSince(mark).empty());
    EXPECT_TRUE(errors.messages.empty());
}

}  // namespace
