#pragma once
// The program's windows, created in their order in a fresh game folder whose base.txt and
// stat.txt the test writes, with the error box recorded and the random source seeded.
#include "../support/seams.h"
#include "velmora/windows.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velmora_testing {

// One six-line record, lines ended by CR LF.
std::string record(const std::string& text, const std::string& correct, const std::string& wrong1,
                   const std::string& wrong2, const std::string& wrong3, const std::string& key);

// A bank of 15 level groups, sizes[n-1] records in group n. Record i of level n reads
// "Q<n>.<i>", right answer "R<n>.<i>", wrong answers "W<n>.<i>a/b/c", key "K<n>".
std::string bank(const std::vector<int>& sizes);
// A bank of 15 groups of one record each.
std::string bank15();
// A bank whose four answers are all the right text: every click wins the level.
std::string allRightBank();

// stat.txt with the given 16 counts.
std::string statFile(const std::vector<int>& counts);
std::string zeroStats();

// The 16 lines of stat.txt in the folder.
std::vector<std::string> statLines();

class GameTest : public ::testing::Test {
protected:
    GameTest() { testing_support::fixSeed(20240601); }
    ~GameTest() override;

    // Writes base.txt (and stat.txt unless told otherwise), then creates the windows.
    void start(const std::string& bankText, bool withStats = true);
    void createWindowsOnly();
    // Clicks the answer button that carries the right answer / a wrong one.
    void answerRight();
    void answerWrong();
    int rightPlace() const;

    testing_support::TempFolder folder;
    testing_support::RecordingErrorBox errors;
    std::unique_ptr<tk::WindowSet> windows;
};

}  // namespace velmora_testing
