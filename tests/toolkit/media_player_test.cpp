#include "toolkit/error.h"
#include "toolkit/media_player.h"
#include "tests/support/fake_media_backend.h"
#include "tests/support/seams.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

using testing_support::FakeMediaBackend;
using tk::NotifyValue;

namespace {

using Log = std::vector<std::string>;

// Runs the event loop until the condition holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

void deliverNotices() { QCoreApplication::processEvents(); }

// A 16-bit tone of the given length: mono at 22050 Hz by default, which the device converts, or
// stereo at 44100 Hz, which it plays as it is. A comment chunk of odd length may come first.
void writeWav(const std::string& path, int milliseconds, std::uint16_t channels = 1, std::uint32_t rate = 22050,
              bool commentFirst = false) {
    const std::uint32_t frames = rate * milliseconds / 1000;
    const std::uint32_t dataBytes = frames * 2 * channels;
    std::ofstream out(path, std::ios::binary);
    const auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    const std::string comment = commentFirst ? std::string("LIST", 4) + std::string("\x05\0\0\0abcde\0", 10) : "";
    out << "RIFF";
    u32(36 + static_cast<std::uint32_t>(comment.size()) + dataBytes);
    out << "WAVE" << comment << "fmt ";
    u32(16), u16(1), u16(channels), u32(rate), u32(rate * 2 * channels), u16(2 * channels), u16(16);
    out << "data";
    u32(dataBytes);
    for (std::uint32_t i = 0; i < frames * channels; ++i) u16(static_cast<std::uint16_t>((i / 25) % 2 ? 3000 : -3000));
}

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
TEST(SdlMediaPlayerTest, APlayRunsToItsEndAndACutPlayIsNotSuccessful) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing_support::TempFolder folder;
    writeWav("beep.wav", 250);
    QObject owner;
    tk::MediaPlayer player(&owner);
    std::vector<NotifyValue> notices;
    player.OnNotify = [&](NotifyValue value) { notices.push_back(value); };
    player.FileName = "beep.wav";
    player.Open();
    EXPECT_NEAR(player.Length(), 250, 2);  // resampled to the device's rate

    player.Play();
    ASSERT_TRUE(waitUntil([&] { return !notices.empty(); }, 3000)) << "no end notice";
    EXPECT_EQ(notices, (std::vector{NotifyValue::Successful}));
    EXPECT_EQ(player.Position(), player.Length());

    // Paused and played on from the same place, it still runs out.
    notices.clear();
    player.Play();
    player.Pause();
    player.Play();
    ASSERT_TRUE(waitUntil([&] { return notices.size() == 2; }, 3000));
    EXPECT_EQ(notices, (std::vector{NotifyValue::Aborted, NotifyValue::Successful}));

    notices.clear();
    player.Play();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    player.Stop();
    const int stoppedAt = player.Position();
    EXPECT_LT(stoppedAt, player.Length());
    waitUntil([] { return false; }, 500);  // longer than the sound
    EXPECT_EQ(notices, (std::vector{NotifyValue::Aborted}));
    EXPECT_EQ(player.Position(), stoppedAt);
}

TEST(SdlMediaPlayerTest, ASoundInTheDevicesOwnFormatPlaysToItsEnd) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing_support::TempFolder folder;
    writeWav("plain.wav", 200, 2, 44100);
    writeWav("commented.wav", 300, 2, 44100, true);
    // Cut off halfway through what its header announces: the samples that are there play.
    writeWav("cut.wav", 200, 2, 44100);
    std::filesystem::resize_file("cut.wav", 44 + 44100 / 10 * 4);
    QObject owner;
    std::vector<NotifyValue> notices;
    for (const auto& [name, length] : {std::pair{"plain.wav", 200}, std::pair{"commented.wav", 300}, std::pair{"cut.wav", 100}}) {
        tk::MediaPlayer player(&owner);
        player.OnNotify = [&](NotifyValue value) { notices.push_back(value); };
        player.FileName = name;
        player.Open();
        EXPECT_EQ(player.Length(), length) << name;
        player.setPosition(length / 2);
        notices.clear();
        player.Play();
        ASSERT_TRUE(waitUntil([&] { return !notices.empty(); }, 3000)) << name;
        EXPECT_EQ(notices, (std::vector{NotifyValue::Successful}));
        EXPECT_EQ(player.Position(), length);
        player.Close();
    }
}

TEST(SdlMediaPlayerTest, AFileThatIsNoSoundCannotBeOpened) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing_support::TempFolder folder;
    folder.write("noise.wav", "not a sound at all");
    folder.write("empty.wav", "");
    QObject owner;
    tk::MediaPlayer player(&owner);
    for (const char* name : {"missing.wav", "noise.wav", "empty.wav"}) {
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
