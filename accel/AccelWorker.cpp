#include "accel/AccelWorker.h"

namespace {

SessionPtr TakeSession(LPVOID param)
{
    std::unique_ptr<SessionPtr> carried(static_cast<SessionPtr*>(param));
    return std::move(*carried);
}

} // namespace

UINT AccelerateThreadProc(LPVOID param)
{
    const SessionPtr session = TakeSession(param);
    char buffer[kReceiveBufferSize];
    sockaddr_in from;
    int fromLength = sizeof from;
    while (!session->IsStopped()) {
        const int got = ::recvfrom(session->Socket(), buffer, sizeof buffer, 0,
                                   reinterpret_cast<sockaddr*>(&from), &fromLength);
        // A datagram longer than the buffer is reported as a failure, yet it
        // has been taken off the queue like any other: draining goes on.
        if (got == SOCKET_ERROR && ::WSAGetLastError() != WSAEMSGSIZE) {
            // Nothing will ever receive from this socket again.
            session->CloseSocket();
            session->MarkEnded();
            return 1;
        }
        session->CountReceived();
    }
    session->CloseSocket();
    return 0;
}
