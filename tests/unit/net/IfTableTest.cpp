#include "net/IfTable.h"
#include "framework/ModulePath.h"
#include <gtest/gtest.h>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

// The table the fake platform holds, and every size it was offered.
std::vector<MIB_IFROW> s_rows;
std::vector<ULONG> s_offered;
std::vector<BOOL> s_orders;

MIB_IFROW Row(DWORD index, const char* description, DWORD inOctets, DWORD outOctets)
{
    MIB_IFROW row{};
    row.dwIndex = index;
    std::strncpy(reinterpret_cast<char*>(row.bDescr), description, sizeof row.bDescr - 1);
    row.dwDescrLen = static_cast<DWORD>(std::strlen(description));
    row.dwInOctets = inOctets;
    row.dwOutOctets = outOctets;
    return row;
}

ULONG Needed()
{
    return static_cast<ULONG>(offsetof(MIB_IFTABLE, table) + s_rows.size() * sizeof(MIB_IFROW));
}

// Behaves as the platform documents: a buffer that is missing or too small
// gets the size it needs and nothing else.
DWORD WINAPI FakeGetIfTable(PMIB_IFTABLE table, PULONG size, BOOL order)
{
    s_offered.push_back(*size);
    s_orders.push_back(order);
    if (table == nullptr || *size < Needed()) {
        *size = Needed();
        return ERROR_INSUFFICIENT_BUFFER;
    }
    table->dwNumEntries = static_cast<DWORD>(s_rows.size());
    std::memcpy(table->table, s_rows.data(), s_rows.size() * sizeof(MIB_IFROW));
    return NO_ERROR;
}

DWORD WINAPI NoTable(PMIB_IFTABLE, PULONG, BOOL)
{
    return ERROR_NOT_SUPPORTED;
}

// Answers a row count larger than the rows it wrote, as a faulty driver could.
DWORD WINAPI OvercountingGetIfTable(PMIB_IFTABLE table, PULONG size, BOOL order)
{
    const DWORD result = FakeGetIfTable(table, size, order);
    if (result == NO_ERROR)
        table->dwNumEntries = 1000;
    return result;
}

// Each interface's whole counters, as GetIfEntry2 gives them: 1 GB more each
// way than the table's 32-bit rows show, past 4 GiB; and every index asked.
std::vector<ULONG> s_asked;

DWORD WINAPI FakeGetIfEntry2(PMIB_IF_ROW2 row)
{
    s_asked.push_back(row->InterfaceIndex);
    if (row->InterfaceLuid.Value != 0)
        return ERROR_INVALID_PARAMETER;
    for (const MIB_IFROW& known : s_rows) {
        if (known.dwIndex == row->InterfaceIndex) {
            row->InOctets = (ULONG64{1} << 32) + known.dwInOctets;
            row->OutOctets = (ULONG64{1} << 32) + known.dwOutOctets;
            return NO_ERROR;
        }
    }
    return ERROR_FILE_NOT_FOUND;
}

// A new adapter appears after every answer.
DWORD WINAPI GrowingGetIfTable(PMIB_IFTABLE table, PULONG size, BOOL order)
{
    const DWORD result = FakeGetIfTable(table, size, order);
    s_rows.push_back(Row(100 + static_cast<DWORD>(s_rows.size()), "late", 0, 0));
    return result;
}

// Answers that the buffer is too small, and asks for no more than it is.
DWORD WINAPI NeverEnoughGetIfTable(PMIB_IFTABLE table, PULONG size, BOOL order)
{
    if (table == nullptr)
        return FakeGetIfTable(table, size, order);
    s_offered.push_back(*size);
    return ERROR_INSUFFICIENT_BUFFER;
}

class IfTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s_rows = {Row(1, "lo", 10, 20), Row(2, "eth0", 3000000000u, 4000000000u)};
        s_offered.clear();
        s_orders.clear();
        s_asked.clear();
        g_pfnGetIfTable = FakeGetIfTable;
        g_pfnGetIfEntry2 = nullptr;
    }
    void TearDown() override
    {
        g_pfnGetIfTable = nullptr;
        g_pfnGetIfEntry2 = nullptr;
    }

    // The interface box as the window fills it from the table's rows.
    static CInterfacePositions AllRows(const CIfTable& table)
    {
        CInterfacePositions positions;
        for (DWORD row = 0; row < table.RowCount(); ++row)
            positions.Add(table.Row(static_cast<int>(row))->dwIndex);
        return positions;
    }
};

} // namespace

