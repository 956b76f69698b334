#include "ScratchFolder.h"
#include "settings/ServicesLine.h"
#include "settings/ServicesParser.h"
#include "settings/IniFile.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// The table from the head: "port/protocol name" a line.
std::string Entries(const CServicesParser& parser)
{
    std::string list;
    for (const ServiceEntry* entry = parser.Head(); entry != nullptr; entry = entry->next)
        list += std::to_string(entry->port) + "/" + std::to_string(entry->protocol) + " " + entry->name + "\n";
    return list;
}

class ServicesParserTest : public ::testing::Test {
protected:
    ServicesParserTest()
        : m_folder(::testing::UnitTest::GetInstance()->current_test_info()->name())
        , m_path(m_folder.File("services"))
    {
    }

    std::string EntriesOf(const std::string& contents)
    {
        EXPECT_TRUE(WriteFileBytes(m_path, contents));
        return Entries(CServicesParser(m_path));
    }

    ScratchFolder m_folder;
    std::string m_path;
};

TEST_F(ServicesParserTest, AcceptedLinesInReverseFileOrder)
{
    EXPECT_EQ(EntriesOf("# Well-known services\r\n"
                        "\r\n"
                        "echo 7/tcp\r\n"
                        "echo\t7/udp\r\n"
                        "discard 9/UDP sink null\r\n"
                        "bad 0/tcp\r\n"
                        "  ping 1/icmp\r\n"),
              "1/1 ping\n"
              "9/17 discard\n"
              "7/6 echo\n");
}

TEST_F(ServicesParserTest, DuplicatesAreBothKeptTheLaterNearerTheHead)
{
    EXPECT_EQ(EntriesOf("first 21/tcp\nsecond 21/tcp\n"), "21/6 second\n21/6 first\n");
    const CServicesParser parser(m_path);
    EXPECT_EQ(FindService(parser.Head(), 21, kProtocolTcp)->name, "second");
    EXPECT_EQ(FindService(parser.Head(), 21, kProtocolUdp), nullptr);
    EXPECT_EQ(FindService(parser.Head(), 22, kProtocolTcp), nullptr);
}

TEST_F(ServicesParserTest, LookupsStaySwitchedOffAfterLoading)
{
    ASSERT_TRUE(WriteFileBytes(m_path, "echo 7/tcp\n"));
    CServicesParser parser(m_path);
    ASSERT_NE(parser.Head(), nullptr);
    EXPECT_EQ(parser.LookupService(7, kProtocolTcp), nullptr);
}

TEST_F(ServicesParserTest, LastLineWithoutLineBreakIsParsedOnce)
{
    EXPECT_EQ(EntriesOf("echo 7/tcp\nlast 8/udp"), "8/17 last\n7/6 echo\n");
}

TEST_F(ServicesParserTest, EmptyOrMissingFileGivesAnEmptyTable)
{
    EXPECT_EQ(EntriesOf(""), "");
    CServicesParser missing(m_folder.File("nothing-here"));
    EXPECT_EQ(missing.Head(), nullptr);
    EXPECT_FALSE(missing.Load());
    EXPECT_TRUE(CServicesParser(m_path).Load());
}

TEST_F(ServicesParserTest, ReloadingReplacesTheTable)
{
    ASSERT_TRUE(WriteFileBytes(m_path, "echo 7/tcp\n"));
    CServicesParser parser(m_path);
    ASSERT_TRUE(WriteFileBytes(m_path, "ftp 21/tcp\n"));
    EXPECT_TRUE(parser.Load());
    EXPECT_EQ(Entries(parser), "21/6 ftp\n");
}

// fgets hands over at most 299 characters at a time; each piece of a longer
// line is parsed as a line of its own.
TEST_F(ServicesParserTest, LongLineIsReadInPieces)
{
    std::string first = "first 5/tcp ";
    first += std::string(299 - first.size(), 'x');
    const std::string second = "second 6/udp " + std::string(286, 'y');
    ASSERT_EQ(second.size(), 299u);
    EXPECT_EQ(EntriesOf(first + second + "third 7/icmp\nafter 8/tcp\n"),
              "8/6 after\n7/1 third\n6/17 second\n5/6 first\n");
}

TEST(ServicesPathTest, BothFilesLieBesideTheExecutable)
{
    const std::string ini = CIniFile().FileName();
    const std::string services = CServicesParser().Path();
    const std::string folder = services.substr(0, services.size() - std::string("services").size());
    EXPECT_EQ(services, folder + "services");
    EXPECT_EQ(ini, folder + "settings_tests.ini");
    EXPECT_EQ(folder.back(), '\\');
}

} // namespace
