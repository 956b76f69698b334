#include "tests/ui/driver/RawSockets.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/Program.h"
#include "tests/ui/driver/Resources.h"
#include <winsock2.h>
#include <iphlpapi.h>
#include <cstdio>
#include <sstream>

namespace driver {

namespace {

// Winsock for the calls of one function.
class Winsock {
public:
    Winsock()
    {
        WSADATA data;
        m_bStarted = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~Winsock()
    {
        if (m_bStarted)
            ::WSACleanup();
    }
    Winsock(const Winsock&) = delete;
    Winsock& operator=(const Winsock&) = delete;

private:
    bool m_bStarted = false;
};

std::string DottedQuad(DWORD networkOrder)
{
    in_addr address;
    address.s_addr = networkOrder;
    return ::inet_ntoa(address);
}

} // namespace

std::vector<RawSocketEntry> ReadRawSockets()
{
    std::vector<RawSocketEntry> sockets;
    const std::optional<std::string> text = ReadFileText("Z:\\proc\\net\\raw");
    if (!text)
        return sockets;
    std::istringstream lines(*text);
    std::string line;
    std::getline(lines, line); // the column names
    while (std::getline(lines, line)) {
        // "  90: 020200C0:0011 00000000:0000 07 00000000:00000000 00:00000000 00000000 0 0 231917 2 ptr 0":
        // the local address is the 32-bit value in the machine's own order,
        // which is how this machine keeps an in_addr too.
        unsigned int slot = 0, local = 0, protocol = 0, remote = 0, remotePort = 0, state = 0;
        unsigned long transmitQueue = 0, receiveQueue = 0, when = 0;
        unsigned int timer = 0, retransmits = 0, uid = 0, timeout = 0, references = 0;
        unsigned long long inode = 0, pointer = 0, drops = 0;
        if (std::sscanf(line.c_str(), " %u: %X:%X %X:%X %X %lX:%lX %X:%lX %X %u %u %llu %u %llX %llu", &slot, &local,
                        &protocol, &remote, &remotePort, &state, &transmitQueue, &receiveQueue, &timer, &when,
                        &retransmits, &uid, &timeout, &inode, &references, &pointer, &drops)
            != 17)
            continue;
        sockets.push_back({ DottedQuad(local), inode, receiveQueue, drops });
    }
    return sockets;
}

std::optional<RawSocketEntry> FindRawSocket(unsigned long long inode)
{
    for (const RawSocketEntry& entry : ReadRawSockets()) {
        if (entry.inode == inode)
            return entry;
    }
    return std::nullopt;
}

std::vector<unsigned long long> StandInRawSockets()
{
    std::vector<unsigned long long> inodes;
    char log[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("CORVANE_RAW_SOCKET_LOG", log, sizeof log);
    if (length == 0 || length >= sizeof log)
        return inodes;
    std::istringstream lines(ReadFileText(WindowsPathFromUnix(log)).value_or(std::string()));
    unsigned long long inode = 0;
    while (lines >> inode)
        inodes.push_back(inode);
    return inodes;
}

std::string SessionBindAddress()
{
    std::vector<unsigned char> buffer(16384);
    ULONG size = static_cast<ULONG>(buffer.size());
    auto* table = reinterpret_cast<MIB_IPADDRTABLE*>(buffer.data());
    if (::GetIpAddrTable(table, &size, FALSE) != NO_ERROR || table->dwNumEntries == 0)
        return "127.0.0.1";
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        const std::string text = DottedQuad(table->table[i].dwAddr);
        if (text != "127.0.0.1" && text != "0.0.0.0")
            return text;
    }
    return DottedQuad(table->table[0].dwAddr);
}

bool SendDatagrams(const std::string& address, int count, int bytes, DWORD pauseMs)
{
    const Winsock winsock;
    SOCKET sender = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (sender == INVALID_SOCKET)
        return false;
    sockaddr_in target = {};
    target.sin_family = AF_INET;
    target.sin_port = ::htons(9);
    target.sin_addr.s_addr = ::inet_addr(address.c_str());
    const std::string payload(static_cast<size_t>(bytes), 'c');
    bool sent = true;
    for (int i = 0; i < count && sent; ++i) {
        sent = ::sendto(sender, payload.data(), bytes, 0, reinterpret_cast<const sockaddr*>(&target), sizeof target)
            == bytes;
        if (pauseMs > 0)
            ::Sleep(pauseMs);
    }
    ::closesocket(sender);
    return sent;
}

int CloseSocketsOf(const Program& program)
{
    const Winsock winsock;
    int closed = 0;
    for (HANDLE handle : HandlesOf(program.Id()).value_or(std::vector<HANDLE>())) {
        HANDLE copy = nullptr;
        if (!::DuplicateHandle(program.Handle(), handle, ::GetCurrentProcess(), &copy, 0, FALSE,
                               DUPLICATE_SAME_ACCESS))
            continue;
        // Only a bound socket has a name. Wine answers getsockopt only for
        // the sockets of the process that asks; getsockname asks the socket.
        sockaddr_in name = {};
        int length = sizeof name;
        const bool bound = ::getsockname(reinterpret_cast<SOCKET>(copy), reinterpret_cast<sockaddr*>(&name), &length)
            == 0;
        ::CloseHandle(copy);
        // Taken out of the program, then closed here: the socket's last handle.
        HANDLE taken = nullptr;
        if (bound && ::DuplicateHandle(program.Handle(), handle, ::GetCurrentProcess(), &taken, 0, FALSE,
                                       DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE)) {
            ::CloseHandle(taken);
            ++closed;
        }
    }
    return closed;
}

} // namespace driver
