#include "net/IfTable.h"
#include "net/InterfaceLabel.h"
#include "net/StatisticsText.h"
#include <cstddef>
#include <utility>

PFN_GETIFTABLE g_pfnGetIfTable = nullptr;
PFN_GETNUMBEROFINTERFACES g_pfnGetNumberOfInterfaces = nullptr;

namespace {

template <typename Function>
Function LookUp(const char* library, const char* name)
{
    HMODULE module = ::LoadLibraryA(library);
    if (module == nullptr)
        return nullptr;
    // GetProcAddress hands every entry point out under one generic type.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

} // namespace

bool ResolveIpHelperEntries(const char* library)
{
    g_pfnGetIfTable = LookUp<PFN_GETIFTABLE>(library, "GetIfTable");
    g_pfnGetNumberOfInterfaces = LookUp<PFN_GETNUMBEROFINTERFACES>(library, "GetNumberOfInterfaces");
    return g_pfnGetIfTable != nullptr && g_pfnGetNumberOfInterfaces != nullptr;
}

bool CIfTable::Load()
{
    ULONG size = 0;
    if (g_pfnGetIfTable(nullptr, &size, TRUE) != ERROR_INSUFFICIENT_BUFFER)
        return false;
    // Zero-filled: should the first read fail, the table has no rows.
    m_pRows = std::make_unique<unsigned char[]>(size);
    m_pSpare = std::make_unique<unsigned char[]>(size);
    m_dwCapacity = size;
    Refresh();
    return true;
}

void CIfTable::Refresh()
{
    if (m_pRows == nullptr)
        return;
    ULONG size = m_dwCapacity;
    if (g_pfnGetIfTable(reinterpret_cast<PMIB_IFTABLE>(m_pSpare.get()), &size, TRUE) == NO_ERROR)
        std::swap(m_pRows, m_pSpare);
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

std::string InterfaceLabel(const MIB_IFROW& row)
{
    return InterfaceLabel(reinterpret_cast<const char*>(row.bDescr), sizeof row.bDescr, row.dwSpeed);
}

ByteCounterTexts CountersAt(const CIfTable& table, const CInterfacePositions& positions, int position)
{
    const MIB_IFROW* row = table.Row(positions.RowAt(position));
    if (row == nullptr)
        return {};
    return {ByteCounterText(row->dwOutOctets), ByteCounterText(row->dwInOctets)};
}
