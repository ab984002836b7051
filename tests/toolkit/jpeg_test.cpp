// Loading JPEG pictures: what a damaged or hostile file gives, and what it may cost.
#include "tests/support/seams.h"
#include "toolkit/error.h"
#include "toolkit/jpeg.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <jpeglib.h>

using testing::HasSubstr;

namespace {

// The bytes of a picture saved as the games' pictures are: baseline, in one scan.
std::string baseline(const QImage& image) {
    tk::jpeg::save(image, "saved.jpg");
    std::ifstream file("saved.jpg", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The same picture with its coefficients written again in libjpeg's usual ten progressive scans,
// as jpegtran does it.
std::string progressive(const std::string& baseline) {
    jpeg_decompress_struct in{};
    jpeg_compress_struct out{};
    jpeg_error_mgr inErrors{}, outErrors{};
    in.err = jpeg_std_error(&inErrors);
    out.err = jpeg_std_error(&outErrors);
    jpeg_create_decompress(&in);
    jpeg_create_compress(&out);
    jpeg_mem_src(&in, reinterpret_cast<const unsigned char*>(baseline.data()), baseline.size());
    jpeg_read_header(&in, TRUE);
    jvirt_barray_ptr* coefficients = jpeg_read_coefficients(&in);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&out, &buffer, &size);
    jpeg_copy_critical_parameters(&in, &out);
    jpeg_simple_progression(&out);
    jpeg_write_coefficients(&out, coefficients);
    jpeg_finish_compress(&out);
    jpeg_destroy_compress(&out);
    jpeg_finish_decompress(&in);
    jpeg_destroy_decompress(&in);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

QImage flat(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::blue);
    return image;
}

// A few bytes of a small real picture whose frame header claims the given size.
std::string claimingSize(unsigned width, unsigned height, bool isProgressive = false) {
    std::string bytes = baseline(flat(16, 16));
    if (isProgressive) bytes = progressive(bytes);
    const size_t frame = bytes.find(isProgressive ? "\xFF\xC2" : "\xFF\xC0");
    bytes[frame + 5] = static_cast<char>(height >> 8);
    bytes[frame + 6] = static_cast<char>(height & 0xFF);
    bytes[frame + 7] = static_cast<char>(width >> 8);
    bytes[frame + 8] = static_cast<char>(width & 0xFF);
    return bytes;
}

// The picture with `count` more scans before its end, each holding no data: the first scan of the
// DC coefficients of the three components, again. Each one costs a pass over all their blocks.
std::string withEmptyScans(std::string bytes, int count) {
    static const std::string scan("\xFF\xDA\x00\x0C\x03\x01\x00\x02\x11\x03\x11\x00\x00\x00", 14);
    std::string scans;
    for (int i = 0; i < count; ++i) scans += scan;
    bytes.insert(bytes.size() - 2, scans);  // before the end-of-image marker
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

// What loading a picture cost: processor seconds of this thread, and how far the peak of the
// process's resident memory rose above what it held before, in MB (-1 where the system does not
// let the peak be reset).
struct Cost {
    double seconds = 0;
    long megabytes = -1;
    std::string failure;
};

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

long statusMegabytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0) return std::atol(line.c_str() + field.size() + 1) / 1024;
    return -1;
}

Cost loadCost(const std::string& path) {
    const bool peakReset = static_cast<bool>(std::ofstream("/proc/self/clear_refs") << "5");
    const long before = statusMegabytes("VmRSS");
    Cost cost;
    const double start = threadSeconds();
    cost.failure = loadFailure(path);
    cost.seconds = threadSeconds() - start;
    if (peakReset) cost.megabytes = statusMegabytes("VmHWM") - before;
    return cost;
}

// The goal, about a second and 200 MB, with room for a slower machine.
void expectCheap(const Cost& cost) {
    EXPECT_LT(cost.seconds, 2.0);
    EXPECT_LT(cost.megabytes, 200);
}

TEST(Jpeg, APictureClaimingAGiantSizeIsRefusedBeforeDecoding) {
    testing_support::TempFolder folder;
    folder.write("wide.jpg", claimingSize(20000, 20000));
    EXPECT_EQ(loadFailure("wide.jpg"),
              "Cannot load picture \"wide.jpg\": the picture is too large (20000 x 20000 pixels; at most 4096 on a side)");
    folder.write("side.jpg", claimingSize(16, 4097));
    EXPECT_THAT(loadFailure("side.jpg"), HasSubstr("(16 x 4097 pixels;"));
    // A picture of 8000 x 8000 would take 192 MB at every hover; a progressive one of 8192 x 7812,
    // a few hundred bytes long, 560 MB and half a second.
    folder.write("real.jpg", claimingSize(8000, 8000));
    EXPECT_THAT(loadFailure("real.jpg"), HasSubstr("(8000 x 8000 pixels;"));
    folder.write("tiny.jpg", claimingSize(8192, 7812, true));
    const Cost tiny = loadCost("tiny.jpg");
    EXPECT_THAT(tiny.failure, HasSubstr("(8192 x 7812 pixels;"));
    expectCheap(tiny);

    folder.write("edge.jpg", claimingSize(4096, 16));  // within the limits: decoded, the missing rows filled
    EXPECT_EQ(tk::jpeg::load("edge.jpg").size(), QSize(4096, 16));
}

TEST(Jpeg, APictureOfManyScansIsRefusedAfterAHundred) {
    testing_support::TempFolder folder;
    // 2000 empty scans, 28 KB: 17 s of processor time for a picture of 8000 x 8000 with no limit.
    folder.write("scans.jpg", withEmptyScans(claimingSize(4096, 4096, true), 2000));
    const Cost cost = loadCost("scans.jpg");
    EXPECT_EQ(cost.failure, "Cannot load picture \"scans.jpg\": the picture has more than 100 scans");
    expectCheap(cost);

    // The usual ten scans and 90 more are still a picture.
    folder.write("hundred.jpg", withEmptyScans(claimingSize(64, 64, true), 90));
    EXPECT_EQ(tk::jpeg::load("hundred.jpg").size(), QSize(64, 64));
    folder.write("more.jpg", withEmptyScans(claimingSize(64, 64, true), 91));
    EXPECT_THAT(loadFailure("more.jpg"), HasSubstr("more than 100 scans"));
}

TEST(Jpeg, TheCostliestPictureWithinTheLimitsIsDecodedCheaply) {
    testing_support::TempFolder folder;
    // Progressive, at the largest size, with colour at full resolution: the most memory libjpeg
    // takes for a picture it may decode.
    folder.write("largest.jpg", progressive(baseline(flat(4096, 4096))));
    const Cost cost = loadCost("largest.jpg");
    EXPECT_EQ(cost.failure, "loaded");
    expectCheap(cost);
}

TEST(Jpeg, AFileLargerThanTheLargestPictureIsNotRead) {
    testing_support::TempFolder folder;
    folder.write("huge.jpg", baseline(flat(16, 16)));
    std::filesystem::resize_file("huge.jpg", (48 << 20) + 1);  // sparse: no time to write it
    EXPECT_EQ(loadFailure("huge.jpg"), "Cannot load picture \"huge.jpg\": the file is too large (49 MB; at most 48 MB)");
    std::filesystem::resize_file("huge.jpg", 48 << 20);  // a picture with zeros after its end
    EXPECT_EQ(tk::jpeg::load("huge.jpg").size(), QSize(16, 16));
}

}  // namespace
