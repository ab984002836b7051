#include "toolkit/controls.h"
#include "toolkit/error.h"

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
