#pragma once
#include <winsock2.h>

// The socket of the most recent start, INVALID_SOCKET when that start got
// none. Used on the user-interface thread only: each worker receives from
// and closes the socket its own session was given.
extern SOCKET g_hRawSocket;

// Opens a raw IPv4 socket, binds it to the chosen entry of the local address
// table and switches it into receive-all mode; leaves it in g_hRawSocket.
// Needs administrator rights: without them the socket is refused.
void OpenRawSocket();

// Binds socket to address (port 0) and asks for receive-all mode, whose
// failure is ignored. A failed bind closes the socket and yields
// INVALID_SOCKET, except WSAEINPROGRESS, which counts as bound; so does a
// null address (an empty address table).
SOCKET BindReceiveAll(SOCKET socket, const char* address);
