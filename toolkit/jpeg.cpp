#include "jpeg.h"
#include "error.h"
#include "open_to_read.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cerrno>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace tk::jpeg {
namespace {

constexpr std::uint64_t kLargestSide = 8192;
constexpr std::uint64_t kMostPixels = 64'000'000;

// libjpeg reports fatal errors through a callback that must not return: jump back to the caller.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onFatal(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onWarning(j_common_ptr, int) {}  // corrupt-data warnings still give a usable picture

}  // namespace

QImage decode(std::span<const unsigned char> data, const std::string& name) {
    const auto fail = [&](const std::string& cause) { return fileError("Cannot load picture", name, cause); };
    if (data.empty()) throw fail("the file is empty, not a JPEG picture");
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatal;
    errors.base.emit_message = onWarning;
    QImage image;  // constructed before setjmp so that longjmp skips no destructor
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        throw fail(std::string("not a valid JPEG picture (") + errors.message + ")");
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    // A few bytes can claim a giant picture; refuse it before its pixels take the memory.
    const std::uint64_t width = info.image_width, height = info.image_height;
    if (width > kLargestSide || height > kLargestSide || width * height > kMostPixels) {
        jpeg_destroy_decompress(&info);
        throw fail("the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
                   " pixels; at most " + std::to_string(kLargestSide) + " on a side and 64 million in all)");
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
