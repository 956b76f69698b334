#include "net/InterfacePositions.h"

bool CInterfacePositions::Add(std::uint32_t interfaceIndex)
{
    if (m_nCount == kMaxInterfacePositions)
        return false;
    m_aIndexes[m_nCount++] = interfaceIndex;
    return true;
}

std::optional<std::uint32_t> CInterfacePositions::IndexAt(int position) const
{
    if (position < 0 || position >= m_nCount)
        return std::nullopt;
    return m_aIndexes[position];
}
