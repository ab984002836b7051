// A window shown by a handler is active, with its OnActivate run, before Show returns; the
// platform's later notice of that same activation does not run it a second time.
#include "toolkit/form.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The platform's notice that the window has become the active one, as it comes after a show.
void platformActivates(tk::Form& form) { QApplication::setActiveWindow(&form); }

TEST(FormActivate, ShowRunsTheActivateHandlerOnceBeforeReturning) {
    tk::Form first("first");
    tk::Form second("second");
    std::vector<std::string> seen;
    int state = 1;
    second.OnActivate = [&] { seen.push_back("activated at " + std::to_string(state)); };
    second.Show();
    state = 2;  // what the handler that showed the window changes next
    platformActivates(second);
    EXPECT_EQ(seen, std::vector<std::string>{"activated at 1"});

    // The player comes back to it from another window: that activation runs the handler.
    first.Show();
    platformActivates(first);
    platformActivates(second);
    EXPECT_EQ(seen, (std::vector<std::string>{"activated at 1", "activated at 2"}));
    // Shown while it is the active window, it only stays in front.
    second.Show();
    EXPECT_EQ(seen.size(), 2u);
    // Coming back from a message box, which is no window of the program's own, is no activation.
    QWidget box;
    box.show();
    QApplication::setActiveWindow(&box);
    box.hide();
    platformActivates(second);
    EXPECT_EQ(seen.size(), 2u);
}

}  // namespace
