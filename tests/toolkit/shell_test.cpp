// The real shell call, with a stand-in for xdg-open first on the PATH that records its arguments.
#include "toolkit/shell.h"
#include "../support/seams.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QThread>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace {

class DesktopShell : public ::testing::Test {
protected:
    DesktopShell() : path_(std::getenv("PATH") ? std::getenv("PATH") : "") {
        // Holds until the test lets it go, then writes each argument on a line of its own.
        folder.write("xdg-open",
                     "#!/bin/sh\n"
                     "n=0; while [ ! -e go ] && [ $n -lt 100 ]; do sleep 0.05; n=$((n+1)); done\n"
                     "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > args.tmp && mv args.tmp args\n");
        std::filesystem::permissions(folder.path() / "xdg-open", std::filesystem::perms::owner_all);
        setenv("PATH", (folder.path().string() + ":" + path_).c_str(), 1);
    }
    ~DesktopShell() override { setenv("PATH", path_.c_str(), 1); }

    // Waits for the opener to have written its arguments (at most a few seconds).
    std::string argumentsWritten() {
        QElapsedTimer clock;
        clock.start();
        while (!std::filesystem::exists(folder.path() / "args") && clock.elapsed() < 5000) QThread::msleep(10);
        return folder.read("args");
    }

    testing_support::TempFolder folder;

private:
    std::string path_;
};

TEST_F(DesktopShell, StartsTheOpenerWithTheAddressAsItsOneArgumentWithoutWaitingOrLeavingAZombie) {
    const std::string address = "mailto:a b@example.org?subject=x;touch hacked&body=$(id)";
    QElapsedTimer clock;
    clock.start();
    tk::ShellExecute(nullptr, nullptr, address, tk::SW_SHOW);
    EXPECT_LT(clock.elapsed(), 1000);  // the opener is still holding: not waited for
    folder.write("go", "");

    EXPECT_EQ(argumentsWritten(), address + "\n");  // no shell between: nothing split or run
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "hacked"));

    // The ended opener is reaped without anyone waiting for it.
    QElapsedTimer reaping;
    reaping.start();
    pid_t reaped = 0;
    while ((reaped = waitpid(-1, nullptr, WNOHANG)) == 0 && reaping.elapsed() < 5000) QThread::msleep(10);
    EXPECT_EQ(reaped, -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(DesktopShell, AMissingOpenerIsNotReported) {
    setenv("PATH", "/nonexistent", 1);
    EXPECT_NO_THROW(tk::ShellExecute(nullptr, "open", "http://example.org/", tk::SW_SHOW));
}

}  // namespace
