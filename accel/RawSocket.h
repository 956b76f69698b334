#pragma once
#include <winsock2.h>

// A socket a start got, or INVALID_SOCKET and the platform's error code that
// refused it.
struct OpenedSocket {
    SOCKET socket = INVALID_SOCKET;
    int error = 0;
};

// Opens a raw IPv4 socket, binds it to the chosen entry of the local address
// table and switches it into receive-all mode. Needs administrator rights:
// without them the socket is refused with WSAEACCES.
OpenedSocket OpenRawSocket();

// Binds socket to address (port 0) and asks for receive-all mode, whose
// failure is ignored: the socket still receives what is addressed to it. A
// failed bind closes the socket and yields its error, except WSAEINPROGRESS,
// which counts as bound. A null address (an empty address table) has nothing
// to bind to: the socket is closed, and the error is WSAEADDRNOTAVAIL.
OpenedSocket BindReceiveAll(SOCKET socket, const char* address);
