#pragma once

// How many entries the interface box can map to table rows; interfaces that
// pass the filters beyond these are not listed.
constexpr int kMaxInterfacePositions = 256;

// Which row of the interface table each position of the interface box stands
// for. Filled once while the box is filled, in the same order.
class CInterfacePositions {
public:
    // Gives the next position to row; false when every position is taken.
    bool Add(int row);
    int Count() const { return m_nCount; }
    // -1 when position names no listed interface (negative, past the list,
    // or the list is empty).
    int RowAt(int position) const;

private:
    int m_aRows[kMaxInterfacePositions] = {};
    int m_nCount = 0;
};
