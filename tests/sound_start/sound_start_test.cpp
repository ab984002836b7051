// A program that opens its music while its first window is made: the sound libraries are loaded
// and the device opened only once the event loop runs, the music file is still checked at once,
// and the music plays from then on as it was told to.
#include "toolkit/error.h"
#include "toolkit/media_backend.h"
#include "toolkit/media_player.h"
#include "tests/support/child_process.h"
#include "tests/support/noticed_player.h"
#include "tests/support/seams.h"
#include "tests/support/wav_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>
#include <functional>
#include <string>
#include <vector>

using testing_support::waitUntil;
using tk::NotifyValue;

namespace {

// Runs the checks in a fresh copy of this process, where no sound device was opened yet; their
// failures are reported from there.
void inFreshProcess(const std::function<void()>& checks) {
    const pid_t child = testing_support::startChild([&] {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        tk::openSoundDeviceOnceShown();
        checks();
        return testing::Test::HasFailure() ? 1 : 0;
    });
    EXPECT_EQ(testing_support::waitChild(child), 0) << "the checks above failed in the child process";
}

bool soundLibraryLoaded() {
    void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (library) dlclose(library);
    return library != nullptr;
}

using Player = testing_support::NoticedPlayer;

class SoundStart : public testing::Test {
protected:
    testing_support::TempFolder folder;
};

TEST_F(SoundStart, TheMusicIsCheckedAtOnceAndPlaysOnceTheEventLoopRuns) {
    testing_support::writeLongWav("music.wav", 1500);
    folder.write("noise.wav", "RIFF\x10\0\0\0WAVEjunk" + std::string(1 << 21, '\x7f'));
    inFreshProcess([] {
        Player music("music.wav");
        music.player.Open();
        EXPECT_EQ(music.player.Length(), 1500);
        music.player.Play();
        EXPECT_EQ(music.player.mode(), tk::MediaPlayer::Mode::Playing);

        // Missing files fail at the open, naming the file, with the device still unopened.
        Player missing("missing.wav");
        EXPECT_THROW(missing.player.Open(), tk::Error);
        EXPECT_FALSE(soundLibraryLoaded());

        ASSERT_TRUE(waitUntil([&] { return music.player.Position() > 0; }, 10000)) << "the music does not play";
        ASSERT_TRUE(music.waitForNotices(1));
        EXPECT_EQ(music.notices, (std::vector{NotifyValue::Successful}));

        // A file that only looks like a sound is refused at its open, as before.
        Player noise("noise.wav");
        try {
            noise.player.Open();
            ADD_FAILURE() << "noise.wav opened";
        } catch (const tk::Error& error) {
            EXPECT_NE(std::string(error.what()).find("noise.wav"), std::string::npos) << error.what();
        }
    });
}

TEST_F(SoundStart, WhatTheMusicWasToldBeforeTheDeviceOpenedHolds) {
    testing_support::writeLongWav("music.wav", 1500);
    testing_support::writeWav("effect.wav", 100);
    inFreshProcess([] {
        Player music("music.wav");
        music.player.Open();
        music.player.setPosition(1000);
        music.player.Play();
        music.player.Pause();

        // Any other sound opens the device at once; the music goes on it first.
        Player effect("effect.wav");
        effect.player.Open();
        EXPECT_TRUE(soundLibraryLoaded());
        testing_support::idle(300);
        EXPECT_EQ(music.player.mode(), tk::MediaPlayer::Mode::Paused);
        EXPECT_EQ(music.player.Position(), 1000);
        EXPECT_EQ(music.notices, (std::vector{NotifyValue::Aborted}));

        music.notices.clear();
        music.player.Pause();  // resumed, it plays the rest
        ASSERT_TRUE(music.waitForNotices(1));
        EXPECT_EQ(music.notices, (std::vector{NotifyValue::Successful}));
        EXPECT_EQ(music.player.Position(), music.player.Length());
    });
}

}  // namespace
