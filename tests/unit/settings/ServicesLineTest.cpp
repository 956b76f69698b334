#include "settings/ServicesLine.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// "port/protocol name" for an accepted line, "-" for an ignored one.
std::string Parsed(const char* line)
{
    const std::optional<ServiceLine> parsed = ParseServicesLine(line);
    if (!parsed)
        return "-";
    return std::to_string(parsed->port) + "/" + std::to_string(parsed->protocol) + " " + parsed->name;
}

TEST(ServicesLineTest, NamePortAndProtocol)
{
    EXPECT_EQ(Parsed("echo 7/tcp"), "7/6 echo");
    EXPECT_EQ(Parsed("echo 7/tcp\n"), "7/6 echo");
    EXPECT_EQ(Parsed("domain 53/udp\r\n"), "53/17 domain");
    EXPECT_EQ(Parsed("ping 1/icmp"), "1/1 ping");
    EXPECT_EQ(Parsed("top 65535/udp"), "65535/17 top");
    EXPECT_EQ(Parsed("http 80/tcp www # World Wide Web\n"), "80/6 http");
    EXPECT_EQ(Parsed("wide   +08/tcp"), "8/6 wide");
}

TEST(ServicesLineTest, ProtocolInAnyLetterCase)
{
    EXPECT_EQ(Parsed("echo 7/TCP"), "7/6 echo");
    EXPECT_EQ(Parsed("echo 7/Tcp"), "7/6 echo");
    EXPECT_EQ(Parsed("echo 7/UdP"), "7/17 echo");
    EXPECT_EQ(Parsed("echo 7/ICMP"), "7/1 echo");
}

TEST(ServicesLineTest, OnlyTheSpaceSeparatesFields)
{
    EXPECT_EQ(Parsed("echo\t7/tcp\n"), "-");
    // The tab after the protocol belongs to the protocol text.
    EXPECT_EQ(Parsed("echo 7/tcp\t# Echo\n"), "-");
    // A tab before the number is skipped as strtoul skips it.
    EXPECT_EQ(Parsed("echo \t7/tcp"), "7/6 echo");
    EXPECT_EQ(Parsed("name\twith\ttabs 9/udp"), "9/17 name\twith\ttabs");
}

TEST(ServicesLineTest, PortOutsideOneTo65535)
{
    EXPECT_EQ(Parsed("zero 0/tcp"), "-");
    EXPECT_EQ(Parsed("high 65536/tcp"), "-");
    EXPECT_EQ(Parsed("huge 99999999999999999999/tcp"), "-");
    EXPECT_EQ(Parsed("negative -7/tcp"), "-");
    // strtoul would wrap this one round to 1.
    EXPECT_EQ(Parsed("wrapped -4294967295/tcp"), "-");
    EXPECT_EQ(Parsed("word http/tcp"), "-");
}

TEST(ServicesLineTest, ProtocolOtherThanTheThree)
{
    EXPECT_EQ(Parsed("sctp 9/sctp"), "-");
    EXPECT_EQ(Parsed("empty 9/"), "-");
    EXPECT_EQ(Parsed("empty 9/ tcp"), "-");
    EXPECT_EQ(Parsed("longer 9/tcpx"), "-");
    EXPECT_EQ(Parsed("noslash 9"), "-");
    EXPECT_EQ(Parsed("noslash 9 tcp"), "-");
}

TEST(ServicesLineTest, TheSlashMayComeAnywhereAfterThePort)
{
    EXPECT_EQ(Parsed("far 9 x/udp"), "9/17 far");
}

TEST(ServicesLineTest, CommentsEmptyLinesAndLeadingSpaces)
{
    EXPECT_EQ(Parsed("# echo 7/tcp"), "-");
    EXPECT_EQ(Parsed("\n"), "-");
    EXPECT_EQ(Parsed("\r\n"), "-");
    EXPECT_EQ(Parsed(""), "-");
    EXPECT_EQ(Parsed("   "), "-");
    EXPECT_EQ(Parsed("echo"), "-");
    EXPECT_EQ(Parsed("echo\n"), "-");
    EXPECT_EQ(Parsed("   echo   7/tcp"), "7/6 echo");
    // Only a "#" in the very first place makes a comment.
    EXPECT_EQ(Parsed(" #echo 7/tcp"), "7/6 #echo");
    EXPECT_EQ(Parsed(" # echo 7/tcp"), "-");
}

} // namespace
