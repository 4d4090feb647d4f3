#include "core/Utf8.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<char32_t> Decoded(const std::string& text) {
    std::vector<char32_t> codes;
    for (std::size_t at = 0; at < text.size();) codes.push_back(Utf8::Decode(text, at));
    return codes;
}

TEST(Utf8Test, DecodesEveryLength) {
    EXPECT_EQ(Decoded("A\xC3\xA9\xC5\xBF\xE2\x82\xAC\xF0\x9F\x90\x9C"),
              (std::vector<char32_t>{'A', 0xE9, 0x17F, 0x20AC, 0x1F41C}));
}

// Each bad byte is one Invalid, so a walk over any bytes ends and loses no good text.
TEST(Utf8Test, IllFormedBytesDecodeOneAtATime) {
    constexpr char32_t X = Utf8::Invalid;
    EXPECT_EQ(Decoded("\x80" "a"), (std::vector<char32_t>{X, 'a'}));
    EXPECT_EQ(Decoded("\xC0\xAF"), (std::vector<char32_t>{X, X})) << "overlong /";
    EXPECT_EQ(Decoded("\xED\xA0\x80"), (std::vector<char32_t>{X, X, X})) << "a surrogate";
    EXPECT_EQ(Decoded("\xE2\x82"), (std::vector<char32_t>{X, X})) << "cut short";
    EXPECT_EQ(Decoded("\xF4\x90\x80\x80").front(), X) << "past U+10FFFF";
}

TEST(Utf8Test, StepsBackAndForthByCharacter) {
    const std::string text = "a\xC3\xA9\xF0\x9F\x90\x9C" "b";  // a é 🐜 b
    EXPECT_EQ(Utf8::Next(text, 1), 3u);
    EXPECT_EQ(Utf8::Previous(text, 7), 3u);
    EXPECT_EQ(Utf8::Previous(text, 3), 1u);
    EXPECT_EQ(Utf8::Previous(text, 0), 0u);
    EXPECT_EQ(Utf8::Next(text, text.size()), text.size());
    const std::string broken = "a\x80\x80";
    EXPECT_EQ(Utf8::Previous(broken, 3), 2u) << "stray continuation bytes go one at a time";
}

}  // namespace
