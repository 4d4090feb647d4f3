#include "editor/widgets/EdFieldText.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using EdFieldText::Insertable;
using EdFieldText::StepNumber;

std::string Formatted17(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
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

TEST(EdFieldTextTest, DecimalsStepInSeventeenDigits) {
    EXPECT_EQ(StepNumber("0.5", -0.1), Formatted17(0.5 - 0.1));
    EXPECT_EQ(StepNumber("0.5", -0.1)->substr(0, 3), "0.4");
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

TEST(EdFieldTextTest, InsertedTextStopsAtTheLineBreakKeepsPrintablesAndIsBounded) {
    EXPECT_EQ(Insertable("ab\tc\x01" "d\nsecond line", 0), "abcd");
    EXPECT_EQ(Insertable("x\r\ny", 0), "x");
    EXPECT_EQ(Insertable("\xc3\xa9t\x7f" "e", 0), "te");
    EXPECT_EQ(Insertable(std::string(1000, 'a'), 0).size(), EdFieldText::MaxLength);
    EXPECT_EQ(Insertable("abc", EdFieldText::MaxLength - 2), "ab");
    EXPECT_EQ(Insertable("abc", EdFieldText::MaxLength + 5), "");
}

}  // namespace
