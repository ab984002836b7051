#include "toolkit/text.h"

#include <QLabel>
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(Text, EveryCodePageByteComesBackFromTheScreen) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
    const QString screen = tk::toScreen(bytes);
    EXPECT_EQ(screen.size(), 256);
    EXPECT_EQ(tk::fromScreen(screen), bytes);
    EXPECT_EQ(tk::toScreen("\xC4\xE0 \xA8\xB8 \xB9"), QString::fromUtf8("Да Ёё №"));
    EXPECT_EQ(tk::cp1251("Вопрос № 1"), "\xC2\xEE\xEF\xF0\xEE\xF1 \xB9 1");
    EXPECT_EQ(tk::toScreen(""), QString());
}

// The games' own table gives what the platform's Windows-1251 converter gives: for every byte,
// every character of the first plane, and surrogates whole, lone, doubled and at the end.
TEST(Text, AgreesWithThePlatformsConverter) {
    const auto platformEncode = [](const QString& text) {
        QStringEncoder encode("windows-1251", QStringConverter::Flag::ConvertInvalidToNull);
        const QByteArray bytes = encode(text);
        return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
    };
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
    QStringDecoder decode("windows-1251");
    EXPECT_EQ(tk::toScreen(bytes), decode(QByteArray(bytes.data(), 256)));

    QString plane;
    for (char16_t code = 1; code != 0; ++code)
        if (!QChar::isSurrogate(code)) plane += QChar(code);
    EXPECT_EQ(tk::fromScreen(plane), platformEncode(plane));

    const char16_t high = 0xD83D, low = 0xDE00, a = u'a';
    const std::vector<std::u16string> surrogates = {
        {high, low}, {a, high, low, a}, {high, a}, {a, low}, {low, high}, {high, high}, {high, high, low},
        {a, high}, {high}, {low}, {low, low, a}};
    for (const auto& text : surrogates) {
        const QString screen = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
        EXPECT_EQ(tk::fromScreen(screen), platformEncode(screen)) << screen.toStdString();
    }
}

// A wrapping label keeps a long run of characters (a 100-character quote in an error message)
// inside its width once the text is breakable, and shows the same characters.
TEST(Text, ABreakableTextWrapsWithinALabel) {
    const QString quote = "'" + QString(100, QChar('7')) + "\u2026' is not a valid integer value";
    QLabel label;
    label.setWordWrap(true);
    const int width = label.fontMetrics().horizontalAdvance(QString(50, QChar('7')));
    label.setText(tk::breakable(quote));
    EXPECT_GE(label.heightForWidth(width), 3 * label.fontMetrics().height());
    EXPECT_EQ(tk::breakable(quote).remove(QChar(0x200B)), quote);
    EXPECT_EQ(tk::breakable("short words stay as they are"), "short words stay as they are");
}
