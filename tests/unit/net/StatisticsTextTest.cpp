#include "net/StatisticsText.h"
#include <gtest/gtest.h>

TEST(StatisticsText, CountersAreUnsignedBetweenBlanks)
{
    EXPECT_EQ(ByteCounterText(0), " 0 ");
    EXPECT_EQ(ByteCounterText(3000000000u), " 3000000000 ");
    EXPECT_EQ(ByteCounterText(4294967295u), " 4294967295 ");
    // The platform's counter wraps to small numbers, and so does the text.
    EXPECT_EQ(ByteCounterText(static_cast<std::uint32_t>(4294967295u + 1501u)), " 1500 ");
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
