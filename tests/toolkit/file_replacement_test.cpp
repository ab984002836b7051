// Replacing a file whole through TextFile::RewriteAtomically: a folder that takes no new file,
// symbolic links, writers killed midway and two writers at once.
#include "tests/support/child_process.h"
#include "tests/support/seams.h"
#include "toolkit/error.h"
#include "toolkit/text_file.h"

#include <gtest/gtest.h>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

using testing_support::TempFolder;
namespace fs = std::filesystem;

namespace {

// Sixteen lines of one number: a file that holds anything else was mixed or cut.
std::string tally(long number) {
    std::string text;
    for (int line = 0; line < 16; ++line) text += std::to_string(number) + "\r\n";
    return text;
}

bool whole(const std::string& text) { return !text.empty() && text == tally(std::atol(text.c_str())); }

void rewrite(const std::string& name, const std::vector<std::string>& lines) {
    tk::TextFile file;
    file.Assign(name);
    file.RewriteAtomically();
    for (const std::string& line : lines) file.WriteLine(line);
    file.Close();
}

void rewrite(const std::string& name, const std::string& line) { rewrite(name, std::vector<std::string>{line}); }

void rewriteTally(const std::string& name, long number) {
    rewrite(name, std::vector<std::string>(16, std::to_string(number)));
}

// Rewrites the file in a child process, with the rights of an ordinary player when asked: 0 when
// it worked, 1 when it failed with an error naming the file and the cause, kStillRunning when it
// was still waiting after a generous time.
int rewriteInChild(const std::string& name, const std::string& text, bool asPlayer,
                   const std::string& cause = "Permission denied") {
    return testing_support::waitChildWithin(testing_support::startChild([&] {
        if (asPlayer && !testing_support::dropRoot()) return 2;
        try {
            rewrite(name, text);
            return 0;
        } catch (const tk::Error& error) {
            return std::string(error.what()).find("\"" + name + "\": " + cause) != std::string::npos ? 1 : 3;
        }
    }), 30);
}

// Adds one to the number in the file, which is read and rewritten under one lock; a missing file
// counts as 0.
void addOne(const std::string& name) {
    tk::TextFile file;
    file.Assign(name);
    const long number = file.ResetForUpdate() ? std::atol(file.ReadLine().c_str()) : 0;
    file.WriteLine(std::to_string(number + 1));
    file.Close();
}

std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(FileReplacement, AFolderThatTakesNoNewFileHasItsWritableFileRewrittenInPlace) {
    TempFolder folder;
    folder.write("stat.txt", "old\r\nold\r\n");
    folder.write("locked.txt", "old\r\n");
    chmod("stat.txt", 0666);
    chmod("locked.txt", 0444);
    chmod(folder.path().c_str(), 0555);

    EXPECT_EQ(rewriteInChild("stat.txt", "new", true), 0);
    EXPECT_EQ(folder.read("stat.txt"), "new\r\n");
    // A file the player may not write, or none at all, still fails as it would anywhere.
    EXPECT_EQ(rewriteInChild("locked.txt", "new", true), 1);
    EXPECT_EQ(folder.read("locked.txt"), "old\r\n");
    EXPECT_EQ(rewriteInChild("missing.txt", "new", true), 1);
    EXPECT_EQ(entries(folder.path()), (std::vector<std::string>{"locked.txt", "stat.txt"}));

    // A shared folder with the sticky bit takes the player's new file but keeps the old one,
    // which is someone else's (for root, the test's own).
    chmod(folder.path().c_str(), 01777);
    EXPECT_EQ(rewriteInChild("stat.txt", "shared", true), 0);
    EXPECT_EQ(folder.read("stat.txt"), "shared\r\n");
    EXPECT_EQ(entries(folder.path()), (std::vector<std::string>{"locked.txt", "stat.txt"}));
}

TEST(FileReplacement, SymbolicLinksAreFollowedToTheFileAndKept) {
    TempFolder folder;
    fs::create_directory("data");
    fs::create_directory("links");
    folder.write("data/stat.txt", "old\r\n");
    chmod("data/stat.txt", 0640);
    fs::create_symlink("links/hop", "stat.txt");           // relative to the game folder
    fs::create_symlink("../data/stat.txt", "links/hop");   // relative to links/
    rewrite("stat.txt", "new");
    EXPECT_TRUE(fs::is_symlink("stat.txt"));
    EXPECT_TRUE(fs::is_symlink("links/hop"));
    EXPECT_EQ(folder.read("data/stat.txt"), "new\r\n");
    EXPECT_EQ(fs::status("data/stat.txt").permissions(), fs::perms(0640));
    EXPECT_EQ(entries("data"), std::vector<std::string>{"stat.txt"});
    EXPECT_EQ(entries(folder.path()), (std::vector<std::string>{"data", "links", "stat.txt"}));

    // An absolute link to a file that is gone: the file is made anew where the link points.
    fs::create_symlink(folder.path() / "data" / "gone.txt", "gone.txt");
    rewrite("gone.txt", "made");
    EXPECT_TRUE(fs::is_symlink("gone.txt"));
    EXPECT_EQ(folder.read("data/gone.txt"), "made\r\n");

    // Links in a circle are an error, not a hang, and stay as they were.
    fs::create_symlink("round2", "round1");
    fs::create_symlink("round1", "round2");
    EXPECT_THROW(rewrite("round1", "x"), tk::Error);
    EXPECT_TRUE(fs::is_symlink("round1"));
}

TEST(FileReplacement, WritersKilledMidwayLeaveTheFileWholeAndOneTemporaryFileAtMost) {
    TempFolder folder;
    folder.write("stat.txt", tally(0));
    std::mt19937 random(20240601);
    for (int round = 1; round <= 100; ++round) {
        const pid_t writer = testing_support::startChild([round] {
            for (long count = 0;; ++count) rewriteTally("stat.txt", round * 1000000L + count);
            return 0;
        });
        usleep(std::uniform_int_distribution<useconds_t>(0, 5000)(random));
        kill(writer, SIGKILL);
        testing_support::waitChild(writer);
        ASSERT_LE(entries(folder.path()).size(), 2u) << "round " << round;
        ASSERT_TRUE(whole(folder.read("stat.txt"))) << "round " << round << ": " << folder.read("stat.txt");
    }
    EXPECT_NE(folder.read("stat.txt"), tally(0));  // the writers did get to write
    // The next write takes over what a killed writer left.
    rewriteTally("stat.txt", 7);
    EXPECT_EQ(folder.read("stat.txt"), tally(7));
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"stat.txt"});
}

