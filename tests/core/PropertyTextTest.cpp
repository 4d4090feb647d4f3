#include "core/PropertyText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

using namespace PropertyText;

TEST(PropertyTextTest, FloatsPrintWithNineSignificantDigitsAndNamedSpecialValues) {
    EXPECT_EQ(FormatFloat(0.1f), "0.100000001");
    EXPECT_EQ(FormatFloat(1.0f), "1");
    EXPECT_EQ(FormatFloat(1e20f), "1.00000002e+20");
    EXPECT_EQ(FormatFloat(-0.0f), "-0");
    EXPECT_EQ(FormatFloat(std::numeric_limits<float>::quiet_NaN()), "nan");
    EXPECT_EQ(FormatFloat(-std::numeric_limits<float>::quiet_NaN()), "-nan");
    EXPECT_EQ(FormatFloat(std::numeric_limits<float>::infinity()), "inf");
    EXPECT_EQ(FormatFloat(-std::numeric_limits<float>::infinity()), "-inf");
}

TEST(PropertyTextTest, EveryPrintedFloatParsesBackToTheSameBits) {
    const float samples[] = {0.1f, 1.0f / 3.0f, 1e20f, -7.25e-3f, std::numeric_limits<float>::max(),
                             std::numeric_limits<float>::denorm_min(), 16777217.0f, -0.0f};
    for (float value : samples) {
        const auto parsed = ParseFloat(FormatFloat(value));
        ASSERT_TRUE(parsed.has_value()) << FormatFloat(value);
        EXPECT_EQ(std::signbit(*parsed), std::signbit(value));
        EXPECT_EQ(*parsed, value) << FormatFloat(value);
    }
}

// What the editor shows must read back through its own parse as the very same float,
// over edge values and a sweep of bit patterns.
TEST(PropertyTextTest, ShortestFloatsReadBackToTheSameBits) {
    EXPECT_EQ(FormatShortestFloat(0.2f), "0.2");
    EXPECT_EQ(FormatShortestFloat(-0.0f), "-0");
    EXPECT_EQ(FormatShortestFloat(1e20f), "1e+20");
    EXPECT_EQ(FormatShortestFloat(std::numeric_limits<float>::infinity()), "inf");
    std::vector<float> samples = {std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest(),
                                  std::numeric_limits<float>::min(), std::numeric_limits<float>::denorm_min(),
                                  16777217.0f, 0.300000012f, 1.0f / 3.0f};
    std::uint32_t bits = 12345;
    for (int i = 0; i < 20000; ++i) {
        bits = bits * 1664525u + 1013904223u;
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) samples.push_back(value);
    }
    for (float value : samples) {
        const std::string shown = FormatShortestFloat(value);
        const auto parsed = ParseFloat(shown);
        ASSERT_TRUE(parsed.has_value()) << shown;
        ASSERT_EQ(*parsed, value) << shown;
        ASSERT_EQ(std::signbit(*parsed), std::signbit(value)) << shown;
        ASSERT_LE(shown.size(), FormatFloat(value).size()) << shown;
    }
}

// Only numbers as FormatFloat printed them are shortened, each a word of its own.
TEST(PropertyTextTest, ShortenFloatsTouchesOnlyPrintedNumbers) {
    EXPECT_EQ(ShortenFloats("Polygon 0.300000012 -0.200000003 1e+20  2"), "Polygon 0.3 -0.2 1e+20  2");
    EXPECT_EQ(ShortenFloats("0.800000012"), "0.8");
    for (const char* kept : {"1.10", "0.2x", "x0.200000003", "nan", "-inf", "", " ", "Ant 07", "+1", "0x10"}) {
        EXPECT_EQ(ShortenFloats(kept), kept);
    }
}

