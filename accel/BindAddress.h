#pragma once
#include "net/LocalAddresses.h"

// The local address a session binds to: the first entry whose text is
// neither "127.0.0.1" nor "0.0.0.0", else entry 0. Any other loopback address
// counts as usable. An empty table yields nullptr: there is nothing to bind.
const char* ChooseBindAddress(const char (*table)[kLocalAddrSize], int count);
