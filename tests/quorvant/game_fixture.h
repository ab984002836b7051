#pragma once
// Quorvant's windows created in a fresh game folder: every look file of the images folder as a
// small solid JPEG of its own colour, banks the test writes, silent sound device, recorded error
// box and waits, a fixed random seed. The main window has been shown (FormShow has run).
#include "quorvant/windows.h"
#include "tests/support/fake_media_backend.h"
#include "tests/support/seams.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TForm1;
namespace tk {
class Image;
}

namespace quorvant_testing {

// The stored (scrambled) form of a decoded line: the inverse of the program's decoding.
std::string encodeLine(std::string_view decoded);
// A question line, stored form: "Q<id>*note*" then answers "A<id>".."D<id>", "#" on `right` (1..4).
std::string questionLine(const std::string& id, int right);
// A bank of `count` stored lines: line k (1-based) is questionLine("<prefix><k>", rightOf(k)).
std::string bankOf(const std::string& prefix, int count, int (*rightOf)(int) = nullptr);
// File text with every line ended by CR LF.
std::string linesFile(const std::vector<std::string>& lines);
std::vector<std::string> splitLines(const std::string& text);

class QuorvantGame : public ::testing::Test {
protected:
    // Banks of 50 and 150 lines ("a1".."a50" and "b1".."b150") unless the test writes its own
    // before calling showWindows().
    QuorvantGame();
    ~QuorvantGame() override;

    void showWindows();
    TForm1& form();
    // The look file (e.g. "images\\vara1.jpg") an image holds, or "design" for anything else.
    std::string lookOf(const tk::Image* image) const;
    void start();
    void stop();
    // Release on an answer button, as the mouse gives it.
    void release(int letter);
    void answerRight() { release(rightLetter()); }
    void answerWrong() { release(rightLetter() % 4 + 1); }
    int rightLetter() const;

    testing_support::TempFolder folder;
    testing_support::RecordingErrorBox errors;
    testing_support::RecordingWaiter waits;
    testing_support::FakeMediaBackend media;
    std::unique_ptr<tk::WindowSet> windows;

private:
    std::map<unsigned, std::string> looks_;  // first pixel of a look file -> its name
};

}  // namespace quorvant_testing
