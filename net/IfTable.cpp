#include "net/IfTable.h"
#include "framework/SystemLibraries.h"
#include "net/InterfaceLabel.h"
#include "net/StatisticsText.h"
#include <cstddef>
#include <cstring>
#include <new>
#include <utility>

PFN_GETIFTABLE g_pfnGetIfTable = nullptr;
PFN_GETNUMBEROFINTERFACES g_pfnGetNumberOfInterfaces = nullptr;
PFN_GETIFENTRY2 g_pfnGetIfEntry2 = nullptr;

namespace {

// Reads of one refresh that find the table grown again before giving up
// until the next: each adapter that appears in between costs one.
constexpr int kReadAttempts = 4;

template <typename Function>
Function LookUp(HMODULE library, const char* name)
{
    if (library == nullptr)
        return nullptr;
    // GetProcAddress hands every entry point out under one generic type.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

} // namespace

bool ResolveIpHelperEntries()
{
    return ResolveIpHelperEntries(LoadSystemLibrary(kIpHelperLibrary));
}

bool ResolveIpHelperEntries(HMODULE library)
{
    g_pfnGetIfTable = LookUp<PFN_GETIFTABLE>(library, "GetIfTable");
    g_pfnGetNumberOfInterfaces = LookUp<PFN_GETNUMBEROFINTERFACES>(library, "GetNumberOfInterfaces");
    g_pfnGetIfEntry2 = LookUp<PFN_GETIFENTRY2>(library, "GetIfEntry2");
    return g_pfnGetIfTable != nullptr && g_pfnGetNumberOfInterfaces != nullptr;
}

bool CIfTable::Load()
{
    ULONG size = 0;
    if (g_pfnGetIfTable(nullptr, &size, TRUE) != ERROR_INSUFFICIENT_BUFFER || !Grow(size))
        return false;
    Refresh();
    return true;
}

void CIfTable::Refresh()
{
    if (m_pRows == nullptr)
        return;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        ULONG size = m_dwCapacity;
        const DWORD result = g_pfnGetIfTable(reinterpret_cast<PMIB_IFTABLE>(m_pSpare.get()), &size, TRUE);
        if (result == NO_ERROR) {
            std::swap(m_pRows, m_pSpare);
            return;
        }
        if (result != ERROR_INSUFFICIENT_BUFFER || size <= m_dwCapacity || !Grow(size))
            return;
    }
}

bool CIfTable::Grow(ULONG size)
{
    // Zero-filled: until a read succeeds, the new part holds no rows.
    std::unique_ptr<unsigned char[]> rows(new (std::nothrow) unsigned char[size]());
    std::unique_ptr<unsigned char[]> spare(new (std::nothrow) unsigned char[size]());
    if (rows == nullptr || spare == nullptr)
        return false;
    if (m_pRows != nullptr)
        std::memcpy(rows.get(), m_pRows.get(), m_dwCapacity);
    m_pRows = std::move(rows);
    m_pSpare = std::move(spare);
    m_dwCapacity = size;
    return true;
}

DWORD CIfTable::RowCount() const
{
    constexpr std::size_t kRowsStart = offsetof(MIB_IFTABLE, table);
    if (m_dwCapacity < kRowsStart)
        return 0;
    const std::size_t fitting = (m_dwCapacity - kRowsStart) / sizeof(MIB_IFROW);
    const DWORD reported = Table()->dwNumEntries;
    return reported < fitting ? reported : static_cast<DWORD>(fitting);
}

const MIB_IFROW* CIfTable::Row(int row) const
{
    if (row < 0 || static_cast<DWORD>(row) >= RowCount())
        return nullptr;
    return &Table()->table[row];
}

const MIB_IFROW* CIfTable::FindInterface(DWORD interfaceIndex) const
{
    for (DWORD row = 0; row < RowCount(); ++row) {
        if (Table()->table[row].dwIndex == interfaceIndex)
            return &Table()->table[row];
    }
    return nullptr;
}

std::string InterfaceLabel(const MIB_IFROW& row)
{
    return InterfaceLabel(reinterpret_cast<const char*>(row.bDescr), sizeof row.bDescr, row.dwSpeed);
}

ByteCounterTexts CountersAt(const CIfTable& table, const CInterfacePositions& positions, int position)
{
    const std::optional<std::uint32_t> index = positions.IndexAt(position);
    const MIB_IFROW* row = index ? table.FindInterface(*index) : nullptr;
    if (row == nullptr)
        return {};
    return {ByteCounterText(row->dwOutOctets), ByteCounterText(row->dwInOctets)};
}

ByteCounterTexts ReadCountersAt(CIfTable& table, const CInterfacePositions& positions, int position)
{
    const std::optional<std::uint32_t> index = positions.IndexAt(position);
    if (!index)
        return {};
    if (g_pfnGetIfEntry2 == nullptr) {
        table.Refresh();
        return CountersAt(table, positions, position);
    }
    // The interface is named by its index alone: a zero LUID tells the
    // platform to look the index up.
    MIB_IF_ROW2 row{};
    row.InterfaceIndex = *index;
    if (g_pfnGetIfEntry2(&row) != NO_ERROR)
        return {};
    return {ByteCounterText(row.OutOctets), ByteCounterText(row.InOctets)};
}
