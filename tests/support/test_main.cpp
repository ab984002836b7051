// Test entry: the real toolkit on Qt's offscreen platform, with an application object alive.
#include "toolkit/application.h"

#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    tk::Application application(argc, argv, "tests");
    return RUN_ALL_TESTS();
}
