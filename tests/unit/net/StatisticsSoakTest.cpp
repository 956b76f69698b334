// A day and more of statistics ticks in one go: the work each tick of the
// main window does (the window clock, the counters of the chosen interface,
// the connection texts), a hundred thousand times over, against a platform
// of the test's own: one without GetIfEntry2, as Windows XP, whose interface
// table is read again at every tick. Under Wine a
// real tick costs tens of milliseconds, so the black-box soak covers only
// the first thousand or two; this covers the long run: counters that wrap,
// reads that fail now and then, connections that come and go, and memory
// that must not grow.
#include "accel/SessionClock.h"
#include "net/ConnectionState.h"
#include "net/IfTable.h"
#include "net/InterfaceLabel.h"
#include "net/StatisticsText.h"
#include <gtest/gtest.h>
#include <psapi.h>
#include <wininet.h>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr int kTicks = 100000;
constexpr std::uint32_t kInStep = 48271;
constexpr std::uint32_t kOutStep = 65537;
// Starts close enough to the top for the counter to wrap during the run.
constexpr std::uint32_t kInStart = 4000000000u;
static_assert(kInStart + 99000ull * kInStep > 0xFFFFFFFFull, "eth0's received counter wraps during the run");
constexpr std::uint32_t kOutStart = 7;
// Every 1000th read fails; every 7th connection query finds none.
constexpr int kFailEvery = 1000;
constexpr int kOfflineEvery = 7;

// The platform's table: a loopback adapter (left out of the list), eth0,
// and a second card, whose counters move with each successful read.
int s_nReads = 0;
int s_nGoodReads = 0;
int s_nQueries = 0;

void Describe(MIB_IFROW& row, DWORD index, const char* description)
{
    std::memset(&row, 0, sizeof row);
    row.dwIndex = index;
    std::strncpy(reinterpret_cast<char*>(row.bDescr), description, sizeof row.bDescr - 1);
    row.dwDescrLen = static_cast<DWORD>(std::strlen(description));
    row.dwSpeed = 1000000000;
}

constexpr ULONG kTableSize = offsetof(MIB_IFTABLE, table) + 3 * sizeof(MIB_IFROW);

DWORD WINAPI CountingGetIfTable(PMIB_IFTABLE table, PULONG size, BOOL)
{
    if (table == nullptr || *size < kTableSize) {
        *size = kTableSize;
        return ERROR_INSUFFICIENT_BUFFER;
    }
    if (++s_nReads % kFailEvery == 0)
        return ERROR_NOT_SUPPORTED;
    const std::uint32_t good = static_cast<std::uint32_t>(s_nGoodReads++);
    table->dwNumEntries = 3;
    Describe(table->table[0], 1, "Software Loopback Interface 1");
    Describe(table->table[1], 2, "eth0");
    Describe(table->table[2], 3, "eth1");
    table->table[1].dwInOctets = kInStart + good * kInStep;
    table->table[1].dwOutOctets = kOutStart + good * kOutStep;
    table->table[2].dwInOctets = good;
    return NO_ERROR;
}

BOOL WINAPI ChangingConnectedState(LPDWORD flags, DWORD)
{
    if (++s_nQueries % kOfflineEvery == 0) {
        *flags = INTERNET_CONNECTION_OFFLINE;
        return FALSE;
    }
    *flags = s_nQueries % 2 == 0 ? INTERNET_CONNECTION_LAN : INTERNET_CONNECTION_LAN | INTERNET_CONNECTION_PROXY;
    return TRUE;
}

std::size_t CommittedBytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    return ::K32GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters) ? counters.PagefileUsage
                                                                                          : 0;
}

class StatisticsSoakTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s_nReads = s_nGoodReads = s_nQueries = 0;
        g_pfnGetIfTable = CountingGetIfTable;
        g_pfnGetIfEntry2 = nullptr;
        g_pfnInternetGetConnectedState = ChangingConnectedState;
    }
    void TearDown() override
    {
        g_pfnGetIfTable = m_platformTable;
        g_pfnGetIfEntry2 = m_platformEntry;
        g_pfnInternetGetConnectedState = m_platformState;
    }

private:
    PFN_GETIFTABLE m_platformTable = g_pfnGetIfTable;
    PFN_GETIFENTRY2 m_platformEntry = g_pfnGetIfEntry2;
    PFN_INTERNETGETCONNECTEDSTATE m_platformState = g_pfnInternetGetConnectedState;
};

} // namespace

TEST_F(StatisticsSoakTest, AHundredThousandTicksShowEveryReadAndKeepMemoryFlat)
{
    // The interface box as the window fills it; position 0 is eth0.
    CIfTable table;
    ASSERT_TRUE(table.Load());
    CInterfacePositions positions;
    for (DWORD row = 0; row < table.RowCount(); ++row) {
        const MIB_IFROW& interfaceRow = *table.Row(static_cast<int>(row));
        if (IsListedInterface(InterfaceLabel(interfaceRow)))
            positions.Add(interfaceRow.dwIndex);
    }
    ASSERT_EQ(positions.Count(), 2);

    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    std::string duration;
    std::string status;
    std::string type;
    std::size_t committedAfterWarmUp = 0;
    int wrongCounters = 0;
    int wrongTexts = 0;
    for (int tick = 1; tick <= kTicks; ++tick) {
        AdvanceClock(hours, minutes, seconds);
        duration = FormatClock(hours, minutes, seconds);
        const ByteCounterTexts counters = ReadCountersAt(table, positions, 0);
        UpdateConnectionTexts(status, type);

        // The counters of the last read that succeeded (the one at Load
        // was the first).
        const std::uint32_t good = static_cast<std::uint32_t>(s_nGoodReads - 1);
        if (counters.received != ByteCounterText(kInStart + good * kInStep)
            || counters.sent != ByteCounterText(kOutStart + good * kOutStep))
            ++wrongCounters;
        const bool offline = tick % kOfflineEvery == 0;
        const char* expectedType = tick % 2 == 0 ? " LAN " : " LAN  Proxy ";
        if (offline)
            expectedType = (tick - 1) % 2 == 0 ? " LAN " : " LAN  Proxy ";
        if (status != (offline ? "N/A" : " Connected") || type != expectedType)
            ++wrongTexts;
        if (tick == 1000)
            committedAfterWarmUp = CommittedBytes();
    }

    EXPECT_EQ(wrongCounters, 0);
    EXPECT_EQ(wrongTexts, 0);
    EXPECT_EQ(duration, " 27 hrs : 46 mins : 40 secs");
    EXPECT_EQ(s_nReads, kTicks + 1);
    EXPECT_EQ(s_nGoodReads, kTicks + 1 - kTicks / kFailEvery);
    const std::size_t committed = CommittedBytes();
    ASSERT_NE(committedAfterWarmUp, 0u);
    EXPECT_LE(committed, committedAfterWarmUp + (256u << 10))
        << "committed memory grew from " << committedAfterWarmUp << " to " << committed << " bytes";
}
