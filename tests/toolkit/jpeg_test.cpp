// Loading JPEG pictures: what a damaged or hostile file gives.
#include "tests/support/seams.h"
#include "toolkit/error.h"
#include "toolkit/jpeg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;

namespace {

// A small real picture whose frame header claims the given size.
std::string claimingSize(const testing_support::TempFolder& folder, unsigned width, unsigned height) {
    QImage image(16, 16, QImage::Format_RGB888);
    image.fill(Qt::blue);
    tk::jpeg::save(image, "small.jpg");
    std::string bytes = folder.read("small.jpg");
    const size_t frame = bytes.find("\xFF\xC0");
    bytes[frame + 5] = static_cast<char>(height >> 8);
    bytes[frame + 6] = static_cast<char>(height & 0xFF);
    bytes[frame + 7] = static_cast<char>(width >> 8);
    bytes[frame + 8] = static_cast<char>(width & 0xFF);
    return bytes;
}

std::string loadFailure(const std::string& path) {
    try {
        tk::jpeg::load(path);
    } catch (const tk::Error& error) {
        return error.what();
    }
    return "loaded";
}

TEST(Jpeg, APictureClaimingAGiantSizeIsRefusedBeforeDecoding) {
    testing_support::TempFolder folder;
    folder.write("wide.jpg", claimingSize(folder, 20000, 20000));
    EXPECT_EQ(loadFailure("wide.jpg"), "Cannot load picture \"wide.jpg\": the picture is too large "
                                       "(20000 x 20000 pixels; at most 8192 on a side and 64 million in all)");
    folder.write("side.jpg", claimingSize(folder, 16, 8193));
    EXPECT_THAT(loadFailure("side.jpg"), HasSubstr("(16 x 8193 pixels;"));
    folder.write("area.jpg", claimingSize(folder, 8000, 8001));
    EXPECT_THAT(loadFailure("area.jpg"), HasSubstr("(8000 x 8001 pixels;"));

    folder.write("edge.jpg", claimingSize(folder, 8192, 16));  // within the limits: decoded, the missing rows filled
    EXPECT_EQ(tk::jpeg::load("edge.jpg").size(), QSize(8192, 16));
}

}  // namespace