TEST(FileReplacement, CopiesWritingAtOnceNeverMixOrCutTheFile) {
    TempFolder folder;
    folder.write("stat.txt", tally(0));
    std::vector<pid_t> writers;
    for (long copy = 1; copy <= 3; ++copy)
        writers.push_back(testing_support::startChild([copy] {
            for (long count = 0; count < 100; ++count) rewriteTally("stat.txt", copy * 1000 + count);
            return 0;
        }));
    size_t running = writers.size();
    std::vector<bool> ended(writers.size());
    while (running > 0) {
        const std::string seen = folder.read("stat.txt");
        ASSERT_TRUE(whole(seen)) << seen;
        for (size_t i = 0; i < writers.size(); ++i) {
            int code = 0;
            if (!ended[i] && testing_support::childEnded(writers[i], code)) {
                ended[i] = true;
                --running;
                EXPECT_EQ(code, 0);
            }
        }
    }
    EXPECT_TRUE(whole(folder.read("stat.txt")));
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"stat.txt"});
}

TEST(FileReplacement, WritersKilledMidwayInPlaceLeaveTheOldTextOrTheNew) {
    TempFolder folder;
    folder.write("stat.txt", tally(0));
    chmod("stat.txt", 0666);
    chmod(folder.path().c_str(), 0555);
    std::mt19937 random(20240602);
    int cut = 0;
    for (int round = 1; round <= 100; ++round) {
        const pid_t writer = testing_support::startChild([round] {
            if (!testing_support::dropRoot()) return 2;
            for (long count = 0;; ++count) rewriteTally("stat.txt", round * 1000000L + count);
            return 0;
        });
        usleep(std::uniform_int_distribution<useconds_t>(0, 5000)(random));
        kill(writer, SIGKILL);
        testing_support::waitChild(writer);
        if (!whole(folder.read("stat.txt"))) ++cut;
    }
    EXPECT_EQ(cut, 0) << "of 100 kills";
    EXPECT_NE(folder.read("stat.txt"), tally(0));
    EXPECT_EQ(entries(folder.path()), std::vector<std::string>{"stat.txt"});
}

