#pragma once
#include <winsock2.h>

// The two socket calls a test swaps: bind, to make it fail with a chosen
// code, and closesocket, to count the closes of each socket.
using PFN_BIND = int(WSAAPI*)(SOCKET socket, const sockaddr* address, int length);
using PFN_CLOSESOCKET = int(WSAAPI*)(SOCKET socket);
extern PFN_BIND g_pfnBind;
extern PFN_CLOSESOCKET g_pfnCloseSocket;
