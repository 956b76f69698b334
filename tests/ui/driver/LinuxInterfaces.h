#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

// The machine's network interfaces as Linux itself reports them under
// /sys/class/net, read from the Windows side through drive Z:, to compare
// with what the program shows. /sys shows the network namespace it was
// mounted in: a test run in a namespace of its own remounts it there.
namespace driver {

struct LinuxInterface {
    std::string name;
    int index = 0;
};

// In the order of their index, the order Wine lists them in.
std::vector<LinuxInterface> LinuxInterfaces();

// A 64-bit byte counter of statistics/ ("tx_bytes", "rx_bytes"); 0 when unreadable.
std::uint64_t LinuxByteCounter(const std::string& name, const char* counter);

// The number a byte-counter label shows, " 123 " -> 123; fails the test when
// the text is not one blank, a whole number and one blank.
std::uint64_t ShownByteCounter(const std::string& text);

// One statistics tick, and both counters it shows compared with Linux's own,
// read before and after it. The program's own statistics timer is stopped
// first: a tick of its own between Linux's second reading and the look at
// the window would show later counters.
void ExpectCountersOf(HWND window, const std::string& name);

} // namespace driver
