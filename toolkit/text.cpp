#include "text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tk {
namespace {

// Opening a converter loads the code page's tables: each thread opens one of each once and
// resets it before every text, so that no text depends on the one before.
QStringDecoder& decoder() {
    thread_local QStringDecoder decoder("windows-1251");
    decoder.resetState();
    return decoder;
}

QStringEncoder& encoder() {
    thread_local QStringEncoder encoder("windows-1251", QStringConverter::Flag::ConvertInvalidToNull);
    encoder.resetState();
    return encoder;
}

}  // namespace

QString toScreen(std::string_view cp1251) {
    return decoder()(QByteArrayView(cp1251.data(), static_cast<qsizetype>(cp1251.size())));
}

std::string fromScreen(const QString& text) {
    const QByteArray bytes = encoder()(text);
    return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

std::string cp1251(std::string_view utf8) {
    return fromScreen(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace tk
