#pragma once
// JPEG pictures, decoded and encoded by libjpeg directly.
#include <QImage>
#include <string>
#include <span>

namespace tk::jpeg {

// Decodes a JPEG held in memory. Throws tk::Error naming the picture when the data is not one, or
// when it would cost more than a picture a screen can show: more than 4096 pixels on a side, more
// than 100 scans, or more than 100 MB of libjpeg's working memory.
QImage decode(std::span<const unsigned char> data, const std::string& name);

// Reads and decodes a JPEG file of at most 48 MB. Throws tk::Error naming the file and the cause.
QImage load(const std::string& path);

// Encodes a picture as a baseline JPEG file (used by the build-time generators).
void save(const QImage& image, const std::string& path, int quality = 92);

}  // namespace tk::jpeg
