#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

// The acceleration session's raw socket as the machine sees it, for the tests
// that run under a stand-in (scripts/wine-env.sh, corvane_standin).
namespace driver {

class Program;

// One raw IPv4 socket as Linux lists it in /proc/net/raw.
struct RawSocketEntry {
    std::string localAddress;      // dotted quad
    unsigned long long inode = 0;
    unsigned long receiveQueue = 0; // bytes waiting to be received
    unsigned long long drops = 0;   // datagrams lost for a full queue
};

// Every raw IPv4 socket of the machine, read through drive Z:.
std::vector<RawSocketEntry> ReadRawSockets();
std::optional<RawSocketEntry> FindRawSocket(unsigned long long inode);

// The inodes of the raw sockets the stand-in's wineserver has made, oldest
// first, from the file CORVANE_RAW_SOCKET_LOG names; empty outside a stand-in.
std::vector<unsigned long long> StandInRawSockets();

// The address an acceleration session binds: the first entry of the
// machine's address table, in the platform's order, that is neither
// 127.0.0.1 nor 0.0.0.0, else the first entry.
std::string SessionBindAddress();

// Sends count UDP datagrams of the given size to address (a port no one
// listens on: a raw socket receives them all the same), pauseMs apart.
// False when one cannot be sent.
bool SendDatagrams(const std::string& address, int count, int bytes, DWORD pauseMs = 0);

// Closes, from outside, every bound socket the program holds, as a
// closesocket in the program would: a receive blocked on it fails. The
// number closed.
int CloseSocketsOf(const Program& program);

} // namespace driver
