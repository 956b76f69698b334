#include "net/StatisticsText.h"
#include <gtest/gtest.h>

TEST(StatisticsText, CountersAreWholeNumbersBetweenBlanks)
{
    EXPECT_EQ(ByteCounterText(0), " 0 ");
    EXPECT_EQ(ByteCounterText(10), " 10 ");
    EXPECT_EQ(ByteCounterText(4294967295u), " 4294967295 ");
    // Past 32 bits, up to the last 64-bit number: 20 digits.
    EXPECT_EQ(ByteCounterText(4294967296u), " 4294967296 ");
    EXPECT_EQ(ByteCounterText(1000000000000000000u), " 1000000000000000000 ");
    EXPECT_EQ(ByteCounterText(18446744073709551615u), " 18446744073709551615 ");
}

TEST(StatisticsText, WordsInTheirOrderEachWithTwoBlanks)
{
    EXPECT_EQ(ConnectionTypeWords(kConnectionLan | kConnectionProxy), " LAN  Proxy ");
    EXPECT_EQ(ConnectionTypeWords(kConnectionProxy | kConnectionOffline | kConnectionModem | kConnectionLan),
              " LAN  Modem  Offline  Proxy ");
    EXPECT_EQ(ConnectionTypeWords(kConnectionModem), " Modem ");
    // INTERNET_RAS_INSTALLED (0x10) and INTERNET_CONNECTION_CONFIGURED (0x40) name no kind.
    EXPECT_EQ(ConnectionTypeWords(0x10 | 0x40), "");
    EXPECT_EQ(ConnectionTypeWords(0x12), " LAN ");
}

TEST(StatisticsText, NoConnectionKeepsTheLastType)
{
    std::string status;
    std::string type;
    ApplyConnectionState(true, kConnectionLan | 0x10, status, type);
    EXPECT_EQ(status, " Connected");
    EXPECT_EQ(type, " LAN ");

    ApplyConnectionState(false, 0x10, status, type);
    EXPECT_EQ(status, "N/A");
    EXPECT_EQ(type, " LAN ");

    // A connection without any of the four kinds empties the type.
    ApplyConnectionState(true, 0x40, status, type);
    EXPECT_EQ(status, " Connected");
    EXPECT_EQ(type, "");
}
