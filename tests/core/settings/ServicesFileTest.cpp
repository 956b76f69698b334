// The services file loader built natively under the sanitizers: every line
// length around the 300-character buffer, bytes no text file should hold, and
// a table long enough that freeing it recursively would exhaust the stack.
#include "settings/ServicesLine.h"
#include "settings/ServicesParser.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class ServicesFileTest : public ::testing::Test {
protected:
    ServicesFileTest()
        : m_path(std::filesystem::temp_directory_path() /
                 ("corvane-services-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
    }
    ~ServicesFileTest() override { std::filesystem::remove(m_path); }

    void Write(const std::string& contents)
    {
        std::ofstream(m_path, std::ios::binary) << contents;
    }

    size_t Count() const
    {
        const CServicesParser parser(m_path.string());
        size_t count = 0;
        for (const ServiceEntry* entry = parser.Head(); entry != nullptr; entry = entry->next)
            ++count;
        return count;
    }

    std::filesystem::path m_path;
};

TEST_F(ServicesFileTest, LinesAroundTheBufferSize)
{
    for (size_t length = 290; length <= 610; ++length) {
        const std::string line = "svc 80/tcp " + std::string(length - 11, 'z');
        Write(line + "\n" + line);
        // The first piece of each line holds the service; the rest ("zzz",
        // or a bare line break) is read as a line of its own and ignored.
        EXPECT_EQ(Count(), 2u) << length;
    }
}

// A zero byte ends the text of the piece it is read in: "a" has no port, and
// the last piece starts with zeros. The control characters make a name.
TEST_F(ServicesFileTest, ZeroBytesAndControlCharactersAreSurvived)
{
    Write(std::string("a\0b 7/tcp\n", 10) + "\x01\x02 9/udp\n" + std::string(1000, '\0') + "last 8/icmp");
    EXPECT_EQ(Count(), 1u);
}

TEST_F(ServicesFileTest, HundredThousandEntries)
{
    std::string contents;
    for (int i = 0; i < 100000; ++i)
        contents += "s" + std::to_string(i) + " " + std::to_string(i % 65535 + 1) + "/udp\n";
    Write(contents);
    EXPECT_EQ(Count(), 100000u);
}

} // namespace