TEST(PropertyTextTest, FloatParsingAcceptsSpecialNamesInAnyCaseAndRejectsGarbage) {
    EXPECT_TRUE(std::isnan(*ParseFloat("NaN")));
    EXPECT_TRUE(std::signbit(*ParseFloat("-nan")));
    EXPECT_EQ(*ParseFloat("INF"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(*ParseFloat("-Infinity"), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(*ParseFloat("+2.5e1"), 25.0f);
    for (const char* bad : {"", " 1", "1 ", "1,5", "0x10", "one", "1e", "--1"}) {
        EXPECT_FALSE(ParseFloat(bad).has_value()) << bad;
    }
}

TEST(PropertyTextTest, IntsAndBools) {
    EXPECT_EQ(*ParseInt("-42"), -42);
    EXPECT_FALSE(ParseInt("2147483648").has_value());
    EXPECT_FALSE(ParseInt("4.0").has_value());
    EXPECT_TRUE(ParseBool("true"));
    EXPECT_TRUE(ParseBool("1"));
    EXPECT_TRUE(ParseBool("t"));
    EXPECT_FALSE(ParseBool("True"));
    EXPECT_FALSE(ParseBool("yes"));
    EXPECT_EQ(FormatBool(false), "false");
}

TEST(PropertyTextTest, NewlinesAreEscapedAndRestoredButOtherBackslashesStay) {
    EXPECT_EQ(EscapeNewlines("a\nb"), "a\\nb");
    EXPECT_EQ(UnescapeNewlines("a\\nb"), "a\nb");
    EXPECT_EQ(UnescapeNewlines("c:\\temp\\"), "c:\\temp\\");
    EXPECT_EQ(UnescapeNewlines("\\\\n"), "\\\n");
}

TEST(PropertyTextTest, AlphaIsAFractionTruncatedIntoAByte) {
    EXPECT_EQ(FormatAlpha(255), "1");
    EXPECT_EQ(FormatAlpha(0), "0");
    EXPECT_EQ(*ParseAlpha("0.5"), 127);
    EXPECT_EQ(*ParseAlpha("1"), 255);
    for (int alpha = 0; alpha < 256; ++alpha) {
        // Truncation must not cost a step on every save and load.
        EXPECT_EQ(*ParseAlpha(FormatAlpha(static_cast<std::uint8_t>(alpha))), alpha);
    }
    EXPECT_EQ(*ParseAlpha("2"), static_cast<std::uint8_t>(510)) << "not clamped";
    EXPECT_FALSE(ParseAlpha("nan").has_value());
    EXPECT_FALSE(ParseAlpha("1e30").has_value());
}

TEST(PropertyTextTest, RgbIsSixLowercaseHexDigitsAndParsesEitherCase) {
    EXPECT_EQ(FormatRgb(255, 128, 0), "ff8000");
    EXPECT_EQ(FormatRgb(1, 2, 3), "010203");
    EXPECT_EQ(*ParseRgb("FF8000"), 0xff8000u);
    EXPECT_EQ(*ParseRgb("a"), 0xau);
    for (const char* bad : {"", "-1", "0xff", "ff80zz", "123456789"}) {
        EXPECT_FALSE(ParseRgb(bad).has_value()) << bad;
    }
}

TEST(PropertyTextTest, EnumerationNames) {
    EXPECT_EQ(FormatDrawLayer(DrawLayer::EditorText2), "EditorText2");
    EXPECT_EQ(FormatDrawLayer(static_cast<DrawLayer>(3)), "") << "two layers at once have no name";
    EXPECT_EQ(ParseDrawLayer("SpriteLights"), DrawLayer::SpriteLights);
    EXPECT_EQ(ParseDrawLayer("spritelights"), DrawLayer::None);
    EXPECT_EQ(FormatTextXAlignment(static_cast<TextXAlignment>(7)), "");
    EXPECT_EQ(ParseTextXAlignment("Right"), TextXAlignment::Right);
    EXPECT_EQ(ParseTextXAlignment("right"), TextXAlignment::Left);
    EXPECT_EQ(ParseTextYAlignment("Bottom"), TextYAlignment::Bottom);
    EXPECT_EQ(ParseTextYAlignment(""), TextYAlignment::Top);
}

}  // namespace
