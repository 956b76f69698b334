#pragma once
#include "accel/AccelSession.h"

// True while a session runs. Written by the user-interface thread only;
// each worker watches its own session instead, so that a worker still
// blocked in a receive of an earlier session is not kept alive by a newer one.
extern std::atomic<bool> g_bAccelerating;

// Starts a session that owns socket, a socket that was created and bound,
// and its worker thread. Returns the session. A worker that cannot be started
// leaves the session ended at once, its socket closed.
SessionPtr BeginSession(SOCKET socket);

// Stops the running session. Nothing is closed or waited for here: its
// worker closes its socket when its current receive returns.
void EndSession();

// True while a session runs and its worker can still receive: false once
// a receive has failed, and while no session runs.
bool SessionReceiving();
