#include "net/InterfaceLabel.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

std::string Label(const char* description, std::uint32_t speed)
{
    // As the platform's row holds it: a 256-byte field, zero-padded.
    char field[256] = {};
    std::strncpy(field, description, sizeof field - 1);
    return InterfaceLabel(field, sizeof field, speed);
}

bool Listed(const char* description)
{
    return IsListedInterface(Label(description, 100000000));
}

} // namespace

TEST(InterfaceLabel, DescriptionCutTo38AndSpeedInUnitsOfTwoToThe20)
{
    EXPECT_EQ(Label("Intel(R) 82574L Gigabit Network Connection", 1000000000),
              " Intel(R) 82574L Gigabit Network Connec 953 Mb");
    EXPECT_EQ(Label("eth0", 100000000), " eth0 95 Mb");
    EXPECT_EQ(Label("eth0", 0), " eth0 0 Mb");
    // The shift is unsigned: the top speed gives 4095, not a negative number.
    EXPECT_EQ(Label("x", 0xFFFFFFFFu), " x 4095 Mb");
    EXPECT_EQ(Label("", 1048576), "  1 Mb");
}

TEST(InterfaceLabel, DescriptionWithoutTerminatorEndsWithItsField)
{
    const char unterminated[3] = {'a', 'b', 'c'};
    EXPECT_EQ(InterfaceLabel(unterminated, sizeof unterminated, 0), " abc 0 Mb");
    char full[256];
    std::memset(full, 'd', sizeof full);
    EXPECT_EQ(InterfaceLabel(full, sizeof full, 0), " " + std::string(38, 'd') + " 0 Mb");
}

TEST(InterfaceLabel, WideAreaTunnelAndLoopbackAreLeftOut)
{
    EXPECT_FALSE(Listed("WAN Miniport (IP)"));
    EXPECT_FALSE(Listed("WAN"));
    EXPECT_FALSE(Listed("isatap.{5B2C8A1E-7D3F-4E6A-9C0B-1F2E3D4C5B6A}"));
    EXPECT_FALSE(Listed("Software Loopback Interface 1"));
    EXPECT_FALSE(Listed("Realtek Loopback"));
}

TEST(InterfaceLabel, TheChecksAreExactAndCaseSensitive)
{
    EXPECT_TRUE(Listed("Microsoft ISATAP Adapter"));
    EXPECT_TRUE(Listed("MS TCP loopback interface"));
    EXPECT_TRUE(Listed("WANdisco adapter"));
    EXPECT_TRUE(Listed("wan miniport"));
    EXPECT_TRUE(Listed("isatap"));
    EXPECT_TRUE(Listed("lo"));
    EXPECT_TRUE(Listed("eth0"));
    // "Loopback" past the 38th character is not in the label.
    EXPECT_TRUE(Listed("A very long adapter description with a Loopback"));
}
