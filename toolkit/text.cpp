#include "text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tk {

QString toScreen(std::string_view cp1251) {
    QStringDecoder decode("windows-1251");
    return decode(QByteArrayView(cp1251.data(), static_cast<qsizetype>(cp1251.size())));
}

std::string fromScreen(const QString& text) {
    QStringEncoder encode("windows-1251", QStringConverter::Flag::ConvertInvalidToNull);
    const QByteArray bytes = encode(text);
    return {bytes.constData(), static_cast<size_t>(bytes.size())};
}

std::string cp1251(std::string_view utf8) {
    return fromScreen(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace tk
