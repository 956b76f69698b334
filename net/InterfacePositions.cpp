#include "net/InterfacePositions.h"

bool CInterfacePositions::Add(int row)
{
    if (m_nCount == kMaxInterfacePositions)
        return false;
    m_aRows[m_nCount++] = row;
    return true;
}

int CInterfacePositions::RowAt(int position) const
{
    if (position < 0 || position >= m_nCount)
        return -1;
    return m_aRows[position];
}
