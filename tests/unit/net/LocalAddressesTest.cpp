#include "net/IpAddrTable.h"
#include "net/LocalAddresses.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

class LocalAddressesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WSADATA data;
        ASSERT_EQ(::WSAStartup(0x0101, &data), 0);
        // Leftovers of an earlier fill must not survive a new one.
        std::memset(m_table, 'x', sizeof m_table);
    }
    void TearDown() override
    {
        g_pfnGetIpAddrTable = &::GetIpAddrTable;
        ::WSACleanup();
    }
    bool RestIsEmpty(int from, int max) const
    {
        for (int i = from; i < max; ++i)
            for (char c : m_table[i])
                if (c != '\0')
                    return false;
        return true;
    }

    char m_table[kMaxLocalAddrs][kLocalAddrSize];
};

// What the fake query saw and how it answers.
ULONG s_offeredSize;
BOOL s_order;
std::vector<DWORD> s_rows;

DWORD WINAPI FakeTable(PMIB_IPADDRTABLE table, PULONG size, BOOL order)
{
    s_offeredSize = *size;
    s_order = order;
    const ULONG needed = sizeof(DWORD) + s_rows.size() * sizeof(MIB_IPADDRROW);
    if (needed > *size) {
        *size = needed;
        return ERROR_INSUFFICIENT_BUFFER;
    }
    table->dwNumEntries = static_cast<DWORD>(s_rows.size());
    MIB_IPADDRROW* row = table->table;
    for (DWORD address : s_rows) {
        *row = MIB_IPADDRROW{};
        row->dwAddr = address;
        ++row;
    }
    return NO_ERROR;
}

DWORD WINAPI FailingTableWithGarbage(PMIB_IPADDRTABLE table, PULONG size, BOOL)
{
    // The buffer holds anything after a failure; a row count among it.
    std::memset(table, 0x41, *size);
    return ERROR_NOT_ENOUGH_MEMORY;
}

DWORD Address(const char* text)
{
    return ::inet_addr(text);
}

} // namespace

TEST_F(LocalAddressesTest, MachineTableHoldsLoopbackAmongValidAddresses)
{
    const int count = GetLocalAddresses(m_table, kMaxLocalAddrs);
    ASSERT_GE(count, 1);
    ASSERT_LE(count, kMaxLocalAddrs);
    bool loopback = false;
    for (int i = 0; i < count; ++i) {
        EXPECT_NE(::inet_addr(m_table[i]), INADDR_NONE) << m_table[i];
        loopback = loopback || std::string(m_table[i]) == "127.0.0.1";
    }
    EXPECT_TRUE(loopback);
    EXPECT_TRUE(RestIsEmpty(count, kMaxLocalAddrs));
}

TEST_F(LocalAddressesTest, PlatformOrderKeptAndFullWidthAddressTerminated)
{
    s_rows = { Address("192.168.100.200"), Address("127.0.0.1"), Address("10.0.0.7") };
    g_pfnGetIpAddrTable = &FakeTable;
    ASSERT_EQ(GetLocalAddresses(m_table, kMaxLocalAddrs), 3);
    EXPECT_EQ(s_order, FALSE);
    EXPECT_EQ(s_offeredSize, 2800u);
    EXPECT_EQ(0, std::memcmp(m_table[0], "192.168.100.200", kLocalAddrSize));
    EXPECT_STREQ(m_table[1], "127.0.0.1");
    EXPECT_STREQ(m_table[2], "10.0.0.7");
    EXPECT_TRUE(RestIsEmpty(3, kMaxLocalAddrs));
}

TEST_F(LocalAddressesTest, MoreRowsThanWantedYieldTheFirstOnes)
{
    // 116 rows are what a 2800-byte buffer holds.
    s_rows.clear();
    for (int i = 0; i < 116; ++i)
        s_rows.push_back(Address(("10.0.1." + std::to_string(i)).c_str()));
    g_pfnGetIpAddrTable = &FakeTable;
    ASSERT_EQ(GetLocalAddresses(m_table, kMaxLocalAddrs), 100);
    EXPECT_STREQ(m_table[0], "10.0.1.0");
    EXPECT_STREQ(m_table[99], "10.0.1.99");

    // Beyond that the query itself fails: nothing is listed.
    s_rows.push_back(Address("10.0.2.1"));
    EXPECT_EQ(GetLocalAddresses(m_table, kMaxLocalAddrs), 0);
    EXPECT_TRUE(RestIsEmpty(0, kMaxLocalAddrs));
}

TEST_F(LocalAddressesTest, FailedQueryGivesAnEmptyTableWhateverTheBufferHolds)
{
    g_pfnGetIpAddrTable = &FailingTableWithGarbage;
    EXPECT_EQ(GetLocalAddresses(m_table, kMaxLocalAddrs), 0);
    EXPECT_TRUE(RestIsEmpty(0, kMaxLocalAddrs));
}

TEST_F(LocalAddressesTest, SmallerWantedCountLimitsRowsAndLeavesTheRestAlone)
{
    // 196 bytes hold 8 rows, one more than wanted.
    s_rows.clear();
    for (int i = 1; i <= 8; ++i)
        s_rows.push_back(Address(("10.0.0." + std::to_string(i)).c_str()));
    g_pfnGetIpAddrTable = &FakeTable;
    ASSERT_EQ(GetLocalAddresses(m_table, 7), 7);
    EXPECT_EQ(s_offeredSize, 196u);
    EXPECT_STREQ(m_table[6], "10.0.0.7");
    EXPECT_EQ(m_table[7][0], 'x');
}
