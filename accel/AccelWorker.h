#pragma once
#include "accel/AccelSession.h"

// The receive buffer of a worker, on its own stack and reused for every
// datagram: nothing is allocated per datagram.
constexpr int kReceiveBufferSize = 1600;

// The worker of one session: receives every datagram its session's socket
// delivers and discards it. param is a heap-allocated SessionPtr that the
// worker takes over. Ends with 0 when, woken by a datagram, it finds its
// session stopped, and with 1 when a receive fails, marking its session
// ended; either way it closes its session's socket first. It touches nothing
// but its session and its stack.
UINT AccelerateThreadProc(LPVOID param);
