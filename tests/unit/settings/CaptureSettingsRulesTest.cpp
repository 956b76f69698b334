#include "settings/CaptureSettingsRules.h"
#include <gtest/gtest.h>
#include <climits>

namespace {

TEST(CaptureSettingsRulesTest, LogSizeLimitKeepsOneTo999)
{
    EXPECT_EQ(NormaliseLogSizeLimit(1), 1);
    EXPECT_EQ(NormaliseLogSizeLimit(999), 999);
    EXPECT_EQ(NormaliseLogSizeLimit(0), 1);
    EXPECT_EQ(NormaliseLogSizeLimit(1000), 1);
    EXPECT_EQ(NormaliseLogSizeLimit(-5), 1);
    EXPECT_EQ(NormaliseLogSizeLimit(INT_MIN), 1);
}

TEST(CaptureSettingsRulesTest, LogTypeKeepsZeroToSix)
{
    EXPECT_EQ(NormaliseLogType(0), 0);
    EXPECT_EQ(NormaliseLogType(6), 6);
    EXPECT_EQ(NormaliseLogType(7), 0);
    EXPECT_EQ(NormaliseLogType(-1), 0);
    EXPECT_EQ(NormaliseLogType(INT_MAX), 0);
}

TEST(CaptureSettingsRulesTest, IdleTimeWrapsInThirtyTwoBits)
{
    EXPECT_EQ(IdleSecondsToMilliseconds(10), 10000u);
    EXPECT_EQ(IdleSecondsToMilliseconds(4294967), 4294967000u);
    EXPECT_EQ(IdleSecondsToMilliseconds(4294968), 704u);
    EXPECT_EQ(IdleMillisecondsToSeconds(704), 0u);
    EXPECT_EQ(IdleMillisecondsToSeconds(10999), 10u);
}

TEST(CaptureSettingsRulesTest, UnsignedTextReadsAsWindowsStrtoul)
{
    EXPECT_EQ(ParseIniUnsigned("10"), 10u);
    EXPECT_EQ(ParseIniUnsigned(" \t+25s"), 25u);
    EXPECT_EQ(ParseIniUnsigned("soon"), 0u);
    EXPECT_EQ(ParseIniUnsigned(""), 0u);
    EXPECT_EQ(ParseIniUnsigned("4294967295"), 4294967295u);
    EXPECT_EQ(ParseIniUnsigned("4294967296"), 4294967295u);
    EXPECT_EQ(ParseIniUnsigned("99999999999999999999999"), 4294967295u);
    EXPECT_EQ(ParseIniUnsigned("-1"), 4294967295u);
    EXPECT_EQ(ParseIniUnsigned("-4294967295"), 1u);
    EXPECT_EQ(ParseIniUnsigned("-4294967296"), 1u);
    EXPECT_EQ(ParseIniUnsigned("-99999999999999999999999"), 1u);
}

} // namespace
