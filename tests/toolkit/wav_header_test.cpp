#include "toolkit/wav_header.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace {

std::string u16(std::uint16_t value) { return {char(value & 0xff), char(value >> 8)}; }
std::string u32(std::uint32_t value) { return u16(value & 0xffff) + u16(value >> 16); }

std::string chunk(const std::string& id, const std::string& body) { return id + u32(body.size()) + body; }

std::string format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    const std::uint16_t block = channels * bits / 8;
    return chunk("fmt ", u16(tag) + u16(channels) + u32(rate) + u32(rate * block) + u16(block) + u16(bits));
}

std::string wav(const std::string& chunks) { return "RIFF" + u32(4 + chunks.size()) + "WAVE" + chunks; }

struct Read {
    std::optional<tk::WavHeader> header;
    std::string rest;  // what the file holds after where the reader left it
};

Read read(const std::string& bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), std::fclose);
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::rewind(file.get());
    Read result{tk::readWavHeader(file.get()), {}};
    for (int c; (c = std::fgetc(file.get())) != EOF;) result.rest += char(c);
    return result;
}

TEST(WavHeader, GivesTheLayoutAndLengthAndStopsAtTheSamples) {
    // Other chunks before and between, one of odd size with its pad byte.
    const Read plain = read(wav(chunk("LIST", "odd") + std::string(1, '\0') + format(1, 2, 44100, 16) + chunk("fact", "1234") +
                                chunk("data", std::string(176400, 's'))));
    ASSERT_TRUE(plain.header);
    EXPECT_EQ(plain.header->encoding, 1);
    EXPECT_EQ(plain.header->channels, 2);
    EXPECT_EQ(plain.header->rate, 44100);
    EXPECT_EQ(plain.header->frameBytes(), 4);
    EXPECT_EQ(plain.header->dataBytes, 176400u);
    EXPECT_EQ(plain.header->lengthMilliseconds(), 1000);
    EXPECT_EQ(plain.rest, std::string(176400, 's'));

    // A longer format chunk (an extension after the sixteen bytes) is passed over.
    const Read extended = read(wav(chunk("fmt ", format(3, 1, 8000, 32).substr(8) + u16(0)) + chunk("data", "abcd")));
    ASSERT_TRUE(extended.header);
    EXPECT_EQ(extended.header->encoding, 3);
    EXPECT_EQ(extended.header->sampleBits, 32);
    EXPECT_EQ(extended.rest, "abcd");

    // An extensible format gives the encoding of its sub-format.
    const std::string subFormat = u16(1) + std::string("\0\0\0\0\x10\0\x80\0\0\xaa\0\x38\x9b\x71", 14);
    const Read extensible = read(wav(
        chunk("fmt ", format(0xfffe, 2, 44100, 16).substr(8) + u16(22) + u16(16) + u32(3) + subFormat) + chunk("data", "abcd")));
    ASSERT_TRUE(extensible.header);
    EXPECT_EQ(extensible.header->encoding, 1);
    EXPECT_TRUE(extensible.header->playable());
    EXPECT_EQ(extensible.rest, "abcd");

    // A length beyond what milliseconds can count stays the longest there is.
    const Read slow = read(wav(format(1, 1, 1, 8) + "data" + u32(0xffffffff)));
    ASSERT_TRUE(slow.header);
    EXPECT_EQ(slow.header->lengthMilliseconds(), INT_MAX);
}

TEST(WavHeader, RefusesWhatIsNoWavOrHasNoSampleLayout) {
    const std::string data = chunk("data", "abcd");
    for (const std::string& bytes : {
             std::string(),
             std::string("not a sound at all"),
             "RIFX" + u32(20) + "WAVE" + format(1, 1, 8000, 8) + data,
             "RIFF" + u32(20) + "AVI " + format(1, 1, 8000, 8) + data,
             wav(data + format(1, 1, 8000, 8)),            // samples before their layout
             wav(format(1, 1, 8000, 8)),                   // no samples
             wav(format(1, 0, 8000, 8) + data),            // no channels
             wav(format(1, 1, 0, 8) + data),               // no rate
             wav(format(1, 1, 8000, 4) + data),            // samples under a byte
             wav(chunk("fmt ", "short") + data),
             wav(format(1, 1, 8000, 8)).substr(0, 30),     // cut in the format
             wav("junk" + u32(0x7fffffff) + "abc" + data),  // a chunk that runs past the end
             wav("junk" + u32(0xffffffff) + format(1, 1, 8000, 8) + data),  // the largest chunk, holding the rest
         })
        EXPECT_FALSE(read(bytes).header) << testing::PrintToString(bytes);
}

}  // namespace