// Each copy reads the number and writes it one higher, many times over, in both ways of writing.
TEST(FileReplacement, CopiesReadingAndRewritingAtOnceLoseNoChange) {
    for (const bool takesNewFiles : {true, false}) {
        TempFolder folder;
        addOne("count.txt");  // made anew: there was none
        EXPECT_EQ(folder.read("count.txt"), "1\r\n");
        chmod("count.txt", 0666);
        chmod(folder.path().c_str(), takesNewFiles ? 0777 : 0555);
        std::vector<pid_t> copies;
        for (int copy = 0; copy < 3; ++copy)
            copies.push_back(testing_support::startChild([] {
                if (!testing_support::dropRoot()) return 2;
                for (int time = 0; time < 200; ++time) addOne("count.txt");
                return 0;
            }));
        for (const pid_t copy : copies) EXPECT_EQ(testing_support::waitChild(copy), 0);
        EXPECT_EQ(folder.read("count.txt"), "601\r\n") << (takesNewFiles ? "through a temporary file" : "in place");
    }
}

TEST(FileReplacement, WhateverStandsInTheTemporaryFilesPlaceTheFileIsRewrittenInPlace) {
    TempFolder folder;
    folder.write("stat.txt", "old\r\n");
    fs::create_directory("stat.txt.tmp");
    EXPECT_EQ(rewriteInChild("stat.txt", "beside a folder", false), 0);
    EXPECT_EQ(folder.read("stat.txt"), "beside a folder\r\n");
    EXPECT_TRUE(fs::is_directory("stat.txt.tmp"));

    fs::remove("stat.txt.tmp");
    ASSERT_EQ(mkfifo("stat.txt.tmp", 0666), 0);
    EXPECT_EQ(rewriteInChild("stat.txt", "beside a pipe", false), 0);
    EXPECT_EQ(folder.read("stat.txt"), "beside a pipe\r\n");

    fs::remove("stat.txt.tmp");
    fs::create_symlink("elsewhere.txt", "stat.txt.tmp");
    EXPECT_EQ(rewriteInChild("stat.txt", "beside a link", false), 0);
    EXPECT_EQ(folder.read("stat.txt"), "beside a link\r\n");
    EXPECT_FALSE(fs::exists("elsewhere.txt"));
}

TEST(FileReplacement, ANamedPipeInTheFilesPlaceIsRefusedAtOnce) {
    TempFolder folder;
    ASSERT_EQ(mkfifo("stat.txt", 0666), 0);
    chmod("stat.txt", 0666);
    const std::string cause = "not a regular file";
    EXPECT_EQ(rewriteInChild("stat.txt", "new", false, cause), 1);
    chmod(folder.path().c_str(), 0555);  // where the file is rewritten in place
    EXPECT_EQ(rewriteInChild("stat.txt", "new", true, cause), 1);
    EXPECT_TRUE(fs::is_fifo("stat.txt"));
}
