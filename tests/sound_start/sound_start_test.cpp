// The sound device as a program opens it, with its first sound, in a fresh copy of this process
// where no device was opened yet.
#include "toolkit/media_player.h"
#include "tests/support/child_process.h"
#include "tests/support/noticed_player.h"
#include "tests/support/seams.h"
#include "tests/support/wav_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

using tk::NotifyValue;

namespace {

// Runs the checks in a fresh copy of this process with standard error going to `errors`; their
// failures are reported from there.
void inFreshProcess(const char* driver, const std::string& errors, const std::function<void()>& checks) {
    const pid_t child = testing_support::startChild([&] {
        setenv("SDL_AUDIODRIVER", driver, 1);
        const int file = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(file, STDERR_FILENO);
        checks();
        return testing::Test::HasFailure() ? 1 : 0;
    });
    EXPECT_EQ(testing_support::waitChild(child), 0) << "the checks above failed in the child process";
}

using Player = testing_support::NoticedPlayer;

// A machine whose sound driver is missing plays silently, with ends on time, and says so once,
// when the first sound opens the device (so a program that opens its music with its window says
// it before the window shows).
TEST(SoundStart, WithoutTheSoundDriverTheSoundsPlaySilentlyAndSaySoOnceAtTheFirstOpen) {
    const testing_support::TempFolder folder;
    testing_support::writeWav("music.wav", 300);
    testing_support::writeWav("effect.wav", 100);
    inFreshProcess("nosuchdriver", "errors.txt", [&] {
        Player music("music.wav");
        music.player.Open();
        EXPECT_NE(folder.read("errors.txt").find("the sound plays silently"), std::string::npos)
            << "no word of the silent device at the first open";
        Player effect("effect.wav");
        effect.player.Open();
        music.player.Play();
        effect.player.Play();
        ASSERT_TRUE(music.waitForNotices(1));
        ASSERT_TRUE(effect.waitForNotices(1));
        EXPECT_EQ(music.notices, (std::vector{NotifyValue::Successful}));
        EXPECT_EQ(effect.notices, (std::vector{NotifyValue::Successful}));
    });
    const std::string errors = folder.read("errors.txt");
    EXPECT_EQ(errors.find("the sound plays silently"), errors.rfind("the sound plays silently")) << errors;
}

// With a driver that works, nothing is said.
TEST(SoundStart, WithTheSoundDriverNothingIsSaid) {
    const testing_support::TempFolder folder;
    testing_support::writeWav("effect.wav", 100);
    inFreshProcess("dummy", "errors.txt", [] {
        Player effect("effect.wav");
        effect.player.Open();
    });
    EXPECT_EQ(folder.read("errors.txt"), "");
}

}  // namespace
