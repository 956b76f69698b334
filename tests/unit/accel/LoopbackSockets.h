#pragma once
// Real loopback UDP sockets standing in for the raw socket, which Wine
// refuses, and a closesocket that records every close before making it.
#include "accel/SocketCalls.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

class CloseRecorder {
public:
    CloseRecorder() { g_pfnCloseSocket = &Record; Closed().clear(); }
    ~CloseRecorder() { g_pfnCloseSocket = &::closesocket; }

    static int Count(SOCKET socket)
    {
        std::lock_guard<std::mutex> lock(Lock());
        return static_cast<int>(std::count(Closed().begin(), Closed().end(), socket));
    }
    static int Total()
    {
        std::lock_guard<std::mutex> lock(Lock());
        return static_cast<int>(Closed().size());
    }

private:
    static int WSAAPI Record(SOCKET socket)
    {
        {
            std::lock_guard<std::mutex> lock(Lock());
            Closed().push_back(socket);
        }
        return ::closesocket(socket);
    }
    static std::mutex& Lock() { static std::mutex lock; return lock; }
    static std::vector<SOCKET>& Closed() { static std::vector<SOCKET> closed; return closed; }
};

inline sockaddr_in LoopbackAddress()
{
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = ::inet_addr("127.0.0.1");
    return address;
}

// A UDP socket bound to 127.0.0.1 on a port of the platform's choice.
inline SOCKET BoundUdpSocket()
{
    SOCKET socket = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in address = LoopbackAddress();
    ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    return socket;
}

// Sends datagrams of the given size to a bound socket.
class DatagramSender {
public:
    DatagramSender() : m_hSocket(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP)) {}
    ~DatagramSender() { ::closesocket(m_hSocket); }
    DatagramSender(const DatagramSender&) = delete;
    DatagramSender& operator=(const DatagramSender&) = delete;

    bool Send(SOCKET target, int bytes, int count = 1)
    {
        sockaddr_in address;
        int length = sizeof address;
        if (::getsockname(target, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return false;
        m_payload.resize(static_cast<size_t>(bytes));
        for (int i = 0; i < count; ++i) {
            if (::sendto(m_hSocket, m_payload.data(), bytes, 0, reinterpret_cast<const sockaddr*>(&address),
                         length) != bytes)
                return false;
        }
        return true;
    }

private:
    SOCKET m_hSocket;
    std::vector<char> m_payload;
};

// Polls until condition holds or five seconds have passed.
template <typename Condition>
bool WaitFor(Condition condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Winsock is up from construction to destruction, so that fixture members
// may open sockets.
class WinsockTest : public ::testing::Test {
protected:
    WinsockTest()
    {
        WSADATA data;
        m_bStarted = ::WSAStartup(0x0101, &data) == 0;
    }
    ~WinsockTest() override { ::WSACleanup(); }
    void SetUp() override { ASSERT_TRUE(m_bStarted); }

private:
    bool m_bStarted = false;
};
