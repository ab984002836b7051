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
#include <fstream>

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

// The real device: SDL_mixer on the dummy driver, which mixes silently in real time. The sounds
// last a few tenths of a second, and those meant to stream reach the lower streaming threshold
// that the tests set.
class SdlMediaPlayerTest : public testing::Test {
protected:
    SdlMediaPlayerTest() {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        tk::setStreamingThreshold(testing_support::kTestStreamingThreshold);
    }
    ~SdlMediaPlayerTest() override { tk::setStreamingThreshold(0); }

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
        idle(milliseconds + 100);  // longer than the rest of the sound
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
    writeWav("beep.wav", 200);
    expectPlaysToItsEnd("beep.wav", 200, false);
}

TEST_F(SdlMediaPlayerTest, ALongSoundStreamedFromItsFilePlaysTheSame) {
    writeLongWav("music.wav", 300);
    expectPlaysToItsEnd("music.wav", 300, true);
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
    writeLongWav("music.wav", 600, /*silentFrom=*/300);  // a tone, then silence
    Player one("music.wav");
    tk::MediaPlayer& player = one.player;
    player.setPosition(400);
    EXPECT_EQ(player.Position(), 400);
    {
        Listener listener;
        player.Play();
        for (int i = 0; i < 5; ++i) {
            EXPECT_GE(player.Position(), 400) << "the play began before its position";
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
    writeLongWav("music.wav", 800);
    int heardWhole = 0;
    {
        Player whole("music.wav");
        Listener listener;
        whole.player.Play();
        ASSERT_TRUE(whole.waitForNotices(1));
        heardWhole = listener.loud();
    }
    ASSERT_GT(heardWhole, 0);

    // As the sound switch and minimising the window do it, well before the end (a play that ran
    // out would start again from the beginning).
    Player cut("music.wav");
    Listener listener;
    cut.player.Play();
    for (int i = 0; i < 5; ++i) {
        idle(50);
        if (i % 2) cut.player.Stop();
        else cut.player.Pause();
        idle(20);
        cut.player.Play();
    }
    ASSERT_TRUE(waitUntil([&] { return !cut.notices.empty() && cut.notices.back() == NotifyValue::Successful; }, 10000));
    EXPECT_NEAR(listener.loud(), heardWhole, heardWhole / 50) << "a part was skipped or played twice";
}

TEST_F(SdlMediaPlayerTest, ALongAndAShortSoundPlayAtOnce) {
    writeLongWav("music.wav", 800);
    writeWav("beep.wav", 100);
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
    writeLongWav("first.wav", 300);
    writeLongWav("second.wav", 200);
    Player first("first.wav"), second("second.wav");
    EXPECT_NEAR(second.player.Length(), 200, 2);
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
    writeLongWav("music.wav", 300);
    Player one("music.wav");
    one.player.Play();
    EXPECT_TRUE(Mix_PlayingMusic());
    idle(50);
    one.player.Close();
    EXPECT_FALSE(Mix_PlayingMusic());
    idle(400);  // longer than the rest of the sound
    EXPECT_EQ(one.notices, (std::vector{NotifyValue::Aborted}));
    expectStreamsToItsEnd("music.wav");
}

TEST_F(SdlMediaPlayerTest, AFileCutShortOrReplacedWhileItStreamsEndsThePlay) {
    writeLongWav("music.wav", 1000);
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
    writeLongWav("music.wav", 1000);
    player.Open();
    one.notices.clear();
    player.Play();
    idle(50);
    writeWav("music.wav", 100);
    ASSERT_TRUE(one.waitForNotices(1));
    EXPECT_EQ(one.notices, (std::vector{NotifyValue::Successful}));
}

// Whether opening the file fails with a message naming it and holding `cause`.
void expectRefused(const std::string& name, const std::string& cause) {
    QObject owner;
    tk::MediaPlayer player(&owner);
    player.FileName = name;
    try {
        player.Open();
        ADD_FAILURE() << name << " opened";
    } catch (const tk::Error& error) {
        EXPECT_NE(std::string(error.what()).find("\"" + name + "\""), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find(cause), std::string::npos) << error.what();
    }
}

TEST_F(SdlMediaPlayerTest, AFileThatIsNoSoundCannotBeOpened) {
    folder.write("noise.wav", "not a sound at all");
    // Big enough to be streamed, where only the header is read at the open.
    folder.write("big noise.wav", std::string(1 << 16, 'x'));
    folder.write("big riff.wav", "RIFF\x10\0\0\0WAVEjunk" + std::string(1 << 16, '\x7f'));
    folder.write("empty.wav", "");
    std::filesystem::create_directory("folder.wav");
    for (const char* name : {"noise.wav", "big noise.wav", "big riff.wav", "empty.wav"}) expectRefused(name, "not a WAV");
    for (const char* name : {"missing.wav", "folder.wav"}) expectRefused(name, "");
}

// Writes a tone whose header says other samples than it holds: `value` at its byte offset.
void writeWavSaying(const std::string& path, bool streamed, std::size_t offset, std::uint32_t value, int bytes) {
    if (streamed) writeLongWav(path, 100);
    else writeWav(path, 10);
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(reinterpret_cast<const char*>(&value), bytes);
}

// A sound whose samples no sound card plays as they are is refused at its open, before SDL_mixer
// converts any of it (a header saying 1 Hz stretches a small file to gigabytes there), streamed or
// loaded whole; the bounds of what is played open.
TEST_F(SdlMediaPlayerTest, ASoundWhoseSamplesNoSoundCardPlaysCannotBeOpened) {
    constexpr std::size_t kFormat = 20, kChannels = 22, kRate = 24, kBits = 34;
    struct Saying {
        std::size_t offset;
        std::uint32_t value;
        int bytes;
        bool playable;
    };
    for (const bool streamed : {false, true}) {
        for (const Saying& saying : {Saying{kRate, 1, 4, false}, Saying{kRate, 7999, 4, false},
                                     Saying{kRate, 192001, 4, false}, Saying{kChannels, 3, 2, false},
                                     Saying{kBits, 24, 2, false}, Saying{kFormat, 3, 2, false},
                                     Saying{kRate, 8000, 4, true}, Saying{kRate, 192000, 4, true}}) {
            const std::string name = "said " + std::to_string(saying.offset) + "=" + std::to_string(saying.value) + ".wav";
            writeWavSaying(name, streamed, saying.offset, saying.value, saying.bytes);
            SCOPED_TRACE(name + (streamed ? " streamed" : " loaded whole"));
            if (saying.playable) EXPECT_NO_THROW(Player{name});
            else expectRefused(name, "not what a sound card plays");
        }
    }
}

// The music stream reads the last format chunk of a file, where the header reader and the loader
// read the first: a second one, after the samples, saying 1 Hz, stretched the music to gigabytes.
// Such a file plays as its first format chunk says, loaded whole.
TEST_F(SdlMediaPlayerTest, AFormatChunkOnlyTheMusicStreamWouldReadIsNotHeeded) {
    writeLongWav("music.wav", 100);
    std::string bytes = folder.read("music.wav");
    std::string second = bytes.substr(12, 24);
    const std::uint32_t oneHertz = 1;
    second.replace(12, 4, reinterpret_cast<const char*>(&oneHertz), 4);
    bytes += second;
    const auto riffSize = static_cast<std::uint32_t>(bytes.size() - 8);
    bytes.replace(4, 4, reinterpret_cast<const char*>(&riffSize), 4);
    folder.write("music.wav", bytes);

    Player one("music.wav");
    EXPECT_NEAR(one.player.Length(), 100, 2);
    one.player.Play();
    EXPECT_FALSE(Mix_PlayingMusic());
    ASSERT_TRUE(one.waitForNotices(1));
    EXPECT_EQ(one.notices, (std::vector{NotifyValue::Successful}));
}

}  // namespace
