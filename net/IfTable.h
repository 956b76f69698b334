#pragma once
#include "net/InterfacePositions.h"
#include "net/IpHelper.h"
#include <memory>
#include <string>

// The IP Helper entry points, resolved at run time. A test points
// g_pfnGetIfTable at a table of its own making. GetIfEntry2 gives an
// interface's 64-bit byte counters; the table's rows hold only their low 32
// bits, which wrap after 4 GiB. Windows XP lacks it: there it stays null and
// the table's counters are shown.
using PFN_GETIFTABLE = DWORD(WINAPI*)(PMIB_IFTABLE table, PULONG size, BOOL order);
using PFN_GETNUMBEROFINTERFACES = DWORD(WINAPI*)(PDWORD count);
using PFN_GETIFENTRY2 = DWORD(WINAPI*)(PMIB_IF_ROW2 row);
extern PFN_GETIFTABLE g_pfnGetIfTable;
extern PFN_GETNUMBEROFINTERFACES g_pfnGetNumberOfInterfaces;
extern PFN_GETIFENTRY2 g_pfnGetIfEntry2;

constexpr const char* kIpHelperLibrary = "Iphlpapi.dll";

// Looks each entry point up in the system folder's IP Helper library, never
// in a copy elsewhere; the library is never released.
bool ResolveIpHelperEntries();
// Looks each entry point up in library (null: none is found). False when
// GetIfTable or GetNumberOfInterfaces cannot be found; the pointers are then
// whatever the lookups gave, null for a missing one. A missing GetIfEntry2
// leaves only its own pointer null.
bool ResolveIpHelperEntries(HMODULE library);

// The interface table, read through g_pfnGetIfTable in ascending order of
// interface index.
//
// Every read passes the buffer's own capacity: the platform rewrites the
// size argument with the size it would need. A table that has grown since
// (an adapter that appeared: a VPN, a virtual switch) gets a larger buffer
// of the size asked and is read again, a few times at most. A read that
// fails leaves the rows of the last good read in place: reads land in a
// second buffer of the same size, which takes over only on success.
class CIfTable {
public:
    // Asks for the size, allocates it and reads the table. False, with no
    // rows, when the size query does not answer ERROR_INSUFFICIENT_BUFFER.
    bool Load();
    // Reads the table again; nothing happens before a successful Load.
    void Refresh();

    // The rows the last good read gave that lie wholly inside the buffer.
    DWORD RowCount() const;
    // Null for a row outside the table (a negative one included).
    const MIB_IFROW* Row(int row) const;
    // The row of the interface with that index; null when the last good
    // read had none.
    const MIB_IFROW* FindInterface(DWORD interfaceIndex) const;

private:
    const MIB_IFTABLE* Table() const { return reinterpret_cast<const MIB_IFTABLE*>(m_pRows.get()); }
    // Both buffers at the new size, the last good rows kept; false, with
    // nothing changed, when the memory is not there.
    bool Grow(ULONG size);

    std::unique_ptr<unsigned char[]> m_pRows;
    std::unique_ptr<unsigned char[]> m_pSpare;
    DWORD m_dwCapacity = 0;
};

// The interface box's label of a row.
std::string InterfaceLabel(const MIB_IFROW& row);

// Bytes Sent and Bytes Received of the interface at a position of the
// interface box; both empty when the position names no listed interface or
// that interface is not there (gone, for now).
struct ByteCounterTexts {
    std::string sent;
    std::string received;
};
// The table's 32-bit counters, as the last read left them.
ByteCounterTexts CountersAt(const CIfTable& table, const CInterfacePositions& positions, int position);
// The counters as they are now: asked of GetIfEntry2 for that one interface,
// or, without it, from the table read again.
ByteCounterTexts ReadCountersAt(CIfTable& table, const CInterfacePositions& positions, int position);