TEST_F(IfTableTest, LoadAsksForTheSizeThenReadsSortedRows)
{
    CIfTable table;
    ASSERT_TRUE(table.Load());
    ASSERT_EQ(s_offered.size(), 2u);
    EXPECT_EQ(s_offered[0], 0u);
    EXPECT_EQ(s_offered[1], Needed());
    EXPECT_EQ(s_orders, (std::vector<BOOL>{TRUE, TRUE}));
    ASSERT_EQ(table.RowCount(), 2u);
    EXPECT_EQ(InterfaceLabel(*table.Row(1)), " eth0 0 Mb");
    EXPECT_EQ(table.Row(2), nullptr);
    EXPECT_EQ(table.Row(-1), nullptr);
}

TEST_F(IfTableTest, CountersOfAPositionAndOfNone)
{
    CIfTable table;
    ASSERT_TRUE(table.Load());
    CInterfacePositions positions;
    positions.Add(2);

    const ByteCounterTexts eth0 = CountersAt(table, positions, 0);
    EXPECT_EQ(eth0.sent, " 4000000000 ");
    EXPECT_EQ(eth0.received, " 3000000000 ");

    // A stored position past the list, and none at all, read no row.
    const ByteCounterTexts past = CountersAt(table, positions, 1);
    EXPECT_EQ(past.sent, "");
    EXPECT_EQ(past.received, "");
    EXPECT_EQ(CountersAt(table, positions, -1).sent, "");
    EXPECT_EQ(CountersAt(table, CInterfacePositions(), 0).received, "");
}

TEST_F(IfTableTest, WholeCountersAreAskedOfTheInterfaceAlone)
{
    CIfTable table;
    ASSERT_TRUE(table.Load());
    const CInterfacePositions positions = AllRows(table);
    g_pfnGetIfEntry2 = FakeGetIfEntry2;
    const size_t tableReads = s_offered.size();

    const ByteCounterTexts eth0 = ReadCountersAt(table, positions, 1);
    EXPECT_EQ(eth0.sent, " 8294967296 ");
    EXPECT_EQ(eth0.received, " 7294967296 ");
    EXPECT_EQ(s_asked, std::vector<ULONG>{2});
    EXPECT_EQ(s_offered.size(), tableReads) << "the table is not read for them";

    // A gone interface, and a position that names none.
    s_rows.erase(s_rows.begin());
    EXPECT_EQ(ReadCountersAt(table, positions, 0).sent, "");
    EXPECT_EQ(ReadCountersAt(table, positions, 2).received, "");
    EXPECT_EQ(s_asked, (std::vector<ULONG>{2, 1}));
}

TEST_F(IfTableTest, WithoutGetIfEntry2TheTableIsReadAgainAndItsCountersWrap)
{
    CIfTable table;
    ASSERT_TRUE(table.Load());
    const CInterfacePositions positions = AllRows(table);
    const size_t tableReads = s_offered.size();

    s_rows[1].dwInOctets = 3000000000u + 1294967296u + 1500u;
    const ByteCounterTexts eth0 = ReadCountersAt(table, positions, 1);
    EXPECT_EQ(eth0.received, " 1500 ");
    EXPECT_EQ(eth0.sent, " 4000000000 ");
    EXPECT_EQ(s_offered.size(), tableReads + 1);
}

TEST_F(IfTableTest, TheChosenInterfaceIsFollowedAsTheTableGrowsShrinksAndMoves)
{
    CIfTable table;
    ASSERT_TRUE(table.Load());
    const ULONG capacity = s_offered.back();
    const CInterfacePositions positions = AllRows(table);

    // A VPN connects: the table no longer fits. The read that finds it so is
    // offered the buffer's own size, the next the size the platform asked.
    s_rows.push_back(Row(7, "vpn0", 1, 2));
    s_rows[1].dwInOctets = 11;
    table.Refresh();
    ASSERT_EQ(s_offered.size(), 4u);
    EXPECT_EQ(s_offered[2], capacity);
    EXPECT_EQ(s_offered[3], Needed());
    EXPECT_EQ(table.RowCount(), 3u);
    EXPECT_EQ(CountersAt(table, positions, 1).received, " 11 ");

    // The loopback adapter goes: eth0 moves up a row and is still shown at
    // its position; the gone interface's position shows nothing.
    s_rows.erase(s_rows.begin());
    s_rows[0].dwInOctets = 12;
    table.Refresh();
    EXPECT_EQ(CountersAt(table, positions, 1).received, " 12 ");
    EXPECT_EQ(CountersAt(table, positions, 0).received, "");

    // It comes back, and so do its counters.
    s_rows.insert(s_rows.begin(), Row(1, "lo", 30, 40));
    table.Refresh();
    EXPECT_EQ(CountersAt(table, positions, 0).sent, " 40 ");
    EXPECT_EQ(CountersAt(table, positions, 1).received, " 12 ");
}

