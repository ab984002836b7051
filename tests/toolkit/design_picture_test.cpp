#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/error.h"

#include "tests/support/seams.h"

#include <gtest/gtest.h>
#include <string>

namespace {

void expectMissing(const char* name) {
    try {
        tk::designPicture(name);
        ADD_FAILURE() << name << " was found";
    } catch (const tk::Error& error) {
        EXPECT_EQ(std::string(error.what()), std::string("The picture \"") + name + "\" is missing from the program");
    }
}

}  // namespace

// The test program's application decodes the pictures ahead, as a game's does; a picture the
// program does not hold still fails where it is asked for, naming it, inside a second sharing
// (which does nothing while the first is in force) as well.
TEST(DesignPicture, AMissingPictureFailsWhereItIsAskedFor) {
    expectMissing("nowhere.jpg");
    const tk::DesignPictureSharing second;
    expectMissing("elsewhere.jpg");
}

// Windows made while the pictures decode share one decode of each, and see what a decode of
// their own would give, whether they take the picture at once or leave it to their first paint.
TEST(DesignPicture, WindowsShareOneDecodeOfEachPicture) {
    QWidget window;
    tk::Image first(&window, 0, 0, 10, 10), second(&window, 0, 0, 10, 10);
    first.setPicture(tk::designPicture("background.jpg"));
    second.setPicture(tk::designPicture("background.jpg"));
    const QImage taken = tk::designPicture("background.jpg");
    EXPECT_EQ(first.picture(), testing_support::decodedDesignPicture("background.jpg"));
    EXPECT_EQ(first.picture().cacheKey(), second.picture().cacheKey());
    EXPECT_EQ(taken.cacheKey(), first.picture().cacheKey());
    const QImage arrow = tk::designPicture("arrow.jpg");
    EXPECT_EQ(arrow, testing_support::decodedDesignPicture("arrow.jpg"));
}

// A picture set after a design picture replaces it, and one that failed to load keeps it.
TEST(DesignPicture, ALaterPictureReplacesAWaitingOne) {
    QWidget window;
    tk::Image image(&window, 0, 0, 10, 10);
    image.setPicture(tk::designPicture("background.jpg"));
    EXPECT_THROW(image.LoadFromFile("no such file.jpg"), tk::Error);
    EXPECT_EQ(image.picture(), testing_support::decodedDesignPicture("background.jpg"));
    image.setPicture(tk::designPicture("arrow.jpg"));
    const QImage plain(4, 4, QImage::Format_RGB888);
    image.setPicture(plain);
    EXPECT_EQ(image.picture(), plain);
}

// A stored picture that does not decode fails where it is taken, naming it; in a control it is
// reported once, when the control is first drawn, and the control stays empty.
TEST(DesignPicture, AStoredPictureThatDoesNotDecodeIsReportedWhereItIsNeeded) {
    try {
        const QImage image = tk::designPicture("broken.jpg");
        ADD_FAILURE() << "broken.jpg decoded";
    } catch (const tk::Error& error) {
        EXPECT_NE(std::string(error.what()).find("broken.jpg"), std::string::npos) << error.what();
    }
    testing_support::RecordingErrorBox errors;
    QWidget window;
    tk::Image image(&window, 0, 0, 10, 10);
    image.setPicture(tk::designPicture("broken.jpg"));
    image.grab();
    image.grab();
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("broken.jpg"), std::string::npos) << errors.messages[0];
    EXPECT_TRUE(image.picture().isNull());
}
