#include "jpeg.h"
#include "error.h"
#include "plain_file.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <cerrno>
#include <memory>
#include <sys/stat.h>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace tk::jpeg {
namespace {

// What one picture may cost, since a picture is loaded at every hover: a file of a few bytes must
// not hold the program for seconds or take hundreds of megabytes. The bounds admit every picture a
// screen can show, with room to spare (the largest the games ship is 1280 x 1024).
//
// On a side: a 4K screen is 3840 wide. At 4096 x 4096 the decoded picture takes 48 MB.
constexpr JDIMENSION kLargestSide = 4096;
// libjpeg's own memory: a progressive picture keeps all its coefficients until its last scan, two
// bytes a pixel for each colour component, 96 MB for the largest picture in three full-resolution
// components, and a little more for the working buffers. The limit holds whatever else a header
// may ask for.
constexpr long kMostDecoderMemory = 100L << 20;
// Scans: each one passes over all the coefficients of its components, so a few bytes of empty scans
// cost as much processor time as a picture's whole data. Encoders use about ten (one for each band
// and refinement of each component); 100 empty scans of the largest picture take a third of a second.
constexpr int kMostScans = 100;
// The file, which is read whole: as many bytes as the largest decoded picture. Only noise at the
// best quality comes near it (a photograph of 4096 x 4096 takes some 8 MB), and decoding such a
// file progressively takes about a second.
constexpr long kLargestFile = 3L * kLargestSide * kLargestSide;

// libjpeg reports fatal errors through a callback that must not return: jump back to the caller.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool tooManyScans = false;
};

void onFatal(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onWarning(j_common_ptr, int) {}  // corrupt-data warnings still give a usable picture

// Called between the rows of every pass, and as each scan of a progressive picture is taken in.
void onProgress(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= kMostScans) return;
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    manager->tooManyScans = true;
    std::longjmp(manager->jump, 1);
}

Error refusal(const std::string& name, const std::string& cause) {
    return fileError("Cannot load picture", name, cause);
}

// Why libjpeg gave up on a picture, in the layer's words.
std::string failureCause(const ErrorManager& errors) {
    if (errors.tooManyScans) return "the picture has more than " + std::to_string(kMostScans) + " scans";
    // Without a backing store, libjpeg fails thus when its working memory would pass the limit.
    if (errors.base.msg_code == JERR_NO_BACKING_STORE)
        return "the picture needs more than " + std::to_string(kMostDecoderMemory >> 20) + " MB to decode";
    return std::string("not a valid JPEG picture (") + errors.message + ")";
}

}  // namespace

QImage decode(std::span<const unsigned char> data, const std::string& name) {
    const auto fail = [&](const std::string& cause) { return refusal(name, cause); };
    if (data.empty()) throw fail("the file is empty, not a JPEG picture");
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatal;
    errors.base.emit_message = onWarning;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = onProgress;
    QImage image;  // constructed before setjmp so that longjmp skips no destructor
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        throw fail(failureCause(errors));
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMostDecoderMemory;
    info.progress = &progress;
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    // A few bytes can claim a giant picture; refuse it before its pixels take the memory.
    if (info.image_width > kLargestSide || info.image_height > kLargestSide) {
        jpeg_destroy_decompress(&info);
        throw fail("the picture is too large (" + std::to_string(info.image_width) + " x " +
                   std::to_string(info.image_height) + " pixels; at most " + std::to_string(kLargestSide) +
                   " on a side)");
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        throw fail("the picture is too large");
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

QImage load(const std::string& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openToRead(path), std::fclose);
    struct stat info {};
    if (fstat(fileno(file.get()), &info) == 0 && info.st_size > kLargestFile)
        throw refusal(path, "the file is too large (" + std::to_string((info.st_size + (1 << 20) - 1) >> 20) +
                                " MB; at most " + std::to_string(kLargestFile >> 20) + " MB)");
    std::vector<unsigned char> bytes;
    unsigned char chunk[64 * 1024];
    while (const size_t read = std::fread(chunk, 1, sizeof chunk, file.get()))
        bytes.insert(bytes.end(), chunk, chunk + read);
    if (std::ferror(file.get())) throw fileError("Cannot read file", path, errno ? errno : EIO);
    return decode(bytes, path);
}

void save(const QImage& picture, const std::string& path, int quality) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB888);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw fileError("Cannot create file", path, errno);
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatal;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::fclose(file);
        throw fileError("Cannot write file", path, errors.message);
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution colour: sharp coloured edges matter more than size for small button looks.
    for (int i = 0; i < info.num_components; ++i) info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fclose(file) != 0) throw fileError("Cannot write file", path, errno);
}

}  // namespace tk::jpeg
