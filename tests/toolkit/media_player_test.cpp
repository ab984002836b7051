#include "toolkit/error.h"
#include "toolkit/media_player.h"
#include "tests/support/fake_media_backend.h"
#include "tests/support/noticed_player.h"
#include "tests/support/seams.h"
#include "tests/support/wav_file.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <SDL_mixer.h>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

using testing_support::FakeMediaBackend;
using testing_support::idle;
using testing_support::waitUntil;
using testing_support::writeLongWav;
using testing_support::writeWav;
using tk::NotifyValue;

namespace {

using Log = std::vector<std::string>;

void deliverNotices() { QCoreApplication::processEvents(); }

class MediaPlayerTest : public testing::Test {
protected:
    MediaPlayerTest() {
        player.FileName = "music.wav";
        player.OnNotify = [this](NotifyValue value) { notices.push_back(value); };
    }

    FakeMediaBackend backend;
    QObject owner;
    tk::MediaPlayer player{&owner};
    std::vector<NotifyValue> notices;
};

TEST_F(MediaPlayerTest, OpenClosesTheSoundItHoldsAndAFailedOpenLeavesNothingOpen) {
    player.Open();
    player.Play();
    player.FileName = "other.wav";
    player.Open();
    EXPECT_EQ(backend.log(), (Log{"open music.wav", "play music.wav", "close music.wav", "open other.wav"}));

    backend.missing.insert("gone.wav");
    player.FileName = "gone.wav";
    try {
        player.Open();
        FAIL() << "opening a missing file must throw";
    } catch (const tk::Error& error) {
        EXPECT_NE(std::string(error.what()).find("\"gone.wav\""), std::string::npos) << error.what();
    }
    backend.clearLog();
    player.Play();
    player.Stop();
    EXPECT_TRUE(backend.log().empty());
    EXPECT_EQ(player.mode(), tk::MediaPlayer::Mode::NotOpen);
}

TEST_F(MediaPlayerTest, PlayRewindsOnlyAtTheEnd) {
    player.Open();
    player.Play();
    player.Stop();
    player.Play();  // goes on from where it stood
    backend.finish("music.wav");
    player.Play();  // at the end: back to the start first
    EXPECT_EQ(backend.log(), (Log{"open music.wav", "play music.wav", "stop music.wav", "play music.wav",
                                  "seek music.wav 0", "play music.wav"}));
}

TEST_F(MediaPlayerTest, OnlyAPlayThatRanToItsEndIsSuccessful) {
    player.Open();
    player.Play();
    player.Stop();  // cut
    player.Play();
    player.Play();  // replaces the play before
    backend.finish("music.wav");
    EXPECT_TRUE(notices.empty()) << "notices come from the event loop, not inside a command";
    deliverNotices();
    EXPECT_EQ(notices, (std::vector{NotifyValue::Aborted, NotifyValue::Superseded, NotifyValue::Successful}));
    EXPECT_EQ(player.mode(), tk::MediaPlayer::Mode::Stopped);
    EXPECT_EQ(player.Position(), player.Length());

    notices.clear();
    player.Stop();  // nothing pending any more
    player.Play();
    player.Close();
    deliverNotices();
    EXPECT_EQ(notices, (std::vector{NotifyValue::Aborted}));
}

TEST_F(MediaPlayerTest, PauseTogglesAndTheResumeAsksForANotice) {
    player.Open();
    player.Play();
    player.Pause();
    EXPECT_EQ(player.mode(), tk::MediaPlayer::Mode::Paused);
    player.Pause();
    EXPECT_EQ(player.mode(), tk::MediaPlayer::Mode::Playing);
    backend.finish("music.wav");
    deliverNotices();
    EXPECT_EQ(notices, (std::vector{NotifyValue::Aborted, NotifyValue::Successful}));
    player.Pause();  // stopped at the end: nothing to pause
    EXPECT_EQ(backend.log(), (Log{"open music.wav", "play music.wav", "pause music.wav", "resume music.wav"}));
}

TEST_F(MediaPlayerTest, AnEndTheDeviceReachedBeforeAStopStaysSuccessful) {
    player.Open();
    player.Play();
    backend.finish("music.wav", /*wake=*/false);  // its message still waits in the queue
    player.Stop();
    deliverNotices();
    EXPECT_EQ(notices, (std::vector{NotifyValue::Successful}));
}

TEST_F(MediaPlayerTest, SetPositionStopsAPlayingSoundAndSeeks) {
    player.Open();
    player.Play();
    player.setPosition(0);
    deliverNotices();
    EXPECT_EQ(notices, (std::vector{NotifyValue::Aborted}));
    EXPECT_EQ(backend.log(), (Log{"open music.wav", "play music.wav", "stop music.wav", "seek music.wav 0"}));
}

// The real device: SDL_mixer on the dummy driver, which mixes silently in real time.
class SdlMediaPlayerTest : public testing::Test {
protected:
    SdlMediaPlayerTest() { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    // A player with the file open and its notices gathered in `notices`.
    struct Player : testing_support::NoticedPlayer {
        explicit Player(const std::string& fileName) : NoticedPlayer(fileName) { player.Open(); }
    };

    // Plays a sound that lasts the given time to its end, paused and played on, and cut short.
    static void expectPlaysToItsEnd(const std::string& fileName, int milliseconds, bool streamed) {
        Player one(fileName);
        tk::MediaPlayer& player = one.player;
        std::vector<NotifyValue>& notices = one.notices;
        EXPECT_NEAR(player.Length(), milliseconds, 2);  // resampled to the device's rate

        player.Play();
        EXPECT_EQ(Mix_PlayingMusic() != 0, streamed);
        ASSERT_TRUE(one.waitForNotices(1)) << "no end notice";
        EXPECT_EQ(notices, (std::vector{NotifyValue::Successful}));
        EXPECT_EQ(player.Position(), player.Length());

        // Paused and played on from the same place, it still runs out.
        notices.clear();
        player.Play();
        player.Pause();
        player.Play();
        ASSERT_TRUE(one.waitForNotices(2));
        EXPECT_EQ(notices, (std::vector{NotifyValue::Aborted, NotifyValue::Successful}));

        notices.clear();
        player.Play();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        player.Stop();
        const int stoppedAt = player.Position();
        EXPECT_LT(stoppedAt, player.Length());
        idle(2 * milliseconds);  // longer than the sound
        EXPECT_EQ(notices, (std::vector{NotifyValue::Aborted}));
        EXPECT_EQ(player.Position(), stoppedAt);
    }

    // Opens the file on a player of its own and plays it through the music stream to its end.
    static void expectStreamsToItsEnd(const std::string& fileName) {
        Player one(fileName);
        one.player.Play();
        EXPECT_TRUE(Mix_PlayingMusic()) << fileName << " is not streamed";
        ASSERT_TRUE(one.waitForNotices(1));
        EXPECT_EQ(one.notices, (std::vector{NotifyValue::Successful}));
    }

    testing_support::TempFolder folder;
};

TEST_F(SdlMediaPlayerTest, APlayRunsToItsEndAndACutPlayIsNotSuccessful) {
    writeWav("beep.wav", 250);
    expectPlaysToItsEnd("beep.wav", 250, false);
}

TEST_F(SdlMediaPlayerTest, ALongSoundStreamedFromItsFilePlaysTheSame) {
    writeLongWav("music.wav");
    expectPlaysToItsEnd("music.wav", 1500, true);
}

// Counts loud samples the device puts out while it is set.
class Listener {
public:
    Listener() { Mix_SetPostMix(listen, &loud_); }
    ~Listener() { Mix_SetPostMix(nullptr, nullptr); }
    int loud() const { return loud_; }

private:
    static void SDLCALL listen(void* loud, Uint8* stream, int length) {
        const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
        for (int i = 0; i < length / 2; ++i)
            if (std::abs(samples[i]) > 100) ++*static_cast<std::atomic<int>*>(loud);
    }
    std::atomic<int> loud_{0};
};

TEST_F(SdlMediaPlayerTest, AStreamedSoundPlaysFromWhereItWasPutAndNothingBefore) {
    writeLongWav("music.wav", 1500, /*silentFrom=*/700);  // a tone, then silence
    Player one("music.wav");
    tk::MediaPlayer& player = one.player;
    player.setPosition(900);
    EXPECT_EQ(player.Position(), 900);
    {
        Listener listener;
        player.Play();
        for (int i = 0; i < 5; ++i) {
            EXPECT_GE(player.Position(), 900) << "the play began before its position";
            idle(20);
        }
        ASSERT_TRUE(one.waitForNotices(1));
        EXPECT_EQ(listener.loud(), 0) << "the tone before the position was heard";
    }
    EXPECT_EQ(one.notices, (std::vector{NotifyValue::Successful}));
    EXPECT_EQ(player.Position(), player.Length());

    // From the start, the tone is heard: the listening above could hear it.
    one.notices.clear();
    Listener listener;
    player.Play();
    ASSERT_TRUE(one.waitForNotices(1));
    EXPECT_GT(listener.loud(), 0);
}

TEST_F(SdlMediaPlayerTest, AStreamedSoundStoppedOrPausedAndPlayedOnMissesNothing) {
    writeLongWav("music.wav");
    int heardWhole = 0;
    {
        Player whole("music.wav");
        Listener listener;
        whole.player.Play();
        ASSERT_TRUE(whole.waitForNotices(1));
        heardWhole = listener.loud();
    }
    ASSERT_GT(heardWhole, 0);

    // As the sound switch and minimising the window do it.
    Player cut("music.wav");
    Listener listener;
    cut.player.Play();
    for (int i = 0; i < 10 && cut.player.mode() == tk::MediaPlayer::Mode::Playing; ++i) {
        idle(70);
        if (i % 2) cut.player.Stop();
        else cut.player.Pause();
        idle(20);
        cut.player.Play();
    }
    ASSERT_TRUE(waitUntil([&] { return !cut.notices.empty() && cut.notices.back() == NotifyValue::Successful; }, 10000));
    EXPECT_NEAR(listener.loud(), heardWhole, heardWhole / 50) << "a part was skipped or played twice";
}

TEST_F(SdlMediaPlayerTest, ALongAndAShortSoundPlayAtOnce) {
    writeLongWav("music.wav");
    writeWav("beep.wav", 250);
    Player music("music.wav"), beep("beep.wav");
    music.player.Play();
    beep.player.Play();
    ASSERT_TRUE(beep.waitForNotices(1));
    EXPECT_TRUE(music.notices.empty()) << "the music ended with the short sound";
    EXPECT_TRUE(Mix_PlayingMusic());
    ASSERT_TRUE(music.waitForNotices(1));
    EXPECT_EQ(music.notices, (std::vector{NotifyValue::Successful}));
    EXPECT_EQ(beep.notices, (std::vector{NotifyValue::Successful}));
}

TEST_F(SdlMediaPlayerTest, ASecondLongSoundIsLoadedWholeWhileTheStreamIsTaken) {
    writeLongWav("first.wav");
    writeLongWav("second.wav", 1200);
    Player first("first.wav"), second("second.wav");
    EXPECT_NEAR(second.player.Length(), 1200, 2);
    second.player.Play();
    EXPECT_FALSE(Mix_PlayingMusic()) << "the second sound took the stream";
    first.player.Play();
    EXPECT_TRUE(Mix_PlayingMusic());
    for (const Player* one : {&first, &second}) {
        ASSERT_TRUE(one->waitForNotices(1));
        EXPECT_EQ(one->notices, (std::vector{NotifyValue::Successful}));
    }

    // Closed, the first gives the stream to the next long sound.
    first.player.Close();
    expectStreamsToItsEnd("first.wav");
}

TEST_F(SdlMediaPlayerTest, ClosingAPlayingStreamedSoundSilencesItForGood) {
    writeLongWav("music.wav");
    Player one("music.wav");
    one.player.Play();
    EXPECT_TRUE(Mix_PlayingMusic());
    idle(50);
    one.player.Close();
    EXPECT_FALSE(Mix_PlayingMusic());
    idle(2500);  // longer than the sound
    EXPECT_EQ(one.notices, (std::vector{NotifyValue::Aborted}));
    expectStreamsToItsEnd("music.wav");
}

TEST_F(SdlMediaPlayerTest, AFileCutShortOrReplacedWhileItStreamsEndsThePlay) {
    writeLongWav("music.wav");
    Player one("music.wav");
    tk::MediaPlayer& player = one.player;
    player.Play();
    idle(50);
    std::filesystem::resize_file("music.wav", 2001);  // mid-frame, early in the sound
    ASSERT_TRUE(one.waitForNotices(1)) << "a cut file hung the play";
    EXPECT_EQ(one.notices, (std::vector{NotifyValue::Successful}));
    EXPECT_EQ(player.Position(), player.Length());

    // Played again from the start, as the music loop does, it ends early again.
    one.notices.clear();
    player.setPosition(0);
    player.Play();
    ASSERT_TRUE(one.waitForNotices(1));
    EXPECT_EQ(one.notices, (std::vector{NotifyValue::Successful}));

    // A shorter sound copied over it while it plays.
    writeLongWav("music.wav");
    player.Open();
    one.notices.clear();
    player.Play();
    idle(50);
    writeWav("music.wav", 100);
    ASSERT_TRUE(one.waitForNotices(1));
    EXPECT_EQ(one.notices, (std::vector{NotifyValue::Successful}));
}

TEST_F(SdlMediaPlayerTest, AFileThatIsNoSoundCannotBeOpened) {
    folder.write("noise.wav", "not a sound at all");
    // Big enough to be streamed, where only the header is read at the open.
    folder.write("big noise.wav", std::string(1 << 21, 'x'));
    folder.write("big riff.wav", "RIFF\x10\0\0\0WAVEjunk" + std::string(1 << 21, '\x7f'));
    std::filesystem::create_directory("folder.wav");
    QObject owner;
    tk::MediaPlayer player(&owner);
    for (const char* name : {"missing.wav", "noise.wav", "big noise.wav", "big riff.wav", "folder.wav"}) {
        player.FileName = name;
        try {
            player.Open();
            ADD_FAILURE() << name << " opened";
        } catch (const tk::Error& error) {
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
        }
    }
}

}  // namespace
