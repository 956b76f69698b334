#include "accel/RawSocket.h"
#include "accel/BindAddress.h"
#include "accel/SocketCalls.h"
#include <mstcpip.h>

PFN_BIND g_pfnBind = &::bind;
PFN_CLOSESOCKET g_pfnCloseSocket = &::closesocket;

OpenedSocket OpenRawSocket()
{
    const SOCKET socket = ::WSASocketA(AF_INET, SOCK_RAW, IPPROTO_IP, nullptr, 0, WSA_FLAG_OVERLAPPED);
    if (socket == INVALID_SOCKET)
        return { INVALID_SOCKET, ::WSAGetLastError() };
    return BindReceiveAll(socket, ChooseBindAddress(g_LocalAddrs, g_nLocalAddrs));
}

OpenedSocket BindReceiveAll(SOCKET socket, const char* address)
{
    if (address == nullptr) {
        g_pfnCloseSocket(socket);
        return { INVALID_SOCKET, WSAEADDRNOTAVAIL };
    }
    sockaddr_in local = {};
    local.sin_family = AF_INET;
    local.sin_port = 0;
    local.sin_addr.s_addr = ::inet_addr(address);
    if (g_pfnBind(socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) == SOCKET_ERROR) {
        // Taken before the close, which may set an error of its own.
        const int error = ::WSAGetLastError();
        if (error != WSAEINPROGRESS) {
            g_pfnCloseSocket(socket);
            return { INVALID_SOCKET, error };
        }
    }
    // Where receive-all mode is unavailable (Wine answers WSAEOPNOTSUPP) the
    // socket delivers only what is addressed to it.
    DWORD on = RCVALL_ON;
    DWORD out = 0;
    DWORD returned = 0;
    ::WSAIoctl(socket, SIO_RCVALL, &on, sizeof on, &out, sizeof out, &returned, nullptr, nullptr);
    return { socket, 0 };
}
