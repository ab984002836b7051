#include "toolkit/convert.h"
#include "toolkit/error.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptedForms) {
    EXPECT_EQ(tk::StrToInt("0"), 0);
    EXPECT_EQ(tk::StrToInt("  17"), 17);
    EXPECT_EQ(tk::StrToInt("+5"), 5);
    EXPECT_EQ(tk::StrToInt("-5"), -5);
    EXPECT_EQ(tk::StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(tk::StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(tk::StrToInt("$1F"), 31);
    EXPECT_EQ(tk::StrToInt("x10"), 16);
    EXPECT_EQ(tk::StrToInt("0x10"), 16);
    EXPECT_EQ(tk::StrToInt("$FFFFFFFF"), -1);  // a 32-bit pattern
}

TEST(StrToInt, RefusedFormsNameTheText) {
    for (const char* text : {"", "   ", "12 ", "1.5", "abc", "2147483648", "-2147483649", "$", "0x", "$100000000",
                             "-$5", "+", "5a"}) {
        try {
            tk::StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const tk::Error& error) {
            EXPECT_EQ(std::string(error.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(StrToInt, TheTextIsQuotedCutAfterAHundredCharactersAndWithItsControlBytesShown) {
    const auto messageFor = [](const std::string& text) {
        try {
            tk::StrToInt(text);
        } catch (const tk::Error& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    const std::string hundred = "a" + std::string(99, '9');
    EXPECT_EQ(messageFor(hundred), "'" + hundred + "' is not a valid integer value");
    EXPECT_EQ(messageFor(hundred + "9"), "'" + hundred + "\x85' is not a valid integer value");  // "…"
    EXPECT_EQ(messageFor(std::string("1\0\t2\x1A\x7F\xC0", 7)),
              "'1\\0\\x092\\x1A\\x7F\xC0' is not a valid integer value");
}
