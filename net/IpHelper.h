#pragma once
// The IP Helper declarations, in the one order that declares them all:
// iphlpapi.h declares the interface calls of Vista and later (GetIfEntry2
// and its MIB_IF_ROW2) only when ws2ipdef.h came before it.
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
