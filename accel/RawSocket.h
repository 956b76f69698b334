#pragma once
#include <winsock2.h>

// Opens a raw IPv4 socket, binds it to the chosen entry of the local address
// table and switches it into receive-all mode; INVALID_SOCKET when any of it
// fails. Needs administrator rights: without them the socket is refused.
SOCKET OpenRawSocket();

// Binds socket to address (port 0) and asks for receive-all mode, whose
// failure is ignored. A failed bind closes the socket and yields
// INVALID_SOCKET, except WSAEINPROGRESS, which counts as bound. A null
// address (an empty address table) has nothing to bind to: the socket is
// closed and INVALID_SOCKET returned.
SOCKET BindReceiveAll(SOCKET socket, const char* address);