TEST_F(IfTableTest, ATableThatKeepsGrowingIsReadAFewTimesAndThenLater)
{
    g_pfnGetIfTable = GrowingGetIfTable;
    CIfTable table;
    EXPECT_TRUE(table.Load());
    EXPECT_EQ(table.RowCount(), 0u);
    EXPECT_EQ(CountersAt(table, AllRows(table), 0).sent, "");
    const size_t reads = s_offered.size();
    EXPECT_EQ(reads, 5u) << "the size query and four reads";

    // Once it settles the next tick reads it whole.
    g_pfnGetIfTable = FakeGetIfTable;
    table.Refresh();
    EXPECT_EQ(table.RowCount(), s_rows.size());
    EXPECT_EQ(CountersAt(table, AllRows(table), 1).received, " 3000000000 ");
}

TEST_F(IfTableTest, NoSizeAnswerGivesAnEmptyTable)
{
    g_pfnGetIfTable = NoTable;
    CIfTable table;
    EXPECT_FALSE(table.Load());
    table.Refresh();
    EXPECT_EQ(table.RowCount(), 0u);
    EXPECT_EQ(table.Row(0), nullptr);
}

TEST_F(IfTableTest, AFaultyPlatformIsNotFollowedPastTheBuffer)
{
    // A row count larger than the rows it wrote is cut to the buffer.
    g_pfnGetIfTable = OvercountingGetIfTable;
    CIfTable table;
    ASSERT_TRUE(table.Load());
    EXPECT_EQ(table.RowCount(), 2u);
    EXPECT_EQ(table.Row(2), nullptr);

    // "Too small" for the size it asked for itself: one read, the rows kept.
    g_pfnGetIfTable = NeverEnoughGetIfTable;
    s_offered.clear();
    table.Refresh();
    EXPECT_EQ(s_offered.size(), 1u);
    EXPECT_EQ(table.RowCount(), 2u);
}

TEST(IpHelperEntries, ALibraryWithoutEitherTableEntryPointIsRefused)
{
    EXPECT_FALSE(ResolveIpHelperEntries(nullptr));
    EXPECT_EQ(g_pfnGetIfTable, nullptr);
    EXPECT_EQ(g_pfnGetNumberOfInterfaces, nullptr);
    EXPECT_EQ(g_pfnGetIfEntry2, nullptr);

    // The stand-ins built beside this test (IpHelperStandIn.cpp).
    const struct {
        const char* library;
        bool hasIfTable;
        bool hasInterfaceCount;
    } libraries[] = {
        { "IpHelperWithoutIfTable.dll", false, true },
        { "IpHelperWithoutInterfaceCount.dll", true, false },
        { "IpHelperWithoutInterfaceEntries.dll", false, false },
    };
    for (const auto& stand : libraries) {
        SCOPED_TRACE(stand.library);
        HMODULE library = ::LoadLibraryA(PathBeside(GetModulePath(), stand.library).c_str());
        ASSERT_NE(library, nullptr);
        EXPECT_FALSE(ResolveIpHelperEntries(library));
        EXPECT_EQ(g_pfnGetIfTable != nullptr, stand.hasIfTable);
        EXPECT_EQ(g_pfnGetNumberOfInterfaces != nullptr, stand.hasInterfaceCount);
        EXPECT_EQ(g_pfnGetIfEntry2, nullptr);
    }
    g_pfnGetIfTable = nullptr;
    g_pfnGetNumberOfInterfaces = nullptr;
}

TEST(IpHelperEntries, TheSystemLibraryHasThemAll)
{
    // Wine's library has the 64-bit counters of Vista and later.
    ASSERT_TRUE(ResolveIpHelperEntries());
    EXPECT_NE(g_pfnGetIfEntry2, nullptr);
    DWORD count = 0;
    EXPECT_EQ(g_pfnGetNumberOfInterfaces(&count), static_cast<DWORD>(NO_ERROR));

    // Wine's own table: at least the loopback interface, named as Linux names it.
    CIfTable table;
    ASSERT_TRUE(table.Load());
    ASSERT_GE(table.RowCount(), 1u);
    bool loopback = false;
    for (DWORD row = 0; row < table.RowCount(); ++row)
        loopback = loopback || InterfaceLabel(*table.Row(static_cast<int>(row))).rfind(" lo ", 0) == 0;
    EXPECT_TRUE(loopback);
    g_pfnGetIfTable = nullptr;
    g_pfnGetIfEntry2 = nullptr;
}
