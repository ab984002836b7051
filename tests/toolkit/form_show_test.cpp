// A window counts as visible from the moment Show begins: a Show that comes while its show handler
// runs (as a timer does behind an error box that the handler opened) only brings it to the front,
// so the handler runs once; a Hide meanwhile keeps it off the screen.
#include "tests/support/seams.h"
#include "toolkit/error.h"
#include "toolkit/form.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(FormShow, AShowFromInsideTheShowHandlerRunsItOnce) {
    tk::Form window("window");
    std::vector<std::string> seen;
    window.OnShow = [&] {
        seen.push_back(window.Visible() ? "show, visible" : "show, hidden");
        window.Show();
    };
    window.OnActivate = [&] { seen.push_back("activate"); };
    window.Show();
    EXPECT_EQ(seen, (std::vector<std::string>{"show, visible", "activate"}));
    EXPECT_TRUE(window.isVisible());

    // Shown again once it is on screen: only brought to the front.
    const auto shows = [&] { return std::ranges::count(seen, std::string("show, visible")); };
    window.Show();
    EXPECT_EQ(shows(), 1);
    // Hidden and shown again: the handler runs anew.
    window.Hide();
    window.Show();
    EXPECT_EQ(shows(), 2);
}

TEST(FormShow, AShowWhileTheHandlersErrorBoxIsOpenFindsTheWindowVisible) {
    testing_support::RecordingErrorBox errors;
    tk::Form window("window");
    int shows = 0;
    window.OnShow = [&] {
        ++shows;
        throw tk::Error("the count cannot be written");
    };
    // A timer that fires while the box is open shows the window again.
    errors.onClose = [&](const std::string&) { window.Show(); };
    window.Show();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(errors.messages, std::vector<std::string>{"the count cannot be written"});
    EXPECT_TRUE(window.isVisible());
}

TEST(FormShow, AWindowHiddenWhileItsShowHandlerRunsStaysHidden) {
    tk::Form window("window");
    std::vector<std::string> seen;
    window.OnShow = [&] {
        seen.push_back("show");
        window.Hide();
        seen.push_back(window.Visible() ? "visible" : "hidden");
    };
    window.OnHide = [&] { seen.push_back("hide"); };
    window.OnActivate = [&] { seen.push_back("activate"); };
    window.Show();
    EXPECT_EQ(seen, (std::vector<std::string>{"show", "hide", "hidden"}));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Visible());
}

}  // namespace
