#include "accel/RawSocket.h"
#include "LoopbackSockets.h"

namespace {

sockaddr_in s_boundTo;

int WSAAPI BindInProgress(SOCKET, const sockaddr* address, int)
{
    s_boundTo = *reinterpret_cast<const sockaddr_in*>(address);
    ::WSASetLastError(WSAEINPROGRESS);
    return SOCKET_ERROR;
}

class RawSocketTest : public WinsockTest {
protected:
    void TearDown() override { g_pfnBind = &::bind; }
    CloseRecorder m_closes;
};

} // namespace

TEST_F(RawSocketTest, BindsToTheChosenAddress)
{
    SOCKET socket = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    // Receive-all mode is refused here; the socket is kept all the same.
    ASSERT_EQ(BindReceiveAll(socket, "127.0.0.1").socket, socket);
    sockaddr_in bound;
    int length = sizeof bound;
    ASSERT_EQ(::getsockname(socket, reinterpret_cast<sockaddr*>(&bound), &length), 0);
    EXPECT_EQ(bound.sin_addr.s_addr, ::inet_addr("127.0.0.1"));
    EXPECT_EQ(CloseRecorder::Total(), 0);
    ::closesocket(socket);
}

TEST_F(RawSocketTest, FailedBindClosesTheSocketOnceAndGivesItsError)
{
    // Binding a second time fails with WSAEINVAL.
    SOCKET socket = BoundUdpSocket();
    const OpenedSocket opened = BindReceiveAll(socket, "127.0.0.1");
    EXPECT_EQ(opened.socket, INVALID_SOCKET);
    EXPECT_EQ(opened.error, WSAEINVAL);
    EXPECT_EQ(CloseRecorder::Count(socket), 1);
    EXPECT_EQ(CloseRecorder::Total(), 1);
}

TEST_F(RawSocketTest, BindInProgressCountsAsBound)
{
    g_pfnBind = &BindInProgress;
    SOCKET socket = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    EXPECT_EQ(BindReceiveAll(socket, "192.168.1.5").socket, socket);
    EXPECT_EQ(s_boundTo.sin_family, AF_INET);
    EXPECT_EQ(s_boundTo.sin_port, 0);
    EXPECT_EQ(s_boundTo.sin_addr.s_addr, ::inet_addr("192.168.1.5"));
    EXPECT_EQ(CloseRecorder::Total(), 0);
    ::closesocket(socket);
}

TEST_F(RawSocketTest, EmptyAddressTableLeavesNoUsableSocket)
{
    SOCKET socket = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    const OpenedSocket opened = BindReceiveAll(socket, nullptr);
    EXPECT_EQ(opened.socket, INVALID_SOCKET);
    EXPECT_EQ(opened.error, WSAEADDRNOTAVAIL);
    EXPECT_EQ(CloseRecorder::Count(socket), 1);
}
