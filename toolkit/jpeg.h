#pragma once
// JPEG pictures, decoded and encoded by libjpeg directly.
#include <QImage>
#include <string>
#include <span>

namespace tk::jpeg {

// Decodes a JPEG held in memory. Throws tk::Error naming the picture when the data is not one, or
// when its header claims more than 8192 pixels on a side or 64 million in all.
QImage decode(std::span<const unsigned char> data, const std::string& name);

// Reads and decodes a JPEG file. Throws tk::Error naming the file and the cause.
QImage load(const std::string& path);

// Encodes a picture as a baseline JPEG file (used by the build-time generators).
void save(const QImage& image, const std::string& path, int quality = 92);

}  // namespace tk::jpeg
