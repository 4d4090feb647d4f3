#include "editor/widgets/EdFieldText.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using EdFieldText::StepNumber;

std::string Insertable(const std::string& text, std::size_t held) {
    return EdFieldText::Insertable(text, held, nullptr).Kept;
}

TEST(EdFieldTextTest, IntegersStayIntegersAndTruncateFractionalSteps) {
    EXPECT_EQ(StepNumber("7", 10.0), "17");
    EXPECT_EQ(StepNumber(" -3 ", 1.0), "-2");
    EXPECT_EQ(StepNumber("+4", -1.0), "3");
    EXPECT_EQ(StepNumber("7", -0.1), "6");   // 6.9 toward zero
    EXPECT_EQ(StepNumber("7", 0.1), "7");    // 7.1 toward zero
    EXPECT_EQ(StepNumber("-7", 0.1), "-6");  // -6.9 toward zero
    EXPECT_EQ(StepNumber("0", -0.1), "0");
}

TEST(EdFieldTextTest, DecimalsStepToTheShortestFormOfTheSum) {
    EXPECT_EQ(std::strtod(StepNumber("0.5", -0.1)->c_str(), nullptr), 0.5 - 0.1);
    EXPECT_EQ(StepNumber("0.1", 1.0), "1.1");
    EXPECT_EQ(StepNumber(".25", 1.0), "1.25");
}

TEST(EdFieldTextTest, NonNumbersAndOutOfRangeValuesDoNotStep) {
    for (const char* text : {"abc", "", "1e3", "1.2.3", "- 4", "0x10", "inf", "nan"}) {
        EXPECT_FALSE(StepNumber(text, 1.0)) << text;
    }
    EXPECT_EQ(StepNumber("99999999999", 1.0), "100000000000");
    EXPECT_FALSE(StepNumber("9223372036854775807", 1.0));
    EXPECT_FALSE(StepNumber("-9223372036854775808", -10.0));
    EXPECT_FALSE(StepNumber("99999999999999999999999", 1.0));
    EXPECT_FALSE(StepNumber(std::string(400, '9') + ".5", 1.0));  // infinite as a double
}

TEST(EdFieldTextTest, InsertedTextStopsAtTheLineBreakKeepsCharactersAndIsBounded) {
    EXPECT_EQ(Insertable("ab\tc\x01" "d\nsecond line", 0), "abcd");
    EXPECT_EQ(Insertable("x\r\ny", 0), "x");
    EXPECT_EQ(Insertable("\xc3\xa9t\x7f" "e\xc2\x85", 0), "\xc3\xa9te") << "é stays; DEL and a C1 control go";
    EXPECT_EQ(Insertable("a\xc3(\xff\x80" "b", 0), "a(b") << "broken UTF-8 goes";
    EXPECT_EQ(Insertable(std::string(1000, 'a'), 0).size(), EdFieldText::MaxLength);
    EXPECT_EQ(Insertable("abc", EdFieldText::MaxLength - 2), "ab");
    EXPECT_EQ(Insertable("a\xc3\xa9", EdFieldText::MaxLength - 2), "a") << "never half a character";
    EXPECT_EQ(Insertable("abc", EdFieldText::MaxLength + 5), "");
}

TEST(EdFieldTextTest, CharactersTheFontLacksAreRefusedAndNamedOnce) {
    const auto latin = [](char32_t c) { return c < 0x180; };
    const EdFieldText::Insertion insertion =
        EdFieldText::Insertable("\xc5\x90\xe2\x82\xac=\xe2\x82\xac\xf0\x9f\x90\x9c", 0, latin);  // Ő€=€🐜
    EXPECT_EQ(insertion.Kept, "\xc5\x90=");
    EXPECT_EQ(insertion.Refused, "\xe2\x82\xac\xf0\x9f\x90\x9c");
}

// Ten characters 10 wide, the caret mark among them, in a field 45 wide.
TEST(EdFieldTextTest, TheShownPartKeepsTheCaretInViewAndFillsTheRoom) {
    using EdFieldText::Visible;
    const std::vector<float> widths(10, 10.0f);
    auto shown = [&](std::size_t keep, std::size_t first) {
        const EdFieldText::Window w = Visible(widths, keep, first, 45.0f);
        return std::make_pair(w.First, w.Last);
    };
    EXPECT_EQ(shown(0, 0), std::make_pair(0ul, 4ul)) << "the start, cut at the right";
    EXPECT_EQ(shown(9, 0), std::make_pair(6ul, 10ul)) << "scrolled just enough for the caret at the end";
    EXPECT_EQ(shown(5, 3), std::make_pair(3ul, 7ul)) << "the caret in view: no scrolling";
    EXPECT_EQ(shown(1, 3), std::make_pair(1ul, 5ul)) << "back to the caret on its left";
    EXPECT_EQ(shown(9, 9), std::make_pair(6ul, 10ul)) << "no empty room while the text could fill it";
    EXPECT_EQ(Visible({10.0f, 10.0f}, 1, 1, 45.0f).First, 0u) << "a short text shows whole";
    EXPECT_EQ(Visible({}, 0, 3, 45.0f).Last, 0u);
}

}  // namespace
