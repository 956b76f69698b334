#include "accel/Acceleration.h"
#include "accel/AccelWorker.h"
#include "framework/WinThread.h"

std::atomic<bool> g_bAccelerating{ false };

namespace {

// The running session, empty while stopped. The user-interface thread's hold
// on it; its worker holds it too, so it outlives whichever lets go first,
// even at program exit.
SessionPtr s_current;

} // namespace

SessionPtr BeginSession(SOCKET socket)
{
    g_bAccelerating.store(true);
    s_current = std::make_shared<CAccelSession>(socket);
    auto* carried = new SessionPtr(s_current);
    if (!AfxBeginThread(&AccelerateThreadProc, carried)) {
        // No worker will ever drain or close this socket.
        delete carried;
        s_current->CloseSocket();
        s_current->MarkEnded();
    }
    return s_current;
}

void EndSession()
{
    g_bAccelerating.store(false);
    if (s_current) {
        s_current->Stop();
        s_current.reset();
    }
}

bool SessionReceiving()
{
    return s_current && !s_current->HasEnded();
}
