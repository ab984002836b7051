// The standard error box as the dispatcher uses it: an error raised while a box is open waits for
// it to close instead of opening a box inside it.
#include "toolkit/application.h"
#include "toolkit/error.h"
#include "tests/support/seams.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

void fail(const std::string& message) {
    tk::dispatch([&] { throw tk::Error(message); });
}

TEST(ErrorBox, AnErrorWhileABoxIsOpenWaitsForItToClose) {
    testing_support::RecordingErrorBox box;
    // Each box's closing sets off a handler that fails anew, and once more with the same text.
    int failures = 1;
    box.onClose = [&](const std::string& message) {
        if (failures == 500) return;
        fail("failure " + std::to_string(++failures));
        fail(message);
    };
    fail("failure 1");

    EXPECT_EQ(box.deepest, 1);
    ASSERT_EQ(box.messages.size(), 500u);
    for (int i = 0; i < 500; ++i) EXPECT_EQ(box.messages[i], "failure " + std::to_string(i + 1));
}

TEST(ErrorBox, ATextOnScreenOrWaitingIsNotShownAgainButTheRestOfItsHandlerIsSkipped) {
    testing_support::RecordingErrorBox box;
    bool handlerWentOn = false;
    box.onClose = [&](const std::string& message) {
        if (message != "a") return;
        for (const char* text : {"b", "a", "b", "c"})
            tk::dispatch([&] {
                throw tk::Error(text);
                handlerWentOn = true;
            });
    };
    fail("a");
    EXPECT_EQ(box.messages, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(handlerWentOn);

    // Once every box is closed, the same text opens a box again.
    box.onClose = nullptr;
    fail("a");
    EXPECT_EQ(box.messages, (std::vector<std::string>{"a", "b", "c", "a"}));
}

}  // namespace
