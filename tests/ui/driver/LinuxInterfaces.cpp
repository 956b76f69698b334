#include "tests/ui/driver/LinuxInterfaces.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/MainWindowIds.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/ProgramTimers.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <optional>

namespace driver {

namespace {

std::string SysNetFile(const std::string& name, const std::string& file)
{
    return WindowsPathFromUnix("/sys/class/net/" + name + "/" + file);
}

// A counter shown between two readings of Linux's own.
void ExpectBetween(std::uint64_t before, std::uint64_t shown, std::uint64_t after)
{
    EXPECT_LE(before, shown) << "shown " << shown << ", Linux's before " << before << " and after " << after;
    EXPECT_LE(shown, after) << "shown " << shown << ", Linux's before " << before << " and after " << after;
}

} // namespace

std::vector<LinuxInterface> LinuxInterfaces()
{
    std::vector<LinuxInterface> interfaces;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(WindowsPathFromUnix("/sys/class/net/*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return interfaces;
    do {
        const std::string name = found.cFileName;
        const std::optional<std::string> index = ReadFileText(SysNetFile(name, "ifindex"));
        if (name != "." && name != ".." && index)
            interfaces.push_back({name, std::stoi(*index)});
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    std::sort(interfaces.begin(), interfaces.end(),
              [](const LinuxInterface& a, const LinuxInterface& b) { return a.index < b.index; });
    return interfaces;
}

std::uint64_t LinuxByteCounter(const std::string& name, const char* counter)
{
    const std::optional<std::string> text = ReadFileText(SysNetFile(name, std::string("statistics/") + counter));
    return text ? std::stoull(*text) : 0;
}

std::uint64_t ShownByteCounter(const std::string& text)
{
    std::uint64_t value = 0;
    size_t digits = 0;
    while (1 + digits < text.size() && text[1 + digits] >= '0' && text[1 + digits] <= '9')
        value = value * 10 + static_cast<std::uint64_t>(text[1 + digits++] - '0');
    EXPECT_TRUE(digits > 0 && digits <= 20 && text.size() == digits + 2 && text.front() == ' ' &&
                text.back() == ' ')
        << '"' << text << '"';
    return value;
}

void ExpectCountersOf(HWND window, const std::string& name)
{
    ASSERT_TRUE(StopWindowTimers(window, { kStatsTimer }));
    const std::uint64_t sentBefore = LinuxByteCounter(name, "tx_bytes");
    const std::uint64_t receivedBefore = LinuxByteCounter(name, "rx_bytes");
    SendTimer(window, kStatsTimer);
    const std::uint64_t sentAfter = LinuxByteCounter(name, "tx_bytes");
    const std::uint64_t receivedAfter = LinuxByteCounter(name, "rx_bytes");
    {
        SCOPED_TRACE("Bytes Sent of " + name);
        ExpectBetween(sentBefore, ShownByteCounter(ControlText(window, kBytesSent)), sentAfter);
    }
    {
        SCOPED_TRACE("Bytes Received of " + name);
        ExpectBetween(receivedBefore, ShownByteCounter(ControlText(window, kBytesReceived)), receivedAfter);
    }
}

} // namespace driver
