#include "toolkit/text.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>

TEST(Text, EveryCodePageByteComesBackFromTheScreen) {
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != 0x98) bytes += static_cast<char>(byte);  // the one byte the code page leaves undefined
    const QString screen = tk::toScreen(bytes);
    EXPECT_EQ(screen.size(), static_cast<qsizetype>(bytes.size()));
    EXPECT_EQ(tk::fromScreen(screen), bytes);
    EXPECT_EQ(tk::toScreen("\xC4\xE0 \xA8\xB8 \xB9"), QString::fromUtf8("Да Ёё №"));
}

TEST(Text, NoTextDependsOnTheOneBefore) {
    // The converters are kept between texts: one that met a character the code page lacks, or
    // that ended in the middle of a UTF-8 sequence, must leave the next text as it would be alone.
    const std::string alone = tk::fromScreen(QString::fromUtf8("Вопрос № 1"));
    EXPECT_EQ(tk::fromScreen(QString::fromUtf8("日本")).size(), 2u);
    EXPECT_EQ(tk::fromScreen(QString::fromUtf8("Вопрос № 1")), alone);
    EXPECT_EQ(tk::cp1251("\xD0"), tk::fromScreen(QString::fromUtf8("\xD0")));
    EXPECT_EQ(tk::cp1251("Вопрос № 1"), alone);
    EXPECT_EQ(tk::toScreen("\xC4\xE0"), QString::fromUtf8("Да"));
    EXPECT_EQ(tk::toScreen(""), QString());
    EXPECT_EQ(tk::toScreen("\xC4\xE0"), QString::fromUtf8("Да"));
}

TEST(Text, AnotherThreadConvertsAlike) {
    std::string elsewhere;
    QString screen;
    std::thread([&] {
        elsewhere = tk::cp1251("Ёлка");
        screen = tk::toScreen(elsewhere);
    }).join();
    EXPECT_EQ(elsewhere, tk::cp1251("Ёлка"));
    EXPECT_EQ(screen, QString::fromUtf8("Ёлка"));
}
