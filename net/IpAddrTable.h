#pragma once
#include "net/IpHelper.h"

// The address-table query, swappable so that a test can make it fail or
// answer with a table of its own making.
using PFN_GETIPADDRTABLE = DWORD(WINAPI*)(PMIB_IPADDRTABLE table, PULONG size, BOOL order);
extern PFN_GETIPADDRTABLE g_pfnGetIpAddrTable;

// Bytes of query buffer per wanted address: the table's 4-byte row count
// spread over the entries leaves room for more 24-byte rows than wanted.
constexpr unsigned kAddrTableBytesPerEntry = 28;
