#pragma once
#include <cstdint>
#include <optional>

// How many entries the interface box can map to interfaces; interfaces that
// pass the filters beyond these are not listed.
constexpr int kMaxInterfacePositions = 256;

// Which interface each position of the interface box stands for, by the
// platform's interface index: rows of the table move when an adapter comes
// or goes, an interface keeps its index. Filled once while the box is
// filled, in the same order.
class CInterfacePositions {
public:
    // Gives the next position to the interface; false when every position is taken.
    bool Add(std::uint32_t interfaceIndex);
    int Count() const { return m_nCount; }
    // None when position names no listed interface (negative, past the list,
    // or the list is empty).
    std::optional<std::uint32_t> IndexAt(int position) const;

private:
    std::uint32_t m_aIndexes[kMaxInterfacePositions] = {};
    int m_nCount = 0;
};
