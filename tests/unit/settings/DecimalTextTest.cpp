#include "settings/DecimalText.h"
#include <gtest/gtest.h>
#include <climits>

TEST(DecimalText, DigitsUpToTheFirstOtherCharacter)
{
    EXPECT_EQ(DecimalTextToInt("12"), 12);
    EXPECT_EQ(DecimalTextToInt("12abc"), 12);
    EXPECT_EQ(DecimalTextToInt("1 2"), 1);
    EXPECT_EQ(DecimalTextToInt("007"), 7);
}

TEST(DecimalText, NoDigitGivesZero)
{
    EXPECT_EQ(DecimalTextToInt(""), 0);
    EXPECT_EQ(DecimalTextToInt("abc"), 0);
    EXPECT_EQ(DecimalTextToInt("-"), 0);
    EXPECT_EQ(DecimalTextToInt("+-5"), 0);
    EXPECT_EQ(DecimalTextToInt("x12"), 0);
}

TEST(DecimalText, LeadingWhiteSpaceAndOneSign)
{
    EXPECT_EQ(DecimalTextToInt(" \t\n\v\f\r42"), 42);
    EXPECT_EQ(DecimalTextToInt("-5"), -5);
    EXPECT_EQ(DecimalTextToInt("+5"), 5);
    EXPECT_EQ(DecimalTextToInt("  -0"), 0);
    // White space after the sign ends the number.
    EXPECT_EQ(DecimalTextToInt("- 5"), 0);
}

TEST(DecimalText, OutOfRangeSaturates)
{
    EXPECT_EQ(DecimalTextToInt("2147483647"), INT_MAX);
    EXPECT_EQ(DecimalTextToInt("-2147483648"), INT_MIN);
    EXPECT_EQ(DecimalTextToInt("2147483648"), INT_MAX);
    EXPECT_EQ(DecimalTextToInt("-2147483649"), INT_MIN);
    EXPECT_EQ(DecimalTextToInt("99999999999999999999999999"), INT_MAX);
    EXPECT_EQ(DecimalTextToInt("-99999999999999999999999999"), INT_MIN);
}
