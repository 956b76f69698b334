#include "net/LocalAddresses.h"
#include "net/IpAddrTable.h"
#include <cstring>
#include <memory>
#include <new>

char g_LocalAddrs[kMaxLocalAddrs][kLocalAddrSize] = {};
int g_nLocalAddrs = 0;
PFN_GETIPADDRTABLE g_pfnGetIpAddrTable = &::GetIpAddrTable;

namespace {

void CopyAddressText(char (&entry)[kLocalAddrSize], DWORD address)
{
    in_addr in;
    in.s_addr = address;
    // inet_ntoa answers from a buffer of its own that the next call reuses.
    const char* text = ::inet_ntoa(in);
    std::memset(entry, 0, sizeof entry);
    if (text != nullptr)
        std::strncpy(entry, text, sizeof entry - 1);
}

} // namespace

int GetLocalAddresses(char (*table)[kLocalAddrSize], int max)
{
    if (max <= 0)
        return 0;
    // Whole DWORDs keep the table's rows aligned.
    const ULONG words = static_cast<ULONG>(max) * (kAddrTableBytesPerEntry / sizeof(DWORD));
    std::unique_ptr<DWORD[]> buffer(new (std::nothrow) DWORD[words]);
    int count = 0;
    if (buffer) {
        auto* rows = reinterpret_cast<MIB_IPADDRTABLE*>(buffer.get());
        ULONG size = words * sizeof(DWORD);
        // Unsorted: the platform's own order, which need not put loopback first.
        // The buffer is undefined after a failed query, so only a success is read.
        if (g_pfnGetIpAddrTable(rows, &size, FALSE) == NO_ERROR)
            count = rows->dwNumEntries < static_cast<DWORD>(max) ? static_cast<int>(rows->dwNumEntries) : max;
        for (int i = 0; i < count; ++i)
            CopyAddressText(table[i], rows->table[i].dwAddr);
    }
    for (int i = count; i < max; ++i)
        std::memset(table[i], 0, sizeof table[i]);
    return count;
}
