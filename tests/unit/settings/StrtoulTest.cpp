// The platform's own strtoul is the reference the INI text rule follows.
#include "settings/CaptureSettingsRules.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

TEST(StrtoulTest, UnsignedTextReadsExactlyAsThePlatformReadsIt)
{
    const char* const texts[] = {
        "0", "10", "  42", "\t\n7", "+9", "12abc", "abc", "", "-", "+", " - 3", "-0", "-1", "-10",
        "4294967", "4294968", "4294967295", "4294967296", "-4294967295", "-4294967296",
        "9223372036854775807", "9223372036854775808", "-9223372036854775808", "-9223372036854775809",
        "123456789012345678901234567890", "-123456789012345678901234567890", "0x10", "1e3", "00000000000000000000012",
    };
    for (const char* text : texts)
        EXPECT_EQ(ParseIniUnsigned(text), static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10))) << text;
}

} // namespace
