// The floor of the raw drain benchmark: the plainest receive loop on a raw
// socket made and bound as an acceleration session makes and binds its own
// (IPv4, protocol 0, overlapped, bound to the address the command line names,
// receive-all asked for), receiving into a buffer of the worker's size and
// discarding, until a receive fails or the benchmark ends the program. Exit
// code 1 when the socket cannot be made or bound.
#include "accel/AccelWorker.h"
#include <winsock2.h>
#include <mstcpip.h>

int main(int argc, char** argv)
{
    WSADATA data;
    if (argc != 2 || ::WSAStartup(0x0101, &data) != 0)
        return 1;
    const SOCKET socket = ::WSASocketA(AF_INET, SOCK_RAW, IPPROTO_IP, nullptr, 0, WSA_FLAG_OVERLAPPED);
    if (socket == INVALID_SOCKET)
        return 1;
    sockaddr_in local = {};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = ::inet_addr(argv[1]);
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) == SOCKET_ERROR)
        return 1;
    DWORD on = RCVALL_ON;
    DWORD out = 0;
    DWORD returned = 0;
    ::WSAIoctl(socket, SIO_RCVALL, &on, sizeof on, &out, sizeof out, &returned, nullptr, nullptr);
    char buffer[kReceiveBufferSize];
    sockaddr_in from;
    int fromLength = sizeof from;
    for (;;) {
        if (::recvfrom(socket, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromLength)
                == SOCKET_ERROR
            && ::WSAGetLastError() != WSAEMSGSIZE)
            return 0;
    }
}
