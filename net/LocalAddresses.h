#pragma once

// The machine's IPv4 addresses as dotted-quad text, read once while the main
// window opens and never refreshed. Each entry holds up to 15 characters and
// its terminating zero; entries beyond the count are empty text.
constexpr int kLocalAddrSize = 16;
constexpr int kMaxLocalAddrs = 100;

extern char g_LocalAddrs[kMaxLocalAddrs][kLocalAddrSize];
extern int g_nLocalAddrs;

// Fills table with up to max addresses in the platform's own order and
// returns how many it filled; the rest of the max entries become empty text.
// A failed query leaves the table empty.
int GetLocalAddresses(char (*table)[kLocalAddrSize], int max);
