#pragma once
#include <winsock2.h>
#include <atomic>
#include <cstdint>
#include <memory>

// One run of acceleration, from a start to its stop. It owns the socket that
// its start opened: only its own worker receives from that socket, and the
// worker closes it once, when it ends. The user-interface thread and the
// worker share the object, so it lives as long as either holds it.
class CAccelSession {
public:
    explicit CAccelSession(SOCKET socket) : m_hSocket(socket) {}
    CAccelSession(const CAccelSession&) = delete;
    CAccelSession& operator=(const CAccelSession&) = delete;

    SOCKET Socket() const { return m_hSocket; }

    // A stop closes nothing and wakes nobody: the worker notices it when its
    // current receive returns.
    void Stop() { m_bStopped.store(true, std::memory_order_release); }
    bool IsStopped() const { return m_bStopped.load(std::memory_order_acquire); }

    // Set once the worker can no longer receive (a receive failed, or it
    // never started): the session then shows as stopped at its next tick.
    void MarkEnded() { m_bEnded.store(true, std::memory_order_release); }
    bool HasEnded() const { return m_bEnded.load(std::memory_order_acquire); }

    // Datagrams taken off the socket, oversized ones included. Written by the
    // worker alone.
    std::uint64_t Received() const { return m_nReceived.load(std::memory_order_relaxed); }
    void CountReceived() { m_nReceived.store(m_nReceived.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed); }

    // Closes the session's socket. Called once, by whoever drains it last:
    // its worker, or the start when no worker could run.
    void CloseSocket();

private:
    const SOCKET m_hSocket;
    std::atomic<bool> m_bStopped{ false };
    std::atomic<bool> m_bEnded{ false };
    std::atomic<std::uint64_t> m_nReceived{ 0 };
};

using SessionPtr = std::shared_ptr<CAccelSession>;
